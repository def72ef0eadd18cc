#include "engine/circle.h"
#include "vedic/nakshatra.h"
#include "vedic/varga.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

namespace {

const double kJustBelowTaurus = std::nextafter(30.0, 0.0);

struct NakshatraCase {
    double longitude;
    int number;
    int pada;
    const char* name;
    const char* lord;
};

TEST(Nakshatra, NumberPadaAndLordAtTheBoundaries) {
    const NakshatraCase cases[] = {
        {0, 1, 1, "Ashwini", "Ketu"},
        {10.0 / 3, 1, 2, "Ashwini", "Ketu"},
        {40.0 / 3 - 1e-9, 1, 4, "Ashwini", "Ketu"},
        {40.0 / 3, 2, 1, "Bharani", "Venus"},
        {kJustBelowTaurus, 3, 1, "Krittika", "Sun"},
        {189, 15, 1, "Swati", "Rahu"},
        {240, 19, 1, "Mula", "Ketu"},
        {359.999, 27, 4, "Revati", "Mercury"},
        {-0.001, 27, 4, "Revati", "Mercury"},
        {360, 1, 1, "Ashwini", "Ketu"},
        {720.5, 1, 1, "Ashwini", "Ketu"},
    };
    for (const auto& c : cases) {
        const NakshatraPlace place = nakshatraOf(c.longitude);
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(place.Number, c.number);
        EXPECT_EQ(place.Pada, c.pada);
        EXPECT_STREQ(place.Name, c.name);
        EXPECT_STREQ(place.LordName, c.lord);
        EXPECT_GE(place.Fraction, 0);
        EXPECT_LT(place.Fraction, 1);
    }
    EXPECT_DOUBLE_EQ(nakshatraOf(20).Fraction, 0.5); // the middle of Bharani
}

// Sixteen signs in the order of kVargas, worked out from the rules by hand.
struct VargaCase {
    double longitude;
    std::array<int, 16> signs;
};

TEST(Varga, EachRuleAtTheEdgesOfItsParts) {
    const VargaCase cases[] = {
        // Aries 0°: odd, movable, fire; every first part.
        {0, {1, 5, 1, 1, 1, 1, 1, 1, 1, 1, 5, 1, 1, 1, 1, 1}},
        // Taurus 0°: even, fixed, earth.
        {30, {2, 4, 2, 2, 8, 10, 10, 2, 5, 9, 4, 4, 2, 7, 5, 2}},
        // Leo 15°: odd, fixed, fire; the start of a part in most divisions.
        {135, {5, 4, 9, 11, 8, 5, 10, 11, 1, 7, 5, 2, 9, 9, 3, 11}},
        // Pisces 29.9°: even, dual, water; every last part.
        {359.9, {12, 5, 8, 9, 12, 12, 5, 11, 12, 12, 3, 12, 8, 10, 5, 11}},
        // A hair below Taurus is still Aries in every chart: its last parts.
        {kJustBelowTaurus, {1, 4, 9, 10, 7, 9, 10, 12, 4, 8, 4, 3, 7, 4, 9, 12}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.longitude);
        EXPECT_EQ(vargaSigns(c.longitude), c.signs);
    }
    EXPECT_EQ(vargaSign(5, 100), 0); // not one of the sixteen
}

TEST(Varga, TrimsamsaPartsOfOddAndEvenSigns) {
    // Degrees within the sign where each part begins, and its sign.
    const std::array<std::array<int, 2>, 5> odd = {{{0, 1}, {5, 11}, {10, 9}, {18, 3}, {25, 7}}};
    const std::array<std::array<int, 2>, 5> even = {{{0, 2}, {5, 6}, {12, 12}, {20, 10}, {25, 8}}};
    for (std::size_t i = 0; i < odd.size(); ++i) {
        const auto [degree, sign] = odd[i];
        const auto [evenDegree, evenSign] = even[i];
        EXPECT_EQ(vargaSign(30, 60 + degree), sign) << "Gemini " << degree;
        EXPECT_EQ(vargaSign(30, 90 + evenDegree), evenSign) << "Cancer " << evenDegree;
        if (i > 0) { // a hair before a part is still the part before
            EXPECT_EQ(vargaSign(30, 60 + degree - 1e-7), odd[i - 1][1]);
            EXPECT_EQ(vargaSign(30, 90 + evenDegree - 1e-7), even[i - 1][1]);
        }
    }
}

TEST(Varga, RasiIsTheSignAndNavamsaThePadaAcrossTheCircle) {
    // Every tenth of a degree, and a rounding error either side of each
    // boundary of the 108 padas.
    for (int i = 0; i < 3600; ++i) {
        const double base = i / 10.0;
        for (const double x : {base, std::nextafter(base, -1.0), std::nextafter(base, 400.0)}) {
            const NakshatraPlace place = nakshatraOf(x);
            const int pada = (place.Number - 1) * 4 + place.Pada - 1;
            ASSERT_EQ(vargaSign(1, x), SignOf(x)) << x;
            ASSERT_EQ(vargaSign(9, x), pada % 12 + 1) << x;
            ASSERT_EQ(pada / 9 + 1, SignOf(x)) << x;
        }
    }
}

} // namespace
