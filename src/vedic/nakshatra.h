#pragma once

// The 27 nakshatras of the sidereal zodiac, 13° 20' each from 0° Aries, their
// four padas of 3° 20', and the nine lords of the Vimshottari dasha who rule
// them in turn.

#include "engine/translatable.h"

#include <array>

// The nakshatras in order, Ashwini (number 1) first.
inline constexpr std::array<const char*, 27> kNakshatraNames = {
    QT_TRANSLATE_NOOP("Nakshatras", "Ashwini"),
    QT_TRANSLATE_NOOP("Nakshatras", "Bharani"),
    QT_TRANSLATE_NOOP("Nakshatras", "Krittika"),
    QT_TRANSLATE_NOOP("Nakshatras", "Rohini"),
    QT_TRANSLATE_NOOP("Nakshatras", "Mrigashira"),
    QT_TRANSLATE_NOOP("Nakshatras", "Ardra"),
    QT_TRANSLATE_NOOP("Nakshatras", "Punarvasu"),
    QT_TRANSLATE_NOOP("Nakshatras", "Pushya"),
    QT_TRANSLATE_NOOP("Nakshatras", "Ashlesha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Magha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Purva Phalguni"),
    QT_TRANSLATE_NOOP("Nakshatras", "Uttara Phalguni"),
    QT_TRANSLATE_NOOP("Nakshatras", "Hasta"),
    QT_TRANSLATE_NOOP("Nakshatras", "Chitra"),
    QT_TRANSLATE_NOOP("Nakshatras", "Swati"),
    QT_TRANSLATE_NOOP("Nakshatras", "Vishakha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Anuradha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Jyeshtha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Mula"),
    QT_TRANSLATE_NOOP("Nakshatras", "Purva Ashadha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Uttara Ashadha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Shravana"),
    QT_TRANSLATE_NOOP("Nakshatras", "Dhanishta"),
    QT_TRANSLATE_NOOP("Nakshatras", "Shatabhisha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Purva Bhadrapada"),
    QT_TRANSLATE_NOOP("Nakshatras", "Uttara Bhadrapada"),
    QT_TRANSLATE_NOOP("Nakshatras", "Revati")};

// The width of a nakshatra, degrees (13° 20').
inline constexpr double kNakshatraDegrees = 40.0 / 3;

// A lord of the Vimshottari dasha: its name, the years of its Maha dasha and
// its index among a reading's nine bodies (Sun 0, Moon 1, Mars 2, Mercury 3,
// Jupiter 4, Venus 5, Saturn 6, Rahu 7, Ketu 8).
struct DashaLord {
    const char* Name;
    int Years;
    int Body;
};

// The lords in the order of the dasha, which is also the order in which they
// rule the nakshatras from Ashwini on (Ashwini Ketu, Bharani Venus, ...,
// Revati Mercury): nakshatra n has lord (n - 1) % 9.
inline constexpr std::array<DashaLord, 9> kDashaLords = {{
    {"Ketu", 7, 8},
    {"Venus", 20, 5},
    {"Sun", 6, 0},
    {"Moon", 10, 1},
    {"Mars", 7, 2},
    {"Rahu", 18, 7},
    {"Jupiter", 16, 4},
    {"Saturn", 19, 6},
    {"Mercury", 17, 3},
}};

// The whole cycle of the nine Maha dashas, years.
inline constexpr int kDashaCycleYears = 120;

// Where a sidereal longitude stands among the nakshatras.
struct NakshatraPlace {
    int Number = 1;                // 1..27, Ashwini 1
    int Pada = 1;                  // 1..4
    const char* Name = "Ashwini";  // kNakshatraNames[Number - 1]
    int Lord = 0;                  // index into kDashaLords
    const char* LordName = "Ketu"; // kDashaLords[Lord].Name
    double Fraction = 0;           // how much of the nakshatra lies behind the point, [0, 1)
};

// The nakshatra and pada of a sidereal longitude in degrees. Any finite
// longitude is reduced into [0, 360) first (360 and -360 are Ashwini); one
// that is not finite counts as 0. A point on the start of a nakshatra or pada
// belongs to the one that begins there.
NakshatraPlace nakshatraOf(double siderealLongitude);
