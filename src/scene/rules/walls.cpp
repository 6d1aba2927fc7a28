#include "scene/rules/walls.h"

namespace rumbelo {
namespace {

void stopUp(CharacterState& c) {
    c.dir.up = false;
    c.image = "manup01";
}
void stopDown(CharacterState& c) {
    c.dir.down = false;
    c.image = "mandown01";
}
void stopLeft(CharacterState& c) {
    c.dir.left = false;
    c.image = "manizq01";
}
void stopRight(CharacterState& c) {
    c.dir.right = false;
    c.image = "mander01";
}

// A horizontal wall: above `line` the character may not walk down into it, at or below
// `line` it may not walk up into it.
void wallLine(CharacterState& c, int line) {
    if (c.ry < line && c.dir.down) stopDown(c);
    if (c.ry >= line && c.dir.up) stopUp(c);
}

}  // namespace

void applyOuterWalls(CharacterState& c) {
    if (c.rx < -819 && c.dir.left) stopLeft(c);                                 // a
    if (c.rx >= -20 && c.Y <= -1346 && c.dir.right) stopRight(c);               // b
    if (c.Y >= -995 && c.Y <= -300 && c.rx < -469 && c.dir.left) stopLeft(c);   // c
    if (c.rx > 869 && c.Y >= -823 && c.Y <= -300 && c.dir.right) stopRight(c);  // d
}

void applyWallLines(CharacterState& c) {
    const int x = c.rx;
    const int y = c.ry;
    if (y >= -476 && y < -185 && !(x >= -4 && x <= 89)) wallLine(c, -299);  // e
    const bool corridorPassage = (x >= -486 && x < -362) || (x > 710 && x <= 834);
    if (y >= -999 && y < -708 && !corridorPassage) wallLine(c, -822);  // f
    if (y < -1231) wallLine(c, -1345);                                 // g
}

void applySideWalls(CharacterState& c) {
    const int x = c.rx;
    const int y = c.ry;
    if (y >= -470 && y < -189) {  // h
        if (x < 1 && c.dir.left) stopLeft(c);
        if (x > 84 && c.dir.right) stopRight(c);
    }
    if (y >= -993 && y < -712) {  // i
        if (x >= -382 && x < -361 && c.dir.right) stopRight(c);
        if (x > 705 && x <= 726 && c.dir.left) stopLeft(c);
        if (x > 820 && c.dir.right) stopRight(c);
    }
    if (y >= -1516 && y < -1235) {  // j
        if (x >= -682 && x < -661 && c.dir.right) stopRight(c);
    }
    if (y >= -300) {  // k
        if (x < -229 && c.dir.left) stopLeft(c);
        if (x > 339 && c.dir.right) stopRight(c);
    }
}

void applyFloor(CharacterState& c) {
    if (c.ry > 79) c.dir.down = false;
}

void applyArrival(CharacterState& c) {
    Directions& d = c.dir;
    const bool vertical = d.up || d.down;
    const bool horizontal = d.left || d.right;
    const bool reachedUp = c.ry <= c.ty - 30;
    const bool reachedDown = c.ry >= c.ty - 30;
    const bool reachedLeft = c.rx <= c.tx - 10;
    const bool reachedRight = c.rx >= c.tx - 10;
    // Each pair of directions stops both of them, and only them.
    const auto stop = [&](bool& a, bool& b, const char* image) {
        a = false;
        b = false;
        c.image = image;
    };
    bool none = false;
    if (d.up && !horizontal && reachedUp)
        stop(d.up, none, "manup01");
    else if (d.down && !horizontal && reachedDown)
        stop(d.down, none, "mandown01");
    else if (d.left && !vertical && reachedLeft)
        stop(d.left, none, "manizq01");
    else if (d.right && !vertical && reachedRight)
        stop(d.right, none, "mander01");
    else if (d.up && d.right && reachedRight && reachedUp)
        stop(d.up, d.right, "manupder01");
    else if (d.up && d.left && reachedLeft && reachedUp)
        stop(d.up, d.left, "manupizq01");
    else if (d.down && d.right && reachedRight && reachedDown)
        stop(d.down, d.right, "mandoder01");
    else if (d.down && d.left && reachedLeft && reachedDown)
        stop(d.down, d.left, "mandoizq01");
}

}  // namespace rumbelo
