#include "engine/circle.h"
#include "engine/mod_bhava.h"
#include "planets/ephemeris.h"
#include "planets/mod_planets.h"
#include "planets/position_track.h"
#include "planets/speed_track.h"
#include "support/make_birth.h"
#include "support/worked_examples.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <swephexp.h>
#include <vector>

namespace {

const BirthRecord kDelhi2000 =
    MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false);
const BirthRecord kNewYork1985 =
    MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true);
const BirthRecord kSydney1990 =
    MakeBirth(3, 10, 1990, 20, 15, 10, 0, 151, 12, true, 33, 52, true, false);
// Tromsø on the night of the solstice: the ascendant lies beyond the
// midheaven and the house spans overlap.
const BirthRecord kTromso2000 =
    MakeBirth(6, 21, 2000, 0, 0, 1, 0, 18, 57, true, 69, 39, false, false);

// The birth as if the clock had read minutes later (earlier when negative),
// written as a person would type it: the date moves at midnight.

PlanetsReading placementsOf(const BirthRecord& b) {
    const PlanetsOutcome outcome = computePlacements(b, ComputeBhava(b));
    EXPECT_TRUE(outcome.Reading) << outcome.Error;
    return outcome.Reading.value_or(PlanetsReading{});
}

PlanetsReading planetsOf(const BirthRecord& b) {
    const PlanetsOutcome outcome = computePlanets(b, ComputeBhava(b));
    EXPECT_TRUE(outcome.Reading) << outcome.Error;
    return outcome.Reading.value_or(PlanetsReading{});
}

