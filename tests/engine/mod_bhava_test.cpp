#include "engine/mod_bhava.h"
#include "support/make_birth.h"
#include "support/worked_examples.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace {

// ---------------------------------------------------------------- JulianDay

struct JulianDayCase {
    int month, day, year;
    double expected;
};

TEST(JulianDay, KnownDates) {
    const std::vector<JulianDayCase> cases = {
        {1, 1, 2000, 2451545},
        {1, 1, 1900, 2415021},
        {1, 1, 1901, 2415386},
        {12, 31, 2050, 2470172},
        {2, 29, 2000, 2451604},
        {3, 1, 2000, 2451605},
        {10, 4, 1582, 2299160},
        {10, 15, 1582, 2299171},
        {10, 16, 1582, 2299162},
        // No check that the day exists: 30 February counts on into March.
        {2, 30, 2001, 2451971},
        {3, 2, 2001, 2451971},
        // The first day of the count, in the Julian calendar.
        {1, 1, -4712, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JulianDay(static_cast<std::int16_t>(c.month), static_cast<std::int16_t>(c.day),
                            static_cast<std::int16_t>(c.year)),
                  c.expected)
            << c.year << "-" << c.month << "-" << c.day;
    }
}

TEST(JulianDay, IsIntegralAndFiniteOverThe16BitRange) {
    for (int year = -32768; year <= 32767; year += 1111) {
        for (int month : {-32768, -1, 0, 1, 12, 13, 32767}) {
            const double j =
                JulianDay(static_cast<std::int16_t>(month), 32767, static_cast<std::int16_t>(year));
            ASSERT_TRUE(std::isfinite(j));
            ASSERT_EQ(j, std::floor(j)) << year << " " << month;
        }
    }
}

// ------------------------------------------------------------------ ArcTan2

TEST(ArcTan2, QuadrantRules) {
    struct Case {
        double y, x, expected;
    };
    const std::vector<Case> cases = {
        {1, 0, PI / 2},
        {-1, 0, -PI / 2},
        {0, 0, 0},
        {0, -1, 0}, // not PI: sgn(0) is 0
        {1, -1, 3 * PI / 4},
        {-1, -1, -3 * PI / 4},
        {1, 1, std::atan(1.0)},
        {-1, 1, -std::atan(1.0)},
        {0, 1, 0},
        {5, 0, PI / 2},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(ArcTan2(c.y, c.x), c.expected) << "(" << c.y << ", " << c.x << ")";
    }
}

TEST(ArcTan2, UsesTheModulesPiNotTheExactOne) {
    // PI is a little below the closest double to pi; x < 0 gives PI - atn.
    EXPECT_EQ(ArcTan2(1, -1), 1.0 * (PI - std::atan(1.0)));
    EXPECT_EQ(ArcTan2(1, 0), PI / 2);
}

TEST(ArcTan2, NeverFailsOnExtremeInput) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_DOUBLE_EQ(ArcTan2(1, 1e-310), std::atan(inf));
    EXPECT_TRUE(std::isnan(ArcTan2(nan, 1)));
    EXPECT_TRUE(std::isnan(ArcTan2(1, nan)));
    EXPECT_DOUBLE_EQ(ArcTan2(inf, -1), PI - std::atan(inf));
}

// ------------------------------------------------------------- Normalize360

TEST(Normalize360, OneStepEachWayAndStoresTheResult) {
    struct Case {
        double in, out;
    };
    const std::vector<Case> cases = {
        {-10, 350}, {370, 10}, {360, 360}, {725, 365}, {0, 0}, {-360, 0}, {-400, -40}, {720, 360},
    };
    for (const auto& c : cases) {
        double a = c.in;
        EXPECT_EQ(Normalize360(a), c.out) << c.in;
        EXPECT_EQ(a, c.out) << c.in;
    }
}

// ------------------------------------------------------- ZodiacText, AngleText

struct TextCase {
    double in;
    const char* text;
};

