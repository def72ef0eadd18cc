#include "reading/reading.h"
#include "reading/reading_rows.h"
#include "support/sample_planets.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

TEST(SensitivityCell, MarksCloseMinutesAndTheLimit) {
    struct Case {
        std::optional<int> minutes;
        bool close;
        bool beyond;
    };
    for (const Case& c :
         {Case{1, true, false}, Case{kCloseSensitivityMinutes, true, false},
          Case{kCloseSensitivityMinutes + 1, false, false},
          Case{kMaxSensitivityMinutes, false, false}, Case{std::nullopt, false, true}}) {
        const SensitivityCell cell = SensitivityCellOf(c.minutes);
        EXPECT_EQ(cell.close, c.close) << c.minutes.value_or(0);
        EXPECT_EQ(cell.beyondLimit(), c.beyond) << c.minutes.value_or(0);
    }
}

TEST(PlanetRows, NineBodiesThenTheAscendantOfHouseOne) {
    const Reading reading = firstExampleReading();
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    ASSERT_EQ(rows.size(), 10U);
    EXPECT_EQ(rows[1].name, "Moon");
    EXPECT_EQ(rows[1].signName, "Libra");
    EXPECT_TRUE(rows[1].earlier.close); // 12 minutes
    EXPECT_TRUE(rows[1].later.minutes == 100 && !rows[1].later.close);
    EXPECT_TRUE(rows[2].earlier.beyondLimit());
    EXPECT_TRUE(rows[3].retrograde);
    const PlanetRow& ascendant = rows.back();
    EXPECT_TRUE(ascendant.ascendant);
    EXPECT_EQ(ascendant.name, "Ascendant");
    EXPECT_EQ(ascendant.position, "13° 10' 47\" Pis");
    EXPECT_EQ(ascendant.sign, 12);
    EXPECT_EQ(ascendant.signName, "Pisces");
    EXPECT_EQ(ascendant.bhava, 1);
    EXPECT_EQ(ascendant.earlier.minutes, 40);
    EXPECT_EQ(ascendant.later.minutes, 80);
}

TEST(PlanetRows, NoneWithoutPlanets) {
    Reading reading = firstExampleReading();
    reading.planets = {std::nullopt, "no ephemeris"};
    EXPECT_TRUE(PlanetRows(reading).empty());
}

TEST(MakeReading, AddsTheCallersWarningsAfterTheEnginesOwn) {
    // The first example moved to 70° North: the quadrants overlap, so the
    // engine warns first.
    BirthRecord polar = firstExampleBirth();
    polar.LatD = 70;
    polar.LatM = 0;
    ReadingOptions options;
    options.warnings = {"zone note"};
    options.sensitivity = false;
    Reading reading = MakeReading(polar, options);
    ASSERT_TRUE(reading.houses.QuadrantsOverlap);
    ASSERT_EQ(reading.warnings().size(), 2U);
    EXPECT_EQ(reading.warnings().back(), "zone note");
    EXPECT_EQ(reading.birth, polar);

    // Made again into the same reading, nothing of the first one stays.
    MakeReading(firstExampleBirth(), {}, reading);
    EXPECT_TRUE(reading.warnings().empty());
    EXPECT_EQ(FiguresOf(reading).julianDay, "2451545");
}

} // namespace
