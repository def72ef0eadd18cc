#include "reading/reading.h"
#include "support/make_birth.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// The birth-time windows found in brackets are the very minutes the search
// finds minute by minute with each body fitted to three positions of the
// ephemeris: the windows of every body, of the ascendant's sign and of every
// divisional chart.

namespace {

std::string windowsOf(const Reading& r) {
    std::ostringstream out;
    const auto write = [&out](const std::optional<int>& earlier, const std::optional<int>& later) {
        out << earlier.value_or(0) << '/' << later.value_or(0) << ' ';
    };
    for (const VargaChart& chart : r.vargas) {
        write(chart.AscendantSignMinutesEarlier, chart.AscendantSignMinutesLater);
    }
    if (r.planets.Reading) {
        const PlanetsReading& p = *r.planets.Reading;
        write(p.AscendantSignMinutesEarlier, p.AscendantSignMinutesLater);
        for (const PlanetPlacement& body : p.Planets) {
            write(body.MinutesEarlier, body.MinutesLater);
        }
    }
    return out.str();
}

std::vector<BirthRecord> births() {
    std::vector<BirthRecord> all = {
        // The worked examples of the sensitivity.
        MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false),
        MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true),
        MakeBirth(3, 10, 1990, 20, 15, 10, 0, 151, 12, true, 33, 52, true, false),
        // Overlapping houses near the pole; either side of the latitude up to
        // which the brackets are used; the equator; a change of year.
        MakeBirth(6, 21, 2000, 0, 0, 1, 0, 18, 57, true, 69, 39, false, false),
        MakeBirth(12, 21, 1975, 9, 40, 1, 0, 25, 0, true, 66, 0, false, false),
        MakeBirth(12, 21, 1975, 9, 40, 1, 0, 25, 0, true, 66, 1, true, false),
        MakeBirth(3, 21, 2024, 6, 0, 0, 0, 0, 0, false, 0, 0, false, false),
        MakeBirth(12, 31, 1999, 23, 57, 0, 0, 0, 10, false, 51, 30, false, false),
    };
    std::mt19937 random(24);
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59), lonD(0, 179), latD(0, 70), flag(0, 1), zone(0, 12);
    for (int n = 0; n < 2000; ++n) {
        all.push_back(MakeBirth(month(random), day(random), year(random), hour(random),
                                minute(random), zone(random), 0, lonD(random), minute(random),
                                flag(random) == 1, latD(random), minute(random), flag(random) == 1,
                                flag(random) == 1));
    }
    return all;
}

TEST(MinuteSearch, BracketsFindTheMinutesOfTheMinuteByMinuteSearch) {
    ReadingOptions everyMinute;
    everyMinute.search = MinuteSearch::EveryMinute;
    for (const BirthRecord& b : births()) {
        const Reading bracketed = MakeReading(b);
        ASSERT_TRUE(bracketed.planets.Reading) << bracketed.planets.Error;
        ASSERT_EQ(windowsOf(bracketed), windowsOf(MakeReading(b, everyMinute)))
            << b.Year << "-" << b.Month << "-" << b.Day << " " << b.Hour << ":" << b.Minute
            << " latitude " << b.LatD << "°" << b.LatM << (b.LatSouth ? " S" : " N");
    }
}

} // namespace