TEST(ZodiacText, Positions) {
    const std::vector<TextCase> cases = {
        {0, "0° 0' 0\" Ari"},
        {30, "0° 0' 0\" Tau"},
        {29.9999, "29° 59' 59\" Ari"},
        {359.99, "29° 59' 24\" Pis"},
        {123.456789, "3° 27' 24\" Leo"},
        // The sign index goes round the circle again from 360 on.
        {360, "0° 0' 0\" Ari"},
        {365.5, "5° 30' 0\" Ari"},
        {426.25, "6° 15' 0\" Gem"},
        {725, "5° 0' 0\" Ari"},
        // The magnitude is shown.
        {-123.456789, "3° 27' 24\" Leo"},
    };
    for (const auto& c : cases) {
        double a = c.in;
        EXPECT_EQ(ZodiacText(a), c.text) << c.in;
        EXPECT_EQ(a, std::fabs(c.in)) << c.in;
    }
}

TEST(AngleText, SignedAngles) {
    const std::vector<TextCase> cases = {
        {5.25, "5° 15' 0\""},  {-22.4615, "-22° 27' 41\""}, {-23.8612, "-23° 51' 40\""},
        {-0.5, "-0° 30' 0\""}, {-0.0001, "-0° 0' 0\""},     {0, "0° 0' 0\""},
        {-0.0, "0° 0' 0\""},   {-1, "-1° 0' 0\""},
    };
    for (const auto& c : cases) {
        double a = c.in;
        EXPECT_EQ(AngleText(a), c.text) << c.in;
        EXPECT_EQ(a, std::fabs(c.in)) << c.in;
    }
}

TEST(AngleTexts, StayDefinedForValuesNoReadingProduces) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (double v : {inf, -inf, nan, 1e300, -1e300, 5e9, 1e18}) {
        double a = v;
        const std::string zodiac = ZodiacText(a);
        a = v;
        const std::string angle = AngleText(a);
        EXPECT_FALSE(zodiac.empty());
        EXPECT_FALSE(angle.empty());
    }
    // Far beyond the circle: the degree within the sign and the sign index
    // still come out of whole signs taken off.
    double big = 1e12 + 45;
    EXPECT_EQ(ZodiacText(big), "25° 0' 0\" Aqu");
    double huge = 5e9;
    EXPECT_EQ(AngleText(huge), "5000000000° 0' 0\"");
}

// ---------------------------------------------------------------- Ayanamsa

TEST(Ayanamsa, PublishedFigures) {
    EXPECT_NEAR(Ayanamsa(0), -22.4663, 5e-5);
    EXPECT_NEAR(Ayanamsa(1), -23.8540, 5e-5);
}

TEST(Ayanamsa, EndsForAnyArgument) {
    EXPECT_TRUE(std::isfinite(Ayanamsa(-400)));
    EXPECT_TRUE(std::isnan(Ayanamsa(std::numeric_limits<double>::infinity())));
}

// ------------------------------------------------------------- ComputeBhava

struct WorkedExample {
    const char* name;
    BirthRecord birth;
    const WorkedExampleFigures& figures;
};

const std::vector<WorkedExample>& workedExamples() {
    static const std::vector<WorkedExample> examples = {
        {"Delhi 2000", MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false),
         kDelhi2000Figures},
        {"New York 1985, DST",
         MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true),
         kNewYork1985Figures},
    };
    return examples;
}

TEST(ComputeBhava, WorkedExamples) {
    for (const auto& ex : workedExamples()) {
        SCOPED_TRACE(ex.name);
        const BhavaResult r = ComputeBhava(ex.birth);
        const WorkedExampleFigures& f = ex.figures;
        EXPECT_EQ(std::to_string(static_cast<long>(r.JulianDayValue)), f.julianDay);
        EXPECT_EQ(r.JulianDayValue, std::floor(r.JulianDayValue));
        EXPECT_EQ(r.AyanamsaText, f.ayanamsa);
        EXPECT_EQ(r.AscendantText, f.ascendant);
        EXPECT_EQ(r.MidheavenText, f.midheaven);
        for (int i = 0; i < 12; ++i) {
            EXPECT_EQ(r.BhavaMadhyaText[i], f.madhya[i]) << "Bhava Madhya of house " << i + 1;
            EXPECT_EQ(r.BhavaSandhiText[i], f.sandhi[i]) << "Bhava Sandhi of house " << i + 1;
        }
    }
}

TEST(ComputeBhava, FirstWorkedExampleValues) {
    const BhavaResult r = ComputeBhava(workedExamples()[0].birth);
    EXPECT_NEAR(r.AyanamsaValue, -23.85398, 5e-6);
    // The texts are made from copies: the value keeps its sign.
    EXPECT_LT(r.AyanamsaValue, 0);
    EXPECT_NEAR(r.Ascendant, 343 + 10.0 / 60 + 47.5 / 3600, 1.0 / 7200);
    EXPECT_NEAR(r.Midheaven, 250 + 40.0 / 60 + 32.5 / 3600, 1.0 / 7200);
    EXPECT_NEAR(r.CuspPoints[18], r.Midheaven, 1e-9);
    EXPECT_NEAR(r.CuspPoints[24], r.Ascendant, 1e-9);
}

