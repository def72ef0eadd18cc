#include "engine/circle.h"
#include "engine/offset_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TEST(Circle, ReducesEveryAngleIntoOneTurn) {
    struct Case {
        double degrees;
        double reduced;
        int sign;
    };
    const double below360 = std::nextafter(360.0, 0.0);
    for (const Case& c :
         {Case{0, 0, 1}, Case{29.9999999, 29.9999999, 1}, Case{30, 30, 2},
          Case{below360, below360, 12}, Case{360, 0, 1}, Case{389, 29, 1}, Case{390, 30, 2},
          Case{-1, 359, 12}, Case{-30, 330, 12}, Case{-30.5, 329.5, 11}, Case{-360, 0, 1},
          Case{-721, 359, 12}, Case{3600.5, 0.5, 1}, Case{-1e-15, 0, 1}}) {
        EXPECT_DOUBLE_EQ(Reduce360(c.degrees), c.reduced) << c.degrees;
        EXPECT_EQ(SignOf(c.degrees), c.sign) << c.degrees;
    }
    EXPECT_EQ(Reduce360(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(SignOf(std::numeric_limits<double>::infinity()), 1);
}

TEST(OffsetText, WritesEachFrontsStyle) {
    struct Case {
        int minutes;
        const char* iso;
        const char* ut;
        const char* utc;
    };
    for (const Case& c :
         {Case{330, "+05:30", "UT+5:30", "UTC+05:30"}, Case{-240, "-04:00", "UT-4:00", "UTC-04:00"},
          Case{0, "+00:00", "UT+0:00", "UTC+00:00"}, Case{-30, "-00:30", "UT-0:30", "UTC-00:30"},
          Case{14 * 60, "+14:00", "UT+14:00", "UTC+14:00"}}) {
        EXPECT_EQ(OffsetText(c.minutes, OffsetStyle::Iso), c.iso);
        EXPECT_EQ(OffsetText(c.minutes, OffsetStyle::Ut), c.ut);
        EXPECT_EQ(OffsetText(c.minutes, OffsetStyle::Utc), c.utc);
    }
}

} // namespace
