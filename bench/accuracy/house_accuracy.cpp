// How far the engine's house model lies from Swiss Ephemeris over random
// births: the ascendant, the midheaven, the ayanamsa (Lahiri) and the cusps
// (Porphyry for the Bhava Madhya, Sripati for the Bhava Sandhi), below and
// above 60 degrees of latitude.
//
//   house_accuracy [BIRTHS_PER_BAND [SEED]]     default 5000 births, seed 1

#include "engine/mod_bhava.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <swephexp.h>
#include <vector>

#ifndef KELVARO_EPHE_DIR
#error "KELVARO_EPHE_DIR names the folder of the ephemeris files"
#endif

namespace {

// The differences of one quantity, arc seconds.
struct Differences {
    const char* name;
    std::vector<double> seconds;

    void add(double engine, double reference) {
        double d = std::fmod(std::fabs(engine - reference), 360.0);
        d = std::min(d, 360 - d);
        seconds.push_back(3600 * d);
    }
};

struct Band {
    const char* name;
    double fromLatitude; // degrees, absolute
    double toLatitude;
    std::array<Differences, 5> quantities{{{"ascendant", {}},
                                           {"midheaven", {}},
                                           {"ayanamsa", {}},
                                           {"Bhava Madhya (Porphyry)", {}},
                                           {"Bhava Sandhi (Sripati)", {}}}};
    Differences ascendantElse{"ascendant otherwise", {}};
    int births = 0;
    int turned = 0;      // ascendants half a circle apart
    int turnedSpans = 0; // of those, births whose house spans overlap
};

// Whether the engine's twelve house spans cover the circle more than once,
// as they do where its ascendant lies beyond the midheaven.
bool spansOverlap(const std::array<double, 25>& cusp) {
    double total = 0;
    for (std::size_t h = 0; h < 12; ++h) {
        double span = cusp[2 * h + 1] - cusp[h == 0 ? 23 : 2 * h - 1];
        total += span < 0 ? span + 360 : span;
    }
    return total > 361;
}

// The value below which a share of the sorted values lies.
double quantile(const std::vector<double>& sorted, double share) {
    if (sorted.empty()) {
        return 0;
    }
    const auto at =
        static_cast<std::size_t>(std::lround(share * static_cast<double>(sorted.size() - 1)));
    return sorted[std::min(at, sorted.size() - 1)];
}

// Seconds of arc as a person reads them: 12.3", 4' 5", 1° 2' 3".
std::string angleText(double seconds) {
    char text[64];
    if (seconds < 60) {
        std::snprintf(text, sizeof text, "%.1f\"", seconds);
    } else if (seconds < 3600) {
        const int whole = static_cast<int>(seconds);
        std::snprintf(text, sizeof text, "%d' %d\"", whole / 60, whole % 60);
    } else {
        const int whole = static_cast<int>(seconds);
        std::snprintf(text, sizeof text, "%d° %d' %d\"", whole / 3600, whole / 60 % 60, whole % 60);
    }
    return text;
}

BirthRecord randomBirth(std::mt19937& random, double fromLatitude, double toLatitude) {
    std::uniform_int_distribution<int> year(1901, 2050);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> day(1, 28);
    std::uniform_int_distribution<int> hour(0, 23);
    std::uniform_int_distribution<int> minute(0, 59);
    std::uniform_int_distribution<int> longitudeMinutes(0, 180 * 60 - 1);
    std::uniform_int_distribution<int> latitudeMinutes(static_cast<int>(fromLatitude * 60),
                                                       static_cast<int>(toLatitude * 60) - 1);
    std::bernoulli_distribution coin;
    BirthRecord b;
    b.Year = static_cast<std::int16_t>(year(random));
    b.Month = static_cast<std::int16_t>(month(random));
    b.Day = static_cast<std::int16_t>(day(random));
    b.Hour = static_cast<std::int16_t>(hour(random));
    b.Minute = static_cast<std::int16_t>(minute(random));
    // Universal time itself: zone 0 and no daylight saving.
    const int lon = longitudeMinutes(random);
    b.LonD = static_cast<std::int16_t>(lon / 60);
    b.LonM = static_cast<std::int16_t>(lon % 60);
    b.LonEast = coin(random);
    const int lat = latitudeMinutes(random);
    b.LatD = static_cast<std::int16_t>(lat / 60);
    b.LatM = static_cast<std::int16_t>(lat % 60);
    b.LatSouth = coin(random);
    return b;
}

void compare(const BirthRecord& birth, Band& band) {
    BhavaResult engine;
    computeBhavaValues(birth, engine);
    const BirthMoment moment = birthMoment(birth);
    const double day = julianDayUT(moment);
    // Swiss Ephemeris counts longitudes positive East.
    const double east = -moment.Longitude;

    std::array<double, 13> porphyry{};
    std::array<double, 13> sripati{};
    std::array<double, 10> angles{};
    std::array<double, 10> unused{};
    swe_houses_ex(day, SEFLG_SIDEREAL, moment.Latitude, east, 'O', porphyry.data(), angles.data());
    swe_houses_ex(day, SEFLG_SIDEREAL, moment.Latitude, east, 'S', sripati.data(), unused.data());
    double ayanamsa = 0;
    char message[AS_MAXCH] = {};
    swe_get_ayanamsa_ex_ut(day, SEFLG_SWIEPH, &ayanamsa, message);

    auto& q = band.quantities;
    ++band.births;
    q[0].add(engine.Ascendant, angles[0]);
    if (q[0].seconds.back() > 90 * 3600) {
        ++band.turned;
        band.turnedSpans += spansOverlap(engine.CuspPoints) ? 1 : 0;
    } else {
        band.ascendantElse.add(engine.Ascendant, angles[0]);
    }
    q[1].add(engine.Midheaven, angles[1]);
    q[2].add(-engine.AyanamsaValue, ayanamsa);
    for (std::size_t h = 1; h <= 12; ++h) {
        q[3].add(engine.CuspPoints[2 * h - 2], porphyry[h]);
        // Sripati's cusp h begins house h: the Sandhi of house h - 1.
        q[4].add(engine.CuspPoints[h == 1 ? 23 : 2 * h - 3], sripati[h]);
    }
}

} // namespace