double degrees(int d, int m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

// Ecliptic longitude of date from apparent right ascension and declination.
double eclipticLongitude(double raHours, double decDegrees, double obliquity) {
    const double a = raHours * 15 * DegToRad;
    const double d = decDegrees * DegToRad;
    const double e = obliquity * DegToRad;
    const double l =
        RadToDeg * std::atan2(std::sin(a) * std::cos(e) + std::tan(d) * std::sin(e), std::cos(a));
    return l < 0 ? l + 360 : l;
}

// The true obliquity of date at a Julian day of terrestrial time.
double trueObliquity(double julianDayTT) {
    double values[6] = {};
    char message[AS_MAXCH] = {};
    swe_calc(julianDayTT, SE_ECL_NUT, 0, values, message);
    return values[0];
}

// The Julian day in universal time of midnight terrestrial time on a date.
double universalDayOfTT(int year, int month, int day) {
    const double tt = JulianDay(static_cast<std::int16_t>(month), static_cast<std::int16_t>(day),
                                static_cast<std::int16_t>(year)) -
                      0.5;
    char message[AS_MAXCH] = {};
    return tt - swe_deltat_ex(tt, SEFLG_SWIEPH, message);
}

double arcSecondsApart(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return 3600 * std::min(d, 360 - d);
}

// ------------------------------------------------------------- ephemeris

TEST(Ephemeris, AgreesWithPublishedPositions) {
    struct Case {
        const char* what;
        Body body;
        int year, month, day; // at 0h terrestrial time
        double longitude;     // apparent, of date, degrees
        double toleranceArcSeconds;
    };
    const double eps2002a = trueObliquity(JulianDay(1, 1, 2002) - 0.5);
    const double eps2002b = trueObliquity(JulianDay(1, 2, 2002) - 0.5);
    const double eps2001 = trueObliquity(JulianDay(1, 1, 2001) - 0.5);
    const std::vector<Case> cases = {
        // The Astronomical Almanac for the Year 2013: the Sun's geometric
        // longitude of date (C12) with the nutation in longitude (B61) and the
        // aberration for its distance.
        {"Sun 2013-06-17", Body::Sun, 2013, 6, 17,
         degrees(85, 58, 57.46 + 12.0489 - 20.496 / 1.0159149), 0.1},
        // The Astronomical Almanac for the Year 1992, in the same way (C16, B30).
        {"Sun 1992-10-13", Body::Sun, 1992, 10, 13,
         degrees(199, 54, 26.17 + 15.908 - 20.496 / 0.9976085), 0.1},
        // Twelve Year Planetary Ephemeris: 1995 - 2006: apparent right
        // ascension and declination, to 0.1 s and 0.1".
        {"Moon 2002-01-01", Body::Moon, 2002, 1, 1,
         eclipticLongitude(degrees(8, 16, 7.1), degrees(22, 47, 6.2), eps2002a), 1.5},
        {"Moon 2002-01-02", Body::Moon, 2002, 1, 2,
         eclipticLongitude(degrees(9, 17, 27.4), degrees(19, 54, 30.1), eps2002b), 1.5},
        {"Venus 2001-01-01", Body::Venus, 2001, 1, 1,
         eclipticLongitude(degrees(21, 58, 51.2), -degrees(13, 56, 51.5), eps2001), 1.5},
    };
    for (const auto& c : cases) {
        std::string error;
        const auto position =
            bodyPosition(c.body, universalDayOfTT(c.year, c.month, c.day), false, error);
        ASSERT_TRUE(position) << error;
        EXPECT_LT(arcSecondsApart(position->Longitude, c.longitude), c.toleranceArcSeconds)
            << c.what;
    }
}

TEST(Ephemeris, MissingFilesAreReportedNotReplaced) {
    if (const char* variable = std::getenv("SE_EPHE_PATH"); variable != nullptr && *variable) {
        GTEST_SKIP() << "SE_EPHE_PATH comes before the folder the test sets";
    }
    const std::string folder = ephemerisFolder();
    const auto empty = std::filesystem::temp_directory_path() /
                       ("kelvaro-no-ephemeris-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directory(empty);
    // Unset, and too long for the library to take it: the folder it searched
    // is the one handed to it, and the message names that one.
    for (const std::string& variable : {std::string(), "/nowhere/" + std::string(240, 'x')}) {
        if (variable.empty()) {
            unsetenv("SE_EPHE_PATH");
        } else {
            setenv("SE_EPHE_PATH", variable.c_str(), 1);
        }
        setEphemerisFolder(empty.string());
        const PlanetsOutcome outcome = computePlanets(kDelhi2000, ComputeBhava(kDelhi2000));
        unsetenv("SE_EPHE_PATH");
        setEphemerisFolder(folder);

        EXPECT_FALSE(outcome.Reading) << variable.size();
        EXPECT_NE(outcome.Error.find("not found in " + empty.string() + "."), std::string::npos)
            << outcome.Error;
        EXPECT_NE(outcome.Error.find("swe-basic-data"), std::string::npos) << outcome.Error;
        // With the folder back the same reading is computed.
        EXPECT_TRUE(computePlanets(kDelhi2000, ComputeBhava(kDelhi2000)).Reading);
    }
    std::filesystem::remove(empty);
}

// Both tracks of a body near a birth, against the ephemeris near the Sun
// (where the planets' light bends), near stations and anywhere: the cubic
// through three positions within the search's tolerance of a ten-thousandth
// of a degree beyond its uncertainty, the straight line from one position
// and its speed within its uncertainty.
TEST(Tracks, FollowTheEphemerisForFourHoursEitherWay) {
    std::mt19937 random(13);
    std::uniform_real_distribution<double> day(JulianDay(1, 1, 1901), JulianDay(12, 31, 2050));
    for (int n = 0; n < 300; ++n) {
        const double birthDay = day(random);
        for (const Body body : {Body::Sun, Body::Moon, Body::Mars, Body::Mercury, Body::Jupiter,
                                Body::Venus, Body::Saturn, Body::MeanNode}) {
            std::string error;
            const auto at = bodyPosition(body, birthDay, true, error);
            ASSERT_TRUE(at) << error;
            const auto cubic = PositionTrack::around(body, birthDay, *at, error);
            ASSERT_TRUE(cubic) << error;
            const SpeedTrack line(body, *at);
            for (const int minutes : {-240, -203, -61, -1, 1, 15, 134, 240}) {
                SCOPED_TRACE(testing::Message() << "body " << static_cast<int>(body) << " at "
                                                << birthDay << " + " << minutes);
                const double days = minutes / 1440.0;
                const auto exact = bodyPosition(body, birthDay + days, false, error);
                ASSERT_TRUE(exact) << error;
                ASSERT_LE(arcSecondsApart(cubic->at(days), exact->Longitude) / 3600,
                          1e-4 + cubic->uncertainty(days));
                ASSERT_LE(arcSecondsApart(line.at(days), exact->Longitude) / 3600,
                          line.uncertainty(days));
            }
        }
    }
}

// ---------------------------------------------------------------- Bhavas

TEST(Bhava, APointOnASandhiBelongsToTheHouseThatBeginsThere) {
    for (const BirthRecord& b : {kDelhi2000, kNewYork1985, kSydney1990}) {
        const BhavaResult houses = ComputeBhava(b);
        const auto& cusp = houses.CuspPoints;
        for (int h = 1; h <= 12; ++h) {
            const double sandhi = cusp[static_cast<std::size_t>(2 * h - 1)];
            const int next = h % 12 + 1;
            EXPECT_EQ(bhavaOf(cusp, sandhi), next) << "Sandhi of house " << h;
            EXPECT_EQ(bhavaOf(cusp, std::nextafter(sandhi, -1.0)), h) << "before Sandhi " << h;
            EXPECT_EQ(bhavaOf(cusp, cusp[static_cast<std::size_t>(2 * h - 2)]), h)
                << "Madhya of house " << h;
        }
    }
}

TEST(Bhava, HouseTwelveEndsWhereHouseOneBegins) {
    // Delhi: house 12 runs from 26° 55' 39" Cap to 27° 45' 45" Aqu.
    const auto& cusp = ComputeBhava(kDelhi2000).CuspPoints;
    const double sandhi12 = cusp[23];
    EXPECT_EQ(bhavaOf(cusp, sandhi12 - 1.0 / 3600), 12);
    EXPECT_EQ(bhavaOf(cusp, sandhi12), 1);
    EXPECT_EQ(bhavaOf(cusp, sandhi12 + 1.0 / 3600), 1);
}

TEST(Bhava, AHouseMayRunOverTheBeginningOfAries) {
    // New York: house 11 runs from 11° 3' 51" Pis to 18° 24' 35" Ari.
    const auto& cusp = ComputeBhava(kNewYork1985).CuspPoints;
    EXPECT_EQ(bhavaOf(cusp, 359.5), 11);
    EXPECT_EQ(bhavaOf(cusp, 0), 11);
    EXPECT_EQ(bhavaOf(cusp, 360), 11);
    EXPECT_EQ(bhavaOf(cusp, 18.4), 11);
    EXPECT_EQ(bhavaOf(cusp, 18.5), 12);
}

TEST(Planets, WorkedExamples) {
    struct Case {
        const char* name;
        BirthRecord birth;
        const std::array<WorkedPlanet, 9>& planets;
    };
    const std::vector<Case> cases = {{"Delhi 2000", kDelhi2000, kDelhi2000Planets},
                                     {"New York 1985", kNewYork1985, kNewYork1985Planets},
                                     {"Sydney 1990", kSydney1990, kSydney1990Planets}};
    for (const auto& c : cases) {
        const PlanetsReading reading = placementsOf(c.birth);
        for (std::size_t i = 0; i < 9; ++i) {
            const PlanetPlacement& p = reading.Planets[i];
            const WorkedPlanet& w = c.planets[i];
            SCOPED_TRACE(std::string(c.name) + " " + kPlanetNames[i]);
            EXPECT_EQ(p.Name, kPlanetNames[i]);
            EXPECT_EQ(p.LongitudeText, w.longitude);
            EXPECT_EQ(p.Retrograde, w.retrograde);
            EXPECT_EQ(p.Sign, w.sign);
            EXPECT_EQ(p.Bhava, w.bhava);
            EXPECT_FALSE(p.MinutesEarlier);
            EXPECT_FALSE(p.MinutesLater);
        }
        // Ketu stands opposite Rahu.
        EXPECT_NEAR(
            std::fmod(reading.Planets[8].Longitude - reading.Planets[7].Longitude + 360, 360), 180,
            1e-9);
    }
}

TEST(Planets, APlanetOnASandhiStandsInTheNextHouse) {
    BhavaResult houses = ComputeBhava(kDelhi2000);
    const double sun = placementsOf(kDelhi2000).Planets[0].Longitude; // house 10
    // Move the Sandhi of house 10 onto the Sun, and then just past it.
    houses.CuspPoints[19] = sun;
    EXPECT_EQ(computePlacements(kDelhi2000, houses).Reading->Planets[0].Bhava, 11);
    houses.CuspPoints[19] = std::nextafter(sun, 360.0);
    EXPECT_EQ(computePlacements(kDelhi2000, houses).Reading->Planets[0].Bhava, 10);
}

TEST(Planets, RetrogradeComesFromTheSpeed) {
    // Mercury moved backwards from 17 February to 10 March 2020.
    const BirthRecord during =
        MakeBirth(3, 1, 2020, 12, 0, 0, 0, 0, 0, false, 51, 28, false, false);
    const BirthRecord after = MakeBirth(4, 1, 2020, 12, 0, 0, 0, 0, 0, false, 51, 28, false, false);
    const PlanetsReading duringReading = placementsOf(during);
    const PlanetsReading afterReading = placementsOf(after);
    EXPECT_TRUE(duringReading.Planets[3].Retrograde);
    EXPECT_FALSE(afterReading.Planets[3].Retrograde);
    for (const auto* r : {&duringReading, &afterReading}) {
        EXPECT_FALSE(r->Planets[0].Retrograde); // the Sun never
        EXPECT_FALSE(r->Planets[1].Retrograde); // nor the Moon
        EXPECT_TRUE(r->Planets[7].Retrograde);  // the mean node always
        EXPECT_TRUE(r->Planets[8].Retrograde);
    }
}

TEST(Planets, PolarBirthTakesTheFirstOfOverlappingHouses) {
    const BhavaResult houses = ComputeBhava(kTromso2000);
    const auto& cusp = houses.CuspPoints;
    const auto inSpan = [&cusp](int h, double x) {
        const double from = cusp[static_cast<std::size_t>(h == 1 ? 23 : 2 * h - 3)];
        const double to = cusp[static_cast<std::size_t>(2 * h - 1)];
        return std::fmod(x - from + 720, 360) < std::fmod(to - from + 720, 360);
    };
    const PlanetsReading reading = placementsOf(kTromso2000);
    // The Sun at 6° 1' 43" Gem lies in the spans of houses 4, 8 and 12.
    const double sun = reading.Planets[0].Longitude;
    EXPECT_TRUE(inSpan(4, sun) && inSpan(8, sun) && inSpan(12, sun));
    EXPECT_EQ(reading.Planets[0].Bhava, 4);
    for (const auto& p : reading.Planets) {
        ASSERT_TRUE(p.Bhava >= 1 && p.Bhava <= 12) << p.Name;
        EXPECT_TRUE(inSpan(p.Bhava, p.Longitude)) << p.Name;
        for (int lower = 1; lower < p.Bhava; ++lower) {
            EXPECT_FALSE(inSpan(lower, p.Longitude)) << p.Name << " also in " << lower;
        }
    }
}

// ------------------------------------------------------------ sensitivity

// The Bhava of body i, and the ascendant's sign, with the clock moved.
int bhavaAt(const BirthRecord& b, std::size_t i, int minutes) {
    return placementsOf(ShiftedClock(b, minutes)).Planets[i].Bhava;
}
int ascendantSignAt(const BirthRecord& b, int minutes) {
    return SignOf(ComputeBhava(ShiftedClock(b, minutes)).Ascendant);
}

// Each reported minute changes the Bhava (or sign) when the reading is made
// afresh at that clock time, and the minute before it does not.
void expectMinutesHold(const BirthRecord& b, const PlanetsReading& r) {
    for (std::size_t i = 0; i < 9; ++i) {
        const int bhava = r.Planets[i].Bhava;
        for (const auto& [minutes, direction] : {std::pair{r.Planets[i].MinutesEarlier, -1},
                                                 std::pair{r.Planets[i].MinutesLater, 1}}) {
            if (!minutes) {
                continue;
            }
            SCOPED_TRACE(std::string(kPlanetNames[i]) + " " + std::to_string(direction * *minutes));
            ASSERT_GE(*minutes, 1);
            ASSERT_LE(*minutes, kMaxSensitivityMinutes);
            EXPECT_NE(bhavaAt(b, i, direction * *minutes), bhava);
            if (*minutes > 1) {
                EXPECT_EQ(bhavaAt(b, i, direction * (*minutes - 1)), bhava);
            }
        }
    }
    const int sign = SignOf(ComputeBhava(b).Ascendant);
    for (const auto& [minutes, direction] : {std::pair{r.AscendantSignMinutesEarlier, -1},
                                             std::pair{r.AscendantSignMinutesLater, 1}}) {
        if (minutes) {
            EXPECT_NE(ascendantSignAt(b, direction * *minutes), sign);
            EXPECT_EQ(ascendantSignAt(b, direction * (*minutes - 1)), sign);
        }
    }
}

TEST(Sensitivity, WorkedExamplesMinuteByMinute) {
    for (const BirthRecord& b : {kDelhi2000, kNewYork1985, kSydney1990}) {
        const PlanetsReading r = planetsOf(b);
        // Every minute up to the one reported keeps the body where it is.
        for (std::size_t i = 0; i < 9; ++i) {
            for (const auto& [minutes, direction] : {std::pair{r.Planets[i].MinutesEarlier, -1},
                                                     std::pair{r.Planets[i].MinutesLater, 1}}) {
                const int last = minutes ? *minutes - 1 : kMaxSensitivityMinutes;
                for (int k = 1; k <= last; k += minutes ? 1 : 15) {
                    ASSERT_EQ(bhavaAt(b, i, direction * k), r.Planets[i].Bhava)
                        << kPlanetNames[i] << " at " << direction * k;
                }
            }
        }
        expectMinutesHold(b, r);
    }
    // A figure a user can check: Mercury in Sydney is three minutes from
    // house 4, and the ascendant of Delhi 37 minutes from Aquarius.
    EXPECT_EQ(planetsOf(kSydney1990).Planets[3].MinutesEarlier, 3);
    EXPECT_EQ(planetsOf(kDelhi2000).AscendantSignMinutesEarlier, 37);
}

TEST(Sensitivity, HoldsWhenRecomputedForRandomBirths) {
    std::mt19937 random(2024);
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59), lonD(0, 179), latD(0, 89), flag(0, 1), zone(0, 12);
    std::vector<BirthRecord> births = {kTromso2000};
    for (int n = 0; n < 25; ++n) {
        births.push_back(MakeBirth(month(random), day(random), year(random), hour(random),
                                   minute(random), zone(random), 0, lonD(random), minute(random),
                                   flag(random) == 1, latD(random), minute(random),
                                   flag(random) == 1, flag(random) == 1));
    }
    for (const BirthRecord& b : births) {
        SCOPED_TRACE(std::to_string(b.Year) + "-" + std::to_string(b.Month) + "-" +
                     std::to_string(b.Day) + " " + std::to_string(b.Hour) + ":" +
                     std::to_string(b.Minute) + " latitude " + std::to_string(b.LatD));
        expectMinutesHold(b, planetsOf(b));
    }
}

} // namespace
