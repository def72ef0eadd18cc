#pragma once

#include "engine/mod_bhava.h"
#include "planets/planet_placement.h"
#include "reading/reading.h"
#include "support/make_birth.h"

#include <cstddef>

// The birth of the first worked example, with a name and a place.
inline BirthRecord firstExampleBirth() {
    BirthRecord birth = MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false);
    birth.Name = "Ram";
    birth.City = "New Delhi";
    birth.Country = "India";
    return birth;
}

// The bodies of the first worked example (1 January 2000, 12:00, zone 5 h 30,
// 77°12' E, 28°36' N) made by hand: sidereal longitudes to a tenth of a
// degree, each Bhava found from the example's Sandhi, and sensitivities made
// up to cover every case (close, far, beyond four hours). Mercury is marked
// retrograde for the sake of the tests.
inline PlanetsReading firstExamplePlanets() {
    struct Body {
        const char* name;
        double longitude;
        bool retrograde;
        int bhava;
        int earlier; // 0: beyond four hours
        int later;
    };
    constexpr Body kBodies[9] = {
        {"Sun", 256.5, false, 10, 200, 0}, {"Moon", 196.4, false, 8, 12, 100},
        {"Mars", 304.1, false, 12, 0, 0},  {"Mercury", 247.3, true, 10, 30, 0},
        {"Jupiter", 1.4, false, 2, 0, 0},  {"Venus", 217.7, false, 9, 0, 9},
        {"Saturn", 16.6, true, 2, 0, 0},   {"Rahu", 101.2, true, 5, 0, 0},
        {"Ketu", 281.2, true, 11, 0, 0}};
    PlanetsReading reading;
    for (std::size_t i = 0; i < reading.Planets.size(); ++i) {
        const Body& body = kBodies[i];
        PlanetPlacement& planet = reading.Planets[i];
        planet.Name = body.name;
        planet.Longitude = body.longitude;
        double text = body.longitude;
        planet.LongitudeText = ZodiacText(text);
        planet.Retrograde = body.retrograde;
        planet.Sign = static_cast<int>(body.longitude) / 30 + 1;
        planet.Bhava = body.bhava;
        if (body.earlier != 0) {
            planet.MinutesEarlier = body.earlier;
        }
        if (body.later != 0) {
            planet.MinutesLater = body.later;
        }
    }
    reading.AscendantSignMinutesEarlier = 40;
    reading.AscendantSignMinutesLater = 80;
    return reading;
}

// The first worked example's reading with the bodies above.
inline Reading firstExampleReading() {
    Reading reading;
    reading.birth = firstExampleBirth();
    reading.houses = ComputeBhava(reading.birth);
    reading.planets.Reading = firstExamplePlanets();
    return reading;
}
