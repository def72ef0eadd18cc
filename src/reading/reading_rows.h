#pragma once

// What each row of a reading's tables holds, decided once: every front takes
// the figures, texts and flags from here and only chooses its own spelling
// where it has one (the window's "> 240", the printed page's "over 240").

#include "reading/reading.h"

#include <optional>
#include <string>
#include <vector>

// The Julian day, ayanamsa, ascendant and midheaven as every front shows them.
struct ReadingFigures {
    std::string julianDay; // "2451545": the day number of the civil birth date
    std::string ayanamsa;
    std::string ascendant;
    std::string midheaven;
};
ReadingFigures FiguresOf(const Reading& reading);

// A birth-time sensitivity: how many minutes the birth may move before
// something changes.
struct SensitivityCell {
    std::optional<int> minutes; // 1 to kMaxSensitivityMinutes; none beyond
    bool close = false;         // within kCloseSensitivityMinutes: worth a second look

    bool beyondLimit() const { return !minutes; }
};
SensitivityCell SensitivityCellOf(const std::optional<int>& minutes);

// One row of the planets table: a body, or the ascendant last, whose minutes
// are those that put it in another sign.
struct PlanetRow {
    std::string name; // "Sun" ... "Ketu", "Ascendant"
    bool ascendant = false;
    bool retrograde = false;
    double longitude = 0; // sidereal degrees, 0 to below 360
    std::string position; // "3° 27' 24\" Leo"
    int sign = 0;         // 1..12, Aries 1
    std::string signName; // "Aries"
    int bhava = 0;        // 1..12; 1 for the ascendant, which begins house 1
    SensitivityCell earlier;
    SensitivityCell later;
};

// The nine bodies, then the ascendant; no rows without planets.
std::vector<PlanetRow> PlanetRows(const Reading& reading);
