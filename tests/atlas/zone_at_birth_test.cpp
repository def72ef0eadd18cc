#include "atlas/atlas.h"
#include "atlas/zone_at_birth.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct HistoricalCase {
    const char* what;
    const char* zone;
    double longitude; // degrees, East positive
    QDate date;
    QTime time;
    LocalTimeKind kind;
    ZoneOffset offset;
    ZoneOffset other; // the second offset of a gap or an ambiguous time
    ZoneBoxes boxes;  // what the window's zone boxes get for offset
};

void PrintTo(const HistoricalCase& c, std::ostream* os) {
    *os << c.what;
}

constexpr int kHour = 60;

class HistoricalZoneTest : public testing::TestWithParam<HistoricalCase> {};

TEST_P(HistoricalZoneTest, GivesTheOffsetInForceAtTheBirth) {
    const HistoricalCase& c = GetParam();
    const ZoneAtBirth z = ZoneAt(QByteArrayView(c.zone), c.date, c.time, c.longitude);
    EXPECT_EQ(z.kind, c.kind);
    EXPECT_EQ(z.offset.minutes, c.offset.minutes);
    EXPECT_EQ(z.offset.daylightMinutes, c.offset.daylightMinutes);
    if (c.kind == LocalTimeKind::Nonexistent || c.kind == LocalTimeKind::Ambiguous) {
        EXPECT_EQ(z.other, c.other);
    }
    EXPECT_EQ(ZoneBoxesFor(z.offset), c.boxes);
}

const LocalTimeKind kUnique = LocalTimeKind::Unique;