TEST(ComputeBhava, ThirdWorkedExampleEastAndSouth) {
    const BhavaResult r =
        ComputeBhava(MakeBirth(3, 10, 1990, 20, 15, 10, 0, 151, 12, true, 33, 52, true, false));
    const WorkedExampleFigures& f = kSydney1990Figures;
    EXPECT_EQ(r.JulianDayValue, 2447961);
    EXPECT_EQ(r.AyanamsaText, f.ayanamsa);
    EXPECT_EQ(r.AscendantText, f.ascendant);
    EXPECT_EQ(r.MidheavenText, f.midheaven);
    EXPECT_EQ(r.BhavaMadhyaText[1], f.madhya[1]);
    EXPECT_EQ(r.BhavaSandhiText[11], f.sandhi[11]);
}

// A position within a sign: degrees 0 to 29, minutes, seconds and a sign.
bool hasSignName(const std::string& text) {
    static const std::regex position("([0-9]|[12][0-9])\xC2\xB0 [0-9]+' [0-9]+\" "
                                     "(Ari|Tau|Gem|Can|Leo|Vir|Lib|Sco|Sag|Cap|Aqu|Pis)");
    return std::regex_match(text, position);
}

TEST(ComputeBhava, HighSouthernLatitudeShowsASignOnEveryHouse) {
    // 66°43' S: the run from the descendant goes past 720, which one step of
    // Normalize360 leaves above 360.
    const BhavaResult r =
        ComputeBhava(MakeBirth(7, 13, 2005, 5, 15, 6, 30, 178, 7, true, 66, 43, true, false));
    bool someAbove360 = false;
    for (double p : r.CuspPoints) {
        someAbove360 = someAbove360 || p >= 360;
    }
    EXPECT_TRUE(someAbove360) << "the case no longer reaches the positions beyond 360";
    for (int i = 0; i < 12; ++i) {
        EXPECT_TRUE(hasSignName(r.BhavaMadhyaText[i])) << i + 1 << ": " << r.BhavaMadhyaText[i];
        EXPECT_TRUE(hasSignName(r.BhavaSandhiText[i])) << i + 1 << ": " << r.BhavaSandhiText[i];
    }
    EXPECT_TRUE(hasSignName(r.AscendantText));
    EXPECT_TRUE(hasSignName(r.MidheavenText));
}

// The same instant and place must give the same reading.
void expectSameReading(const BhavaResult& a, const BhavaResult& b) {
    EXPECT_EQ(a.AyanamsaValue, b.AyanamsaValue);
    EXPECT_EQ(a.Ascendant, b.Ascendant);
    EXPECT_EQ(a.Midheaven, b.Midheaven);
    EXPECT_EQ(a.BhavaMadhyaText, b.BhavaMadhyaText);
    EXPECT_EQ(a.BhavaSandhiText, b.BhavaSandhiText);
}

TEST(ComputeBhava, ZoneAndDaylightSavingRules) {
    // At longitude 0 daylight saving takes an hour off: UT = Time - 1, the
    // same as a birth an hour earlier without it.
    expectSameReading(
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 0, 0, 0, 0, true, 51, 30, false, true)),
        ComputeBhava(MakeBirth(5, 1, 1990, 9, 0, 0, 0, 0, 0, false, 51, 30, false, false)));
    // Longitude 0 follows the western rules whichever hemisphere is chosen.
    expectSameReading(
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 2, 0, 0, 0, true, 51, 30, false, true)),
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 2, 0, 0, 0, false, 51, 30, false, true)));
    // East: daylight saving adds an hour to the zone.
    expectSameReading(
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 5, 30, 77, 12, true, 28, 36, false, true)),
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 6, 30, 77, 12, true, 28, 36, false, false)));
    // West: daylight saving takes an hour off the zone.
    expectSameReading(
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 5, 0, 74, 0, false, 40, 43, false, true)),
        ComputeBhava(MakeBirth(5, 1, 1990, 10, 0, 4, 0, 74, 0, false, 40, 43, false, false)));
}

