#pragma once

#include <array>
#include <optional>
#include <string>

// One body of a reading, sidereal, in the same frame as the houses.
struct PlanetPlacement {
    std::string Name;          // "Sun", "Moon", "Mars", "Mercury", "Jupiter", "Venus",
                               // "Saturn", "Rahu", "Ketu"
    double Longitude = 0;      // sidereal degrees, 0 to below 360
    std::string LongitudeText; // written as the house texts are ("3° 27' 24\" Leo")
    bool Retrograde = false;
    double Speed = 0; // degrees a day along the zodiac of date; negative when retrograde
    int Sign = 0;     // 1 to 12, Aries 1
    int Bhava = 0;    // 1 to 12
    // How many minutes earlier or later the birth would have to be for the
    // body to stand in another Bhava: 1 to 240, none beyond four hours.
    std::optional<int> MinutesEarlier;
    std::optional<int> MinutesLater;
};

// The nine bodies of a reading in the order above, and how far the birth time
// may move before the ascendant changes sign.
struct PlanetsReading {
    std::array<PlanetPlacement, 9> Planets;
    std::optional<int> AscendantSignMinutesEarlier;
    std::optional<int> AscendantSignMinutesLater;
};
