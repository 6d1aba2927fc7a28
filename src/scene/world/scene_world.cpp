#include "scene/world/scene_world.h"

namespace rumbelo {

Sprite* SceneWorld::bottomDoor(int i) const {
    static constexpr int kPieces[kBottomDoors] = {piece::kBottomDoor1, piece::kBottomDoor2,
                                                  piece::kBottomDoor3};
    return piece(kPieces[i]);
}

DoorLayout SceneWorld::doorLayout() const {
    DoorLayout layout;
    for (int i = 0; i < kTopDoors; ++i)
        layout.top[i] = boxOf(*topDoor(i));
    for (int i = 0; i < kBottomDoors; ++i)
        layout.bottom[i] = boxOf(*bottomDoor(i));
    return layout;
}

}  // namespace rumbelo
