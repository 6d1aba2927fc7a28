// The speed classes and the processor clock measurement that picks one.
#include <gtest/gtest.h>

#include "scene/rules/speed_class.h"

using namespace rumbelo;

TEST(SpeedClass, TheTableByClock) {
    EXPECT_EQ(speedClassFor(300), (SpeedClass{0.25, 66, 5}));
    EXPECT_EQ(speedClassFor(399), (SpeedClass{0.25, 66, 5}));
    EXPECT_EQ(speedClassFor(400), (SpeedClass{0.23, 45, 8}));
    EXPECT_EQ(speedClassFor(599), (SpeedClass{0.23, 45, 8}));
    EXPECT_EQ(speedClassFor(600), (SpeedClass{0.21, 33, 15}));
    EXPECT_EQ(speedClassFor(800), (SpeedClass{0.2, 28, 20}));
    EXPECT_EQ(speedClassFor(999), (SpeedClass{0.2, 28, 20}));
    EXPECT_EQ(speedClassFor(1000), (SpeedClass{0.18, 25, 30}));
    EXPECT_EQ(speedClassFor(4999), (SpeedClass{0.18, 25, 30}));
    EXPECT_EQ(speedClassFor(5000), (SpeedClass{0.2, 25, 20}));
}

TEST(SpeedClass, AFailedMeasurementCountsAsTheCommonClass) {
    EXPECT_EQ(speedClassForMeasurement(std::nullopt), speedClassFor(2000));
    EXPECT_EQ(speedClassForMeasurement(450), speedClassFor(450));
}

TEST(SpeedClass, TheMeasurementIsAPlausibleClockOrNothing) {
    const auto mhz = measureProcessorMHz(std::chrono::milliseconds(20));
#if defined(__x86_64__) || defined(__i386__)
    ASSERT_TRUE(mhz.has_value());
    EXPECT_GT(*mhz, 100);
    EXPECT_LT(*mhz, 20000);
#else
    EXPECT_FALSE(mhz.has_value());
#endif
}
