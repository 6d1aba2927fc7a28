#pragma once
// The walking character: a sprite whose move applies the building's rules, walks, and keeps
// the heads-up display, the bubble, the ceiling mask and the camera in step with it.
#include <string>
#include <unordered_map>

#include "common/texts/interface_texts.h"
#include "scene/sprites/sprite.h"
#include "scene/world/scene_state.h"
#include "scene/world/scene_world.h"

namespace rumbelo {

class TPlayerSprite : public Sprite {
  public:
    TPlayerSprite(SpriteEngine& engine, SceneWorld& world, SceneState& state,
                  const SpriteImages& images, const InterfaceTexts& texts, int surfaceWidth,
                  int surfaceHeight);

    // The door pictures and sizes are known once the building stands.
    void buildingComplete();

    void move(int count) override;

    // Shows the named image of the common list (the character's frames).
    void show(const std::string& name);

  private:
    void placeDisplay();
    const SpriteImage& frame(const std::string& name);

    SceneWorld& world_;
    SceneState& state_;
    const SpriteImages& images_;
    const InterfaceTexts& texts_;
    int surfaceWidth_;
    int surfaceHeight_;
    DoorLayout doors_;
    SpriteImage walkingIn_;  // "puer3"
    std::unordered_map<std::string, SpriteImage> frames_;
};

}  // namespace rumbelo
