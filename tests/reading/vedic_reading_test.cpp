#include "engine/mod_bhava.h"
#include "reading/reading.h"
#include "reading/reading_rows.h"
#include "support/make_birth.h"
#include "support/sample_planets.h"
#include "translation/reading_texts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstddef>

// The nakshatras, divisional charts and dasha as a reading carries them; the
// arithmetic of each is tested in tests/vedic.

namespace {

// The sign of a divisional chart's ascendant with the birth moved.
int vargaAscendant(const BirthRecord& birth, int division, int minutes) {
    return vargaSign(division, ComputeBhava(ShiftedClock(birth, minutes)).Ascendant);
}

const BirthRecord kBirths[] = {
    firstExampleBirth(),
    MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true),
    MakeBirth(3, 10, 1990, 20, 15, 10, 0, 151, 12, true, 33, 52, true, false),
    MakeBirth(12, 31, 1999, 23, 57, 0, 0, 0, 10, false, 51, 30, false, false),
};

TEST(VargaWindows, EachReportedMinuteIsTheFirstThatChangesTheSign) {
    for (const BirthRecord& birth : kBirths) {
        const Reading reading = MakeReading(birth);
        for (const VargaChart& chart : reading.vargas) {
            SCOPED_TRACE(testing::Message() << "D" << chart.Division << " of " << birth.Year);
            ASSERT_EQ(vargaAscendant(birth, chart.Division, 0), chart.Ascendant);
            for (const auto& [minutes, direction] :
                 {std::pair{chart.AscendantSignMinutesEarlier, -1},
                  std::pair{chart.AscendantSignMinutesLater, 1}}) {
                const int last = minutes ? *minutes - 1 : kMaxSensitivityMinutes;
                // Spot-check the run before the change, and the change itself.
                for (const int k : {1, last / 2, last}) {
                    if (k >= 1 && k <= last) {
                        EXPECT_EQ(vargaAscendant(birth, chart.Division, direction * k),
                                  chart.Ascendant)
                            << k;
                    }
                }
                if (minutes) {
                    EXPECT_NE(vargaAscendant(birth, chart.Division, direction * *minutes),
                              chart.Ascendant);
                }
            }
        }
        // The Rasi chart's window is the ascendant's sign window of the planets.
        if (reading.planets.Reading) {
            EXPECT_EQ(reading.vargas[0].AscendantSignMinutesEarlier,
                      reading.planets.Reading->AscendantSignMinutesEarlier);
            EXPECT_EQ(reading.vargas[0].AscendantSignMinutesLater,
                      reading.planets.Reading->AscendantSignMinutesLater);
        }
    }
}

TEST(VargaRows, WindowsAsClockTimesWithTheDateWhereItChanges) {
    // 23:57 on 31 December 1999: a later side of the finer charts falls on
    // the next day.
    const std::vector<VargaRow> rows = VargaRows(MakeReading(kBirths[3]));
    ASSERT_EQ(rows.size(), 16U);
    for (const VargaRow& row : rows) {
        SCOPED_TRACE(row.label);
        const std::string holdsTo = ClockEdgeText(row.toEdge).toStdString();
        EXPECT_EQ(WindowText(row).toStdString(), row.label + " holds from " +
                                                     ClockEdgeText(row.fromEdge).toStdString() +
                                                     " to " + holdsTo);
        if (row.later.beyondLimit()) {
            EXPECT_EQ(holdsTo, "after 03:57 on 1 January 2000");
        } else if (*row.later.minutes - 1 <= 2) {
            EXPECT_EQ(holdsTo.find(" on "), std::string::npos);
        } else {
            EXPECT_NE(holdsTo.find(" on 1 January 2000"), std::string::npos);
        }
    }
    EXPECT_EQ(rows[5].label, "D9");
    EXPECT_EQ(rows[5].name, "Navamsa");
}

TEST(Dasha, DatesMoveByTheirDaysPerBirthMinute) {
    for (const BirthRecord& birth : kBirths) {
        const Reading reading = MakeReading(birth);
        ASSERT_TRUE(reading.dasha) << reading.planets.Error;
        const Reading later = MakeReading(ShiftedClock(birth, 1));
        ASSERT_TRUE(later.dasha);
        if (later.dasha->Moon.Number != reading.dasha->Moon.Number) {
            continue; // the Moon left its nakshatra
        }
        const double moved =
            later.dasha->Maha[3].Period.Start - reading.dasha->Maha[3].Period.Start;
        EXPECT_NEAR(moved, reading.dasha->DaysPerBirthMinute, 0.01) << birth.Year;
        EXPECT_LT(reading.dasha->DaysPerBirthMinute, 0);
    }
}

