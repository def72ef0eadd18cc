#include "engine/mod_bhava.h"
#include "planets/mod_planets.h"
#include "support/make_birth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

// The windows of measures of the ascendant, found in brackets, against the
// same measures followed minute by minute: measures whose parts repeat their
// values, whose runs of one value span several parts or most of the circle,
// and one that never changes.

namespace {

int partOf(double longitude, int parts) {
    return static_cast<int>(std::floor(longitude * parts / 360)) % parts;
}

const std::vector<AscendantMeasure> kMeasures = {
    // Every part its own value.
    {720, [](double x) { return partOf(x, 720); }},
    // Three values in turn: the value comes back every third part.
    {36, [](double x) { return partOf(x, 36) % 3; }},
    // Runs of five parts, then one of another value.
    {72, [](double x) { return partOf(x, 72) % 6 == 5 ? 1 : 0; }},
    // One value from 10° to 250°, another elsewhere: runs that wrap round 0°.
    {36, [](double x) { return x >= 10 && x < 250 ? 1 : 0; }},
    // Never changes.
    {12, [](double /*x*/) { return 7; }},
};

const BirthRecord kBirths[] = {
    MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false),
    MakeBirth(3, 10, 1990, 20, 15, 10, 0, 151, 12, true, 33, 52, true, false),
    MakeBirth(12, 21, 1975, 9, 40, 1, 0, 25, 0, true, 65, 59, false, false),
    MakeBirth(6, 21, 2000, 0, 0, 1, 0, 18, 57, true, 69, 39, false, false),
    MakeBirth(9, 23, 1950, 5, 5, 0, 0, 0, 0, false, 0, 0, false, false),
};

std::string windowsText(const std::vector<MinuteWindow>& windows) {
    std::string text;
    for (const MinuteWindow& w : windows) {
        text +=
            std::to_string(w.Earlier.value_or(0)) + "/" + std::to_string(w.Later.value_or(0)) + " ";
    }
    return text;
}

TEST(AscendantWindows, BracketsFindWhatEveryMinuteFinds) {
    for (const BirthRecord& birth : kBirths) {
        SCOPED_TRACE(testing::Message() << birth.Year << " latitude " << birth.LatD);
        const BhavaResult houses = ComputeBhava(birth);
        const auto bracketed = ascendantWindows(birth, houses, kMeasures);
        const auto everyMinute =
            ascendantWindows(birth, houses, kMeasures, MinuteSearch::EveryMinute);
        ASSERT_EQ(bracketed.size(), kMeasures.size());
        EXPECT_EQ(windowsText(bracketed), windowsText(everyMinute));
        // The finest measure, parts of half a degree, changes within four
        // minutes either way (the slowest ascendant moves 0.125° a minute);
        // the one that never changes has no window.
        EXPECT_LE(bracketed[0].Earlier.value_or(99), 4);
        EXPECT_LE(bracketed[0].Later.value_or(99), 4);
        EXPECT_FALSE(bracketed[4].Earlier || bracketed[4].Later);
    }
}

} // namespace