INSTANTIATE_TEST_SUITE_P(
    Births, HistoricalZoneTest,
    testing::Values(HistoricalCase{"Kolkata June 1943, war time",
                                   "Asia/Kolkata",
                                   88.36,
                                   QDate(1943, 6, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {6 * kHour + 30, kHour},
                                   {},
                                   {5, 30, true, true}},
                    HistoricalCase{"Kolkata 2000",
                                   "Asia/Kolkata",
                                   88.36,
                                   QDate(2000, 1, 1),
                                   QTime(12, 0),
                                   kUnique,
                                   {5 * kHour + 30, 0},
                                   {},
                                   {5, 30, false, true}},
                    HistoricalCase{"New York January 1944, war time",
                                   "America/New_York",
                                   -74.01,
                                   QDate(1944, 1, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {-4 * kHour, kHour},
                                   {},
                                   {5, 0, true, false}},
                    HistoricalCase{"New York July 1990",
                                   "America/New_York",
                                   -74.01,
                                   QDate(1990, 7, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {-4 * kHour, kHour},
                                   {},
                                   {5, 0, true, false}},
                    HistoricalCase{"New York January 1990",
                                   "America/New_York",
                                   -74.01,
                                   QDate(1990, 1, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {-5 * kHour, 0},
                                   {},
                                   {5, 0, false, false}},
                    HistoricalCase{"London June 1941, double summer time",
                                   "Europe/London",
                                   -0.13,
                                   QDate(1941, 6, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {2 * kHour, 2 * kHour},
                                   {},
                                   {2, 0, false, true}},
                    HistoricalCase{"Madrid July 1990, West of Greenwich",
                                   "Europe/Madrid",
                                   -3.70,
                                   QDate(1990, 7, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {2 * kHour, kHour},
                                   {},
                                   {1, 0, true, true}},
                    HistoricalCase{"Amsterdam January 1935, mean time of Amsterdam",
                                   "Europe/Amsterdam",
                                   4.89,
                                   QDate(1935, 1, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {20, 0},
                                   {},
                                   {0, 20, false, true}},
                    HistoricalCase{"Kathmandu 2000",
                                   "Asia/Kathmandu",
                                   85.32,
                                   QDate(2000, 1, 1),
                                   QTime(12, 0),
                                   kUnique,
                                   {5 * kHour + 45, 0},
                                   {},
                                   {5, 45, false, true}},
                    HistoricalCase{"Apia December 2012, after the date-line move",
                                   "Pacific/Apia",
                                   -171.77,
                                   QDate(2012, 12, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {14 * kHour, kHour},
                                   {},
                                   {13, 0, true, true}},
                    HistoricalCase{"Lord Howe Island January 2000, half-hour saving",
                                   "Australia/Lord_Howe",
                                   159.08,
                                   QDate(2000, 1, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {11 * kHour, 30},
                                   {},
                                   {11, 0, false, true}},
                    HistoricalCase{"New York 2021-03-14 02:30 did not exist",
                                   "America/New_York",
                                   -74.01,
                                   QDate(2021, 3, 14),
                                   QTime(2, 30),
                                   LocalTimeKind::Nonexistent,
                                   {-5 * kHour, 0},
                                   {-4 * kHour, kHour},
                                   {5, 0, false, false}},
                    HistoricalCase{"New York 2021-11-07 01:30 happened twice",
                                   "America/New_York",
                                   -74.01,
                                   QDate(2021, 11, 7),
                                   QTime(1, 30),
                                   LocalTimeKind::Ambiguous,
                                   {-4 * kHour, kHour},
                                   {-5 * kHour, 0},
                                   {5, 0, true, false}},
                    HistoricalCase{"Apia 2011-12-30, the day the date line skipped",
                                   "Pacific/Apia",
                                   -171.77,
                                   QDate(2011, 12, 30),
                                   QTime(12, 0),
                                   LocalTimeKind::Nonexistent,
                                   {-10 * kHour, kHour},
                                   {14 * kHour, kHour},
                                   {11, 0, true, false}},
                    HistoricalCase{"Pokhara 1910, Pokhara's own mean time",
                                   "Asia/Kathmandu",
                                   83.97,
                                   QDate(1910, 6, 1),
                                   QTime(12, 0),
                                   LocalTimeKind::LocalMeanTime,
                                   {5 * kHour + 36, 0},
                                   {},
                                   {5, 36, false, true}},
                    HistoricalCase{"New York 1880, West of Greenwich",
                                   "America/New_York",
                                   -74.01,
                                   QDate(1880, 6, 1),
                                   QTime(12, 0),
                                   LocalTimeKind::LocalMeanTime,
                                   {-(4 * kHour + 56), 0},
                                   {},
                                   {4, 56, false, false}},
                    // Jeddah kept its own mean time, +2:37, until Riyadh's zone
                    // took +3:00 at 20:53:08 UT: its clocks moved from 23:30:08
                    // to 23:53:08, and only the minutes wholly between did not
                    // exist.
                    HistoricalCase{"Jeddah 1947-03-13 23:30, the last mean time",
                                   "Asia/Riyadh",
                                   39.19797,
                                   QDate(1947, 3, 13),
                                   QTime(23, 30),
                                   LocalTimeKind::LocalMeanTime,
                                   {2 * kHour + 37, 0},
                                   {},
                                   {2, 37, false, true}},
                    HistoricalCase{"Jeddah 1947-03-13 23:31, the first minute skipped",
                                   "Asia/Riyadh",
                                   39.19797,
                                   QDate(1947, 3, 13),
                                   QTime(23, 31),
                                   LocalTimeKind::Nonexistent,
                                   {2 * kHour + 37, 0},
                                   {3 * kHour, 0},
                                   {2, 37, false, true}},
                    HistoricalCase{"Jeddah 1947-03-13 23:40 did not exist",
                                   "Asia/Riyadh",
                                   39.19797,
                                   QDate(1947, 3, 13),
                                   QTime(23, 40),
                                   LocalTimeKind::Nonexistent,
                                   {2 * kHour + 37, 0},
                                   {3 * kHour, 0},
                                   {2, 37, false, true}},
                    HistoricalCase{"Jeddah 1947-03-13 23:52, the last minute skipped",
                                   "Asia/Riyadh",
                                   39.19797,
                                   QDate(1947, 3, 13),
                                   QTime(23, 52),
                                   LocalTimeKind::Nonexistent,
                                   {2 * kHour + 37, 0},
                                   {3 * kHour, 0},
                                   {2, 37, false, true}},
                    HistoricalCase{"Jeddah 1947-03-13 23:53, standard time",
                                   "Asia/Riyadh",
                                   39.19797,
                                   QDate(1947, 3, 13),
                                   QTime(23, 53),
                                   kUnique,
                                   {3 * kHour, 0},
                                   {},
                                   {3, 0, false, true}},
                    // Riyadh's own mean time (+3:07) is no reading of Jeddah's.
                    HistoricalCase{"Jeddah 1947-03-13 23:58, standard time",
                                   "Asia/Riyadh",
                                   39.19797,
                                   QDate(1947, 3, 13),
                                   QTime(23, 58),
                                   kUnique,
                                   {3 * kHour, 0},
                                   {},
                                   {3, 0, false, true}},
                    // Pokhara's mean time, +5:36, was ahead of the +5:30 that
                    // began at 18:18:44 UT: its clocks moved back from 23:54:44
                    // to 23:48:44, and the minutes between happened twice.
                    HistoricalCase{"Pokhara 1919-12-31 23:47, the last mean time alone",
                                   "Asia/Kathmandu",
                                   83.96851,
                                   QDate(1919, 12, 31),
                                   QTime(23, 47),
                                   LocalTimeKind::LocalMeanTime,
                                   {5 * kHour + 36, 0},
                                   {},
                                   {5, 36, false, true}},
                    HistoricalCase{"Pokhara 1919-12-31 23:48 happened twice",
                                   "Asia/Kathmandu",
                                   83.96851,
                                   QDate(1919, 12, 31),
                                   QTime(23, 48),
                                   LocalTimeKind::Ambiguous,
                                   {5 * kHour + 36, 0},
                                   {5 * kHour + 30, 0},
                                   {5, 36, false, true}},
                    HistoricalCase{"Pokhara 1919-12-31 23:54 happened twice",
                                   "Asia/Kathmandu",
                                   83.96851,
                                   QDate(1919, 12, 31),
                                   QTime(23, 54),
                                   LocalTimeKind::Ambiguous,
                                   {5 * kHour + 36, 0},
                                   {5 * kHour + 30, 0},
                                   {5, 36, false, true}},
                    HistoricalCase{"Pokhara 1919-12-31 23:55, standard time",
                                   "Asia/Kathmandu",
                                   83.96851,
                                   QDate(1919, 12, 31),
                                   QTime(23, 55),
                                   kUnique,
                                   {5 * kHour + 30, 0},
                                   {},
                                   {5, 30, false, true}},
                    HistoricalCase{"London July 1990, saving from a zero offset",
                                   "Europe/London",
                                   -0.13,
                                   QDate(1990, 7, 15),
                                   QTime(12, 0),
                                   kUnique,
                                   {kHour, kHour},
                                   {},
                                   {0, 0, true, true}}));

// The same for a place taken from the atlas: Pokhara keeps Kathmandu's zone,
// whose mean time before 1920 was Kathmandu's; a birth in Pokhara had
// Pokhara's own.
TEST(ZoneAtAtlasPlaceTest, UsesTheBirthplacesOwnMeanTimeBeforeTheFirstStandardTime) {
    AtlasLoad load = Atlas::load(DefaultAtlasFolder());
    ASSERT_TRUE(load.atlas) << load.error.toStdString();
    const Place* pokhara = load.atlas->choose(u"Pokhara");
    ASSERT_NE(pokhara, nullptr);
    ASSERT_EQ(pokhara->TimeZone, QByteArray("Asia/Kathmandu"));
    const ZoneAtBirth z =
        ZoneAt(pokhara->TimeZone, QDate(1910, 6, 1), QTime(6, 0), pokhara->Longitude);
    EXPECT_EQ(z.kind, LocalTimeKind::LocalMeanTime);
    EXPECT_EQ(z.offset.minutes, 5 * kHour + 36);
}

TEST(ZoneAtTest, GivesNoOffsetForAnUnknownZoneOrAnInvalidDate) {
    EXPECT_EQ(ZoneAt("Atlantis/Capital", QDate(2000, 1, 1), QTime(12, 0), 0).kind,
              LocalTimeKind::NoZone);
    EXPECT_EQ(ZoneAt("Asia/Kolkata", QDate(2001, 2, 29), QTime(12, 0), 88).kind,
              LocalTimeKind::NoZone);
}

} // namespace
