#include "scene/rules/speed_class.h"

#include <thread>

#if defined(__x86_64__) || defined(__i386__)
#include <x86intrin.h>
#define RUMBELO_HAS_TSC 1
#endif

namespace rumbelo {

SpeedClass speedClassFor(int mhz) {
    if (mhz < 400) return {0.25, 66, 5};
    if (mhz < 600) return {0.23, 45, 8};
    if (mhz < 800) return {0.21, 33, 15};
    if (mhz < 1000) return {0.2, 28, 20};
    if (mhz < 5000) return {0.18, 25, 30};
    return {0.2, 25, 20};
}

std::optional<int> measureProcessorMHz(std::chrono::milliseconds interval) {
#ifdef RUMBELO_HAS_TSC
    using Clock = std::chrono::steady_clock;
    // Start on a fresh clock reading so that the interval is not cut short by a stale one.
    const Clock::time_point before = Clock::now();
    Clock::time_point start = Clock::now();
    while (start == before)
        start = Clock::now();
    const unsigned long long tscStart = __rdtsc();
    std::this_thread::sleep_for(interval);
    const unsigned long long tscEnd = __rdtsc();
    const Clock::time_point end = Clock::now();
    const double micros = std::chrono::duration<double, std::micro>(end - start).count();
    if (micros <= 0 || tscEnd <= tscStart) return std::nullopt;
    const double mhz = static_cast<double>(tscEnd - tscStart) / micros;
    if (mhz < 1 || mhz > 1e6) return std::nullopt;
    return static_cast<int>(mhz);
#else
    (void)interval;
    return std::nullopt;
#endif
}

SpeedClass speedClassForMeasurement(std::optional<int> mhz) {
    return speedClassFor(mhz.value_or(1000));
}

}  // namespace rumbelo
