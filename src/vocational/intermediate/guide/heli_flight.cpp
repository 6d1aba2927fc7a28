#include "vocational/intermediate/guide/heli_flight.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace rumbelo::intermediate {

int roundHalfEven(double v) {
    const double floor = std::floor(v);
    const double diff = v - floor;
    if (diff > 0.5) return static_cast<int>(floor) + 1;
    if (diff < 0.5) return static_cast<int>(floor);
    const auto f = static_cast<long long>(floor);
    return static_cast<int>(f % 2 == 0 ? f : f + 1);
}

FlightStep flightStep(int n, int c, int designWidth, int designHeight) {
    FlightStep s;
    s.x = roundHalfEven(std::sin(n * 0.20943951) * 75) * 2 + 350;
    s.y = roundHalfEven(std::cos(std::numbers::pi / (c + 40) * n) * 75 + 75) * 2 + 150;
    s.buttonLeft = s.x - 200;
    s.buttonWidth = designWidth + 3 * n - 105;
    s.buttonHeight = designHeight + n - 35;
    return s;
}

OpeningFlight::Tick OpeningFlight::tick(int designWidth, int designHeight) {
    Tick t;
    t.phase = phase_;
    if (phase_ >= 3) {
        t.over = true;
        return t;
    }
    ++n_;
    t.soundOn = n_ == 1;
    t.step = flightStep(n_, c_, designWidth, designHeight);
    if (n_ >= kFlightTicks) {
        t.arrived = true;
        c_ += 20;
        n_ = 0;
        ++phase_;
    }
    return t;
}

HelpLineStep slideHelpLine(int left, int formWidth) {
    HelpLineStep s;
    s.width = std::max(0, formWidth - left - 80);
    s.left = left - 40;
    s.heliLeft = s.left - 85;
    s.more = s.left >= 150;
    return s;
}

}  // namespace rumbelo::intermediate
