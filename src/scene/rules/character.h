#pragma once
// The walking character's state, as its move and the click rules change it. World
// coordinates: x grows to the right, y downwards; the building lies at negative y.
#include <cmath>
#include <string>

namespace rumbelo {

// Rounds halves to the even neighbour, as the scene's coordinates always have.
inline int roundWorld(double v) {
    return static_cast<int>(std::nearbyint(v));
}

struct Directions {
    bool up = false;
    bool down = false;
    bool left = false;
    bool right = false;
    bool none() const { return !up && !down && !left && !right; }
    void clear() { *this = Directions{}; }
};

struct CharacterState {
    double X = 60;  // top-left corner of the character's image
    double Y = 0;
    int rx = 60;  // X and Y rounded at the start of each move
    int ry = 0;
    int tx = 0;  // the clicked target
    int ty = 0;
    Directions dir;
    int animStep = 10;  // 10..68; a frame every three moves
    int angle = 0;      // of the last click that had one, in degrees (0 vertical, 90 level)
    std::string image = "mandown01";

    void roundPosition() {
        rx = roundWorld(X);
        ry = roundWorld(Y);
    }
};

// The character image is 56 wide and 170 high; the camera and the screen mapping rely on it.
inline constexpr int kCharacterWidth = 56;
inline constexpr int kCharacterHeight = 170;

}  // namespace rumbelo
