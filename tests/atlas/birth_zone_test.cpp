#include "atlas/birth_zone.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(RecordCoordinatesTest, RoundsToTheNearestMinuteWithTheHemispheres) {
    struct Case {
        double latitude;
        double longitude;
        RecordCoordinates expected;
    };
    for (const Case& c : {
             Case{28.6139, 77.2090, {28, 37, false, 77, 13, true}},
             Case{-33.8688, 151.2093, {33, 52, true, 151, 13, true}},
             Case{40.7128, -74.0060, {40, 43, false, 74, 0, false}},
             // 59.5 minutes go up to the next degree.
             Case{10.99167, -0.99167, {11, 0, false, 1, 0, false}},
             // Past 179°59'30" the longitude stays within the record's range.
             Case{-16.5, 179.9999, {16, 30, true, 179, 59, true}},
             // The poles stay within it too, as 89°59'.
             Case{90.0, 0.0, {89, 59, false, 0, 0, false}},
             Case{-89.99999, 12.0, {89, 59, true, 12, 0, true}},
         }) {
        EXPECT_EQ(RecordCoordinatesOf(c.latitude, c.longitude), c.expected)
            << c.latitude << ", " << c.longitude;
    }
}

class BirthZoneTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        AtlasLoad load = Atlas::load(DefaultAtlasFolder());
        ASSERT_TRUE(load.atlas) << load.error.toStdString();
        atlas = std::make_unique<Atlas>(std::move(*load.atlas));
    }
    static void TearDownTestSuite() { atlas.reset(); }
    static std::unique_ptr<Atlas> atlas;
};
std::unique_ptr<Atlas> BirthZoneTest::atlas;

TEST_F(BirthZoneTest, APlaceFillsTheRecordInPlainAscii) {
    BirthRecord birth;
    SetPlace(birth, *atlas->choose(u"Zürich"));
    EXPECT_EQ(birth.City, "Zurich");
    EXPECT_EQ(birth.State, "Zurich");
    EXPECT_EQ(birth.Country, "Switzerland");
    EXPECT_EQ(birth.TimeZone, "Europe/Zurich");
    EXPECT_EQ(birth.LatD, 47);
    EXPECT_EQ(birth.LatM, 22);
    EXPECT_FALSE(birth.LatSouth);
    EXPECT_EQ(birth.LonD, 8);
    EXPECT_EQ(birth.LonM, 33);
    EXPECT_TRUE(birth.LonEast);
}

// The record's own longitude gives the mean time: Pokhara's, not Kathmandu's.
TEST_F(BirthZoneTest, TheZoneAtTheRecordsBirth) {
    BirthRecord birth;
    birth.Year = 1910;
    birth.Month = 6;
    birth.Day = 1;
    birth.Hour = 6;
    SetPlace(birth, *atlas->choose(u"Pokhara"));
    const ZoneAtBirth z = ZoneAtBirthOf(birth);
    EXPECT_EQ(z.kind, LocalTimeKind::LocalMeanTime);
    EXPECT_EQ(z.offset.minutes, 5 * 60 + 36);

    SetZone(birth, z.offset);
    EXPECT_EQ(birth.ZoneHour, 5);
    EXPECT_EQ(birth.ZoneMinute, 36);
    EXPECT_FALSE(birth.DST);
    EXPECT_EQ(birth.ZoneAhead, std::optional<bool>(true));

    birth.TimeZone.clear();
    EXPECT_EQ(ZoneAtBirthOf(birth).kind, LocalTimeKind::NoZone);
}

// Jeddah's record, with its own longitude, on the night its clocks left
// mean time: a minute skipped is refused, the one before is noted.
TEST_F(BirthZoneTest, TheNightJeddahLeftItsMeanTime) {
    BirthRecord birth;
    SetPlace(birth, *atlas->choose(u"Jeddah"));
    birth.Year = 1947;
    birth.Month = 3;
    birth.Day = 13;
    birth.Hour = 23;
    birth.Minute = 40;
    const BirthZoneCheck skipped = CheckZoneAtBirth(birth);
    EXPECT_EQ(
        skipped.refusal,
        QStringLiteral("The local time 1947-03-13 23:40 did not exist at Jeddah: the clocks "
                       "moved forward from UT+2:37 to UT+3:00 there. Please check the time."));

    birth.Minute = 30;
    SetZone(birth, ZoneAtBirthOf(birth).offset);
    const BirthZoneCheck meanTime = CheckZoneAtBirth(birth);
    EXPECT_TRUE(meanTime.refusal.isEmpty());
    EXPECT_EQ(meanTime.warning,
              QStringLiteral("1947-03-13 23:30 is before the first standard time of "
                             "Asia/Riyadh: the local mean time of Jeddah, UT+2:37, is used."));
}

TEST(SetZoneTest, KeepsTheStandardOffsetBehindWithDaylightSaving) {
    BirthRecord birth;
    SetZone(birth, {-4 * 60, 60});
    EXPECT_EQ(birth.ZoneHour, 5);
    EXPECT_EQ(birth.ZoneMinute, 0);
    EXPECT_TRUE(birth.DST);
    EXPECT_EQ(birth.ZoneAhead, std::optional<bool>(false));
}

} // namespace
