#pragma once
// The animation runs at the same pace on every machine the program was made for by choosing
// its step sizes from the processor's clock.
#include <chrono>
#include <optional>

namespace rumbelo {

struct SpeedClass {
    double factor;  // world units per move count
    int moveCount;  // move count per frame
    int reveal;     // title reveal value: a letter every reveal / 9 frames
    friend bool operator==(const SpeedClass&, const SpeedClass&) = default;
};

SpeedClass speedClassFor(int mhz);

// The processor clock in MHz: the time-stamp counter read against a steady clock over
// `interval`. Nothing where there is no such counter or the reading makes no sense. The
// counter ticks millions of times in 5 ms, far finer than the classes need.
std::optional<int> measureProcessorMHz(
    std::chrono::milliseconds interval = std::chrono::milliseconds(5));

// The class for a measurement; a failed one counts as a 1000-5000 MHz machine.
SpeedClass speedClassForMeasurement(std::optional<int> mhz);

}  // namespace rumbelo