TEST(Dasha, TheTableStartsWithThePeriodRunningAtBirth) {
    Reading reading = MakeReading(firstExampleBirth());
    const std::optional<DashaTable> table = DashaTableOf(reading);
    ASSERT_TRUE(table);
    ASSERT_EQ(table->maha.size(), 9U);
    EXPECT_TRUE(table->maha[0].period.runningAtBirth);
    EXPECT_EQ(table->maha[0].period.lord, table->lordAtBirth);
    EXPECT_EQ(table->maha[0].antar[0].lord, table->lordAtBirth);
    for (std::size_t m = 1; m < 9; ++m) {
        EXPECT_EQ(table->maha[m].period.start, table->maha[m - 1].period.end);
        EXPECT_FALSE(table->maha[m].period.runningAtBirth);
    }
    EXPECT_EQ(table->maha[0].period.start.substr(16), "+05:30");
    EXPECT_EQ(PratyantarRows(reading, 0, 0).size(), 9U);
    EXPECT_NE(DashaSensitivityText(*table).toStdString().find(std::string("stays in ") +
                                                              reading.dasha->Moon.Name),
              std::string::npos);

    // Without the ephemeris there is no Moon, so no dasha, and no body signs.
    reading.planets = {std::nullopt, "missing"};
    reading.dasha.reset();
    EXPECT_FALSE(DashaTableOf(reading));
}

TEST(PlanetRows, CarryTheNakshatraOfEachBodyAndTheAscendant) {
    const Reading reading = MakeReading(firstExampleBirth());
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    ASSERT_EQ(rows.size(), 10U);
    for (const PlanetRow& row : rows) {
        const NakshatraPlace place = nakshatraOf(row.longitude);
        EXPECT_EQ(row.nakshatra, place.Name) << row.name;
        EXPECT_EQ(row.pada, place.Pada) << row.name;
        EXPECT_EQ(row.nakshatraLord, place.LordName) << row.name;
    }
}

TEST(VargaRows, OnlyRasiAndNavamsaMarkACloseWindow) {
    const std::vector<VargaRow> rows = VargaRows(MakeReading(firstExampleBirth()));
    const std::vector<std::string> titles = VargaTitles();
    ASSERT_EQ(titles.size(), rows.size());
    for (std::size_t v = 0; v < rows.size(); ++v) {
        EXPECT_EQ(rows[v].title, titles[v]);
        EXPECT_EQ(rows[v].marksClose, rows[v].division == 1 || rows[v].division == 9)
            << rows[v].label;
        ASSERT_EQ(rows[v].bodySigns.size(), 9U);
        EXPECT_EQ(rows[v].bodyAbbreviations[1], rows[v].bodySigns[1].substr(0, 3));
    }
    EXPECT_EQ(titles[5], "D9 Navamsa");
}

// Another year changes only the dasha, and gives the dasha of a reading made
// with that year.
TEST(Dasha, AnotherYearRecomputesTheDashaAlone) {
    const BirthRecord birth = firstExampleBirth();
    Reading reading = MakeReading(birth);
    const Reading julian = MakeReading(birth, {{}, true, DashaYear::Julian});
    SetDashaYear(reading, DashaYear::Julian);
    ASSERT_TRUE(reading.dasha && julian.dasha);
    EXPECT_EQ(reading.dasha->Year, DashaYear::Julian);
    EXPECT_EQ(reading.dasha->Maha[4].Period.End, julian.dasha->Maha[4].Period.End);
    EXPECT_EQ(DashaTableOf(reading)->balanceText, DashaTableOf(julian)->balanceText);
    EXPECT_EQ(reading.vargas[5].AscendantSignMinutesLater,
              julian.vargas[5].AscendantSignMinutesLater);

    SetDashaYear(reading, DashaYear::Savana);
    EXPECT_LT(reading.dasha->Maha[4].Period.End, julian.dasha->Maha[4].Period.End);
}

// Every period lasts days, so each Antar period's first day is its own and
// begins its first Pratyantar period; the last end date is beyond the table.
TEST(Dasha, ThePathOfADayFindsThePeriodsRunningOnIt) {
    const Reading reading = MakeReading(firstExampleBirth());
    const DashaTable table = *DashaTableOf(reading);
    for (std::size_t m = 0; m < 9; ++m) {
        for (std::size_t a = 0; a < 9; ++a) {
            const DashaPath path = DashaPathOn(reading, table, table.maha[m].antar[a].startDate);
            EXPECT_EQ(path.maha, m);
            EXPECT_EQ(path.antar, a) << m;
            EXPECT_EQ(path.pratyantar, 0U) << m << " " << a;
        }
    }
    EXPECT_FALSE(DashaPathOn(reading, table, "1000-01-01").maha);
    EXPECT_FALSE(DashaPathOn(reading, table, table.maha[8].period.endDate).maha);
}

} // namespace
