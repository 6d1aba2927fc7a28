#pragma once
// The doors of the animated scene: six at the top of the building, three at the bottom of
// the corridor, each opening one section; how a double click chooses one and how the
// character walks into it and back out.
#include <array>
#include <optional>

#include "scene/rules/character.h"

namespace rumbelo {

inline constexpr int kTopDoors = 6;
inline constexpr int kBottomDoors = 3;
inline constexpr int kTopDoorsTop = -1331;
inline constexpr int kBottomDoorsTop = -808;

// Section numbers: top doors 1..6 in order; bottom doors 1, 2, 3 open 8, 7 and 9.
inline constexpr std::array<int, kTopDoors> kTopDoorSections = {1, 2, 3, 4, 5, 6};
inline constexpr std::array<int, kBottomDoors> kBottomDoorSections = {8, 7, 9};
inline constexpr std::array<int, kTopDoors> kTopDoorLefts = {-823, -475, -142, 372, 717, 1051};
inline constexpr std::array<int, kBottomDoors> kBottomDoorLefts = {-165, 100, 365};

struct Box {
    double left = 0;
    double top = 0;
    int width = 0;
    int height = 0;
    // Edges included, as the mouse-over test has them.
    bool contains(int x, int y) const {
        return left <= x && x <= left + width && top <= y && y <= top + height;
    }
};

// The doors as the theme's pictures size them.
struct DoorLayout {
    std::array<Box, kTopDoors> top;
    std::array<Box, kBottomDoors> bottom;
    // Strictly inside the span where walking straight up enters the door.
    static bool inWalkInSpan(const Box& door, int rx) {
        return door.left + 10 < rx && rx < door.left + door.width - 60;
    }
};

struct DoorRequests {
    std::array<bool, kTopDoors> top{};
    std::array<bool, kBottomDoors> bottom{};
    bool topWalkIn = false;
    bool bottomWalkIn = false;
    bool topWalkOut = false;
    bool bottomWalkOut = false;
    bool arrival = false;  // walked 150 past the door line: the frame step opens the section

    bool anyTop() const;
    bool anyBottom() const;
};

// Which requested doors show their walking-in picture after this move.
struct DoorPictures {
    bool topRequested = false;
    bool bottomRequested = false;
};

// The walk-in and walk-out part of the character's move. The bottom walk-in needs the mouse
// over the character (within 70 of its x), as a pupil pointing at the door ahead would.
DoorPictures applyDoorWalks(CharacterState& c, DoorRequests& r, const DoorLayout& doors,
                            int mouseWorldX);

// A new walk gives up the doors walked towards and not yet entered; a walk-out already under
// way goes on (it leads the character back into the corridor).
void giveUpWalkIns(DoorRequests& r);

// The section the arrival opens: the requested door the character walked into (the one whose
// span holds it, or else the first requested), and the walk-out that follows.
std::optional<int> takeArrival(const CharacterState& c, DoorRequests& r, const DoorLayout& doors);

// What the mouse is over, tested after each frame.
struct MouseOver {
    bool lens = false;
    bool lensZone = false;  // the lens or anywhere left of its right edge below its top
    bool exitIcon = false;
    std::array<bool, kTopDoors> top{};
    std::array<bool, kBottomDoors> bottom{};
    bool anything() const;
};

MouseOver mouseOverTest(int mx, int my, const Box& lens, const Box& exitIcon,
                        const DoorLayout& doors);

// A double click: the door under the mouse is requested and walked into, or, for a bottom
// door the character already stands in front of, opened at once (its section number).
std::optional<int> chooseDoor(const MouseOver& over, const CharacterState& c, DoorRequests& r);

}  // namespace rumbelo
