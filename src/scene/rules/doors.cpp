#include "scene/rules/doors.h"

#include <algorithm>
#include <cstdlib>

namespace rumbelo {
namespace {

template <std::size_t N>
bool any(const std::array<bool, N>& flags) {
    return std::any_of(flags.begin(), flags.end(), [](bool f) { return f; });
}

void walkStraightUp(CharacterState& c) {
    c.dir.up = true;
    c.dir.left = false;
    c.dir.right = false;
}

// The walk-out: straight down until `line`, then the requests end.
template <std::size_t N>
bool walkOut(CharacterState& c, std::array<bool, N>& requests, bool& walkingOut, int line) {
    if (!walkingOut) return false;
    if (c.ry < line) {
        c.dir.up = false;
        c.dir.down = true;
        return true;
    }
    requests.fill(false);
    walkingOut = false;
    return false;
}

template <std::size_t N>
std::optional<int> requestedDoorAt(const CharacterState& c, const std::array<bool, N>& requested,
                                   const std::array<Box, N>& boxes) {
    std::optional<int> first;
    for (std::size_t i = 0; i < N; ++i) {
        if (!requested[i]) continue;
        if (DoorLayout::inWalkInSpan(boxes[i], c.rx)) return static_cast<int>(i);
        if (!first) first = static_cast<int>(i);
    }
    return first;
}

}  // namespace

bool DoorRequests::anyTop() const {
    return any(top);
}
bool DoorRequests::anyBottom() const {
    return any(bottom);
}

DoorPictures applyDoorWalks(CharacterState& c, DoorRequests& r, const DoorLayout& doors,
                            int mouseWorldX) {
    DoorPictures pictures;
    if (r.topWalkIn) {
        bool inSpan = false;
        for (int i = 0; i < kTopDoors; ++i)
            inSpan |= r.top[i] && DoorLayout::inWalkInSpan(doors.top[i], c.rx);
        if (inSpan) {
            walkStraightUp(c);
            pictures.topRequested = true;
            if (c.ry < kTopDoorsTop - 150) {
                r.topWalkIn = false;
                r.arrival = true;
            }
        }
    }
    if (walkOut(c, r.top, r.topWalkOut, kTopDoorsTop + 100)) pictures.topRequested = true;
    if (r.bottomWalkIn) {
        const bool aboveDoorBottom = c.ry < kBottomDoorsTop + doors.bottom[0].height;
        const bool mouseOverCharacter = std::abs(mouseWorldX - c.rx) < 70;
        bool inSpan = false;
        for (const Box& door : doors.bottom)
            inSpan |= DoorLayout::inWalkInSpan(door, c.rx);
        if (aboveDoorBottom && mouseOverCharacter && inSpan) {
            walkStraightUp(c);
            pictures.bottomRequested = true;
            if (c.ry < kBottomDoorsTop - 150) {
                r.bottomWalkIn = false;
                r.arrival = true;
            }
        }
    }
    if (walkOut(c, r.bottom, r.bottomWalkOut, kBottomDoorsTop + 100))
        pictures.bottomRequested = true;
    return pictures;
}

void giveUpWalkIns(DoorRequests& r) {
    if (r.topWalkIn && !r.topWalkOut) r.top.fill(false);
    if (r.bottomWalkIn && !r.bottomWalkOut) r.bottom.fill(false);
    r.topWalkIn = false;
    r.bottomWalkIn = false;
}

std::optional<int> takeArrival(const CharacterState& c, DoorRequests& r, const DoorLayout& doors) {
    if (!r.arrival) return std::nullopt;
    r.arrival = false;
    std::optional<int> section;
    if (const auto door = requestedDoorAt(c, r.bottom, doors.bottom)) {
        section = kBottomDoorSections[*door];
        r.bottomWalkOut = true;
    }
    if (const auto door = requestedDoorAt(c, r.top, doors.top)) {
        section = kTopDoorSections[*door];
        r.topWalkOut = true;
    }
    return section;
}

bool MouseOver::anything() const {
    return lens || exitIcon || any(top) || any(bottom);
}

MouseOver mouseOverTest(int mx, int my, const Box& lens, const Box& exitIcon,
                        const DoorLayout& doors) {
    MouseOver over;
    over.lens = lens.contains(mx, my);
    over.lensZone = over.lens || (mx <= lens.left + lens.height && my >= lens.top);
    over.exitIcon = exitIcon.contains(mx, my);
    for (int i = 0; i < kBottomDoors; ++i)
        over.bottom[i] = doors.bottom[i].contains(mx, my);
    for (int i = 0; i < kTopDoors; ++i)
        over.top[i] = doors.top[i].contains(mx, my);
    return over;
}

std::optional<int> chooseDoor(const MouseOver& over, const CharacterState& c, DoorRequests& r) {
    std::optional<int> openNow;
    for (int i = 0; i < kBottomDoors; ++i) {
        if (!over.bottom[i]) continue;
        if (c.Y < kBottomDoorsTop + 80) {
            openNow = kBottomDoorSections[i];
        } else {
            r.bottom[i] = true;
            r.bottomWalkIn = true;
        }
    }
    for (int i = 0; i < kTopDoors; ++i) {
        if (!over.top[i]) continue;
        r.top[i] = true;
        r.topWalkIn = true;
    }
    return openNow;
}

}  // namespace rumbelo