int main(int argc, char* argv[]) {
    const int births = argc > 1 ? std::atoi(argv[1]) : 5000;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::atoi(argv[2])) : 1;
    swe_set_ephe_path(KELVARO_EPHE_DIR);
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);

    std::array<Band, 2> bands{{{"below 60° latitude", 0, 60}, {"60° latitude and above", 60, 90}}};
    std::mt19937 random(seed);
    for (Band& band : bands) {
        for (int n = 0; n < births; ++n) {
            compare(randomBirth(random, band.fromLatitude, band.toLatitude), band);
        }
    }

    std::printf("The engine's houses against Swiss Ephemeris %s (Lahiri ayanamsa), %d random\n"
                "births 1901-2050 in each band, seed %u. Differences of arc:\n",
                swe_version(std::array<char, 64>{}.data()), births, seed);
    for (Band& band : bands) {
        std::printf("\n%s\n", band.name);
        std::printf("  %-26s %10s %10s %14s\n", "", "median", "95%", "largest");
        for (Differences& d : band.quantities) {
            std::sort(d.seconds.begin(), d.seconds.end());
            std::printf("  %-26s %10s %10s %14s\n", d.name,
                        angleText(quantile(d.seconds, 0.5)).c_str(),
                        angleText(quantile(d.seconds, 0.95)).c_str(),
                        angleText(d.seconds.empty() ? 0 : d.seconds.back()).c_str());
        }
        std::printf("  ascendants half a circle apart: %d of %d births (%.1f%%); the engine's "
                    "house spans overlap in %d of them\n",
                    band.turned, band.births, 100.0 * band.turned / band.births, band.turnedSpans);
        auto& rest = band.ascendantElse.seconds;
        std::sort(rest.begin(), rest.end());
        std::printf("  the other ascendants: median %s, 95%% %s, largest %s\n",
                    angleText(quantile(rest, 0.5)).c_str(), angleText(quantile(rest, 0.95)).c_str(),
                    angleText(rest.empty() ? 0 : rest.back()).c_str());
    }
    swe_close();
    return 0;
}