// The offset the engine uses, and the reading it gives: the same as the
// reading of that instant told in universal time. A direction given with the
// zone wins over the longitude's hemisphere.
TEST(ComputeBhava, TheZonesDirectionAndOffset) {
    struct Case {
        const char* what;
        BirthRecord birth;
        std::optional<bool> ahead;
        int offsetMinutes;
        int utHour;
        int utMinute;
    };
    const Case cases[] = {
        {"Delhi, from the longitude",
         MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false), std::nullopt, 330,
         6, 30},
        {"Delhi, ahead", MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false),
         true, 330, 6, 30},
        {"New York with daylight saving, from the longitude",
         MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true), std::nullopt, -240,
         10, 30},
        {"New York with daylight saving, behind",
         MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true), false, -240, 10,
         30},
        {"Madrid in summer: West of Greenwich, ahead",
         MakeBirth(7, 15, 1990, 12, 0, 1, 0, 3, 42, false, 40, 25, false, true), true, 120, 10, 0},
        {"Apia in summer: West of the date line's bend, ahead",
         MakeBirth(12, 15, 2012, 23, 0, 13, 0, 171, 46, false, 13, 50, true, true), true, 840, 9,
         0},
        {"East of Greenwich, behind",
         MakeBirth(3, 1, 2001, 12, 0, 5, 0, 10, 0, true, 50, 0, false, false), false, -300, 17, 0},
        {"Longitude 0 with daylight saving",
         MakeBirth(5, 1, 1990, 10, 0, 0, 0, 0, 0, true, 51, 30, false, true), std::nullopt, 60, 9,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BirthRecord b = c.birth;
        b.ZoneAhead = c.ahead;
        EXPECT_EQ(ZoneOffsetMinutes(b), c.offsetMinutes);
        BirthRecord atUt = c.birth;
        atUt.Hour = static_cast<std::int16_t>(c.utHour);
        atUt.Minute = static_cast<std::int16_t>(c.utMinute);
        atUt.ZoneHour = 0;
        atUt.ZoneMinute = 0;
        atUt.DST = false;
        expectSameReading(ComputeBhava(b), ComputeBhava(atUt));
    }
}

TEST(ComputeBhava, UniversalTimeBelowZeroFallsOnThePreviousDay) {
    // 00:30 at zone 5 h 30 East is UT -5.0 on the 2nd: the instant of 19:00 on
    // the 1st at Greenwich time, while the Julian day stays the civil date's.
    const BhavaResult early =
        ComputeBhava(MakeBirth(1, 2, 2000, 0, 30, 5, 30, 77, 12, true, 28, 36, false, false));
    const BhavaResult sameInstant =
        ComputeBhava(MakeBirth(1, 1, 2000, 19, 0, 0, 0, 0, 0, false, 28, 36, false, false));
    EXPECT_EQ(early.JulianDayValue, 2451546);
    EXPECT_EQ(sameInstant.JulianDayValue, 2451545);
    EXPECT_NEAR(early.AyanamsaValue, sameInstant.AyanamsaValue, 1e-12);
}

TEST(ComputeBhava, ReusingAResultGivesTheSameTexts) {
    BhavaResult reused;
    for (const auto& ex : workedExamples()) {
        ComputeBhava(ex.birth, reused);
        const BhavaResult fresh = ComputeBhava(ex.birth);
        expectSameReading(reused, fresh);
        EXPECT_EQ(reused.AyanamsaText, fresh.AyanamsaText);
        EXPECT_EQ(reused.AscendantText, fresh.AscendantText);
        EXPECT_EQ(reused.MidheavenText, fresh.MidheavenText);
    }
}

TEST(ComputeBhava, NeverFailsForAny16BitInput) {
    const std::array<int, 9> values = {-32768, -32767, -1, 0, 1, 59, 90, 360, 32767};
    std::size_t checked = 0;
    BhavaResult r;
    for (int a : values) {
        for (int b : values) {
            for (bool flag : {false, true}) {
                BirthRecord rec = MakeBirth(a, b, a, b, a, b, a, a, b, flag, b, a, !flag, flag);
                ComputeBhava(rec, r);
                for (const auto& t : r.BhavaMadhyaText) {
                    ASSERT_FALSE(t.empty());
                }
                ASSERT_FALSE(r.AyanamsaText.empty());
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, values.size() * values.size() * 2);
}

} // namespace
