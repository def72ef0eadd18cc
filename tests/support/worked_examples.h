#pragma once

#include <array>

// The figures the three worked examples must show, as the reading window
// writes them. An empty text is a figure the example does not give.
struct WorkedExampleFigures {
    const char* julianDay;
    const char* ayanamsa;
    const char* ascendant;
    const char* midheaven;
    std::array<const char*, 12> madhya; // house i+1 at index i
    std::array<const char*, 12> sandhi;
};

// 1 January 2000, 12:00, zone 5 h 30, 77°12' E, 28°36' N.
inline constexpr WorkedExampleFigures kDelhi2000Figures = {
    "2451545",
    "-23° 51' 14\"",
    "13° 10' 47\" Pis",
    "10° 40' 32\" Sag",
    {"13° 10' 47\" Pis", "12° 20' 42\" Ari", "11° 30' 37\" Tau", "10° 40' 32\" Gem",
     "11° 30' 37\" Can", "12° 20' 42\" Leo", "13° 10' 47\" Vir", "12° 20' 42\" Lib",
     "11° 30' 37\" Sco", "10° 40' 32\" Sag", "11° 30' 37\" Cap", "12° 20' 42\" Aqu"},
    {"27° 45' 45\" Pis", "26° 55' 39\" Ari", "26° 5' 34\" Tau", "26° 5' 34\" Gem",
     "26° 55' 39\" Can", "27° 45' 45\" Leo", "27° 45' 45\" Vir", "26° 55' 39\" Lib",
     "26° 5' 34\" Sco", "26° 5' 34\" Sag", "26° 55' 39\" Cap", "27° 45' 45\" Aqu"}};

// 15 June 1985, 06:30, zone 5 h 0, 74°0' W, 40°43' N, daylight saving.
inline constexpr WorkedExampleFigures kNewYork1985Figures = {
    "2446232",
    "-23° 39' 3\"",
    "14° 25' 41\" Gem",
    "22° 23' 29\" Aqu",
    {"14° 25' 41\" Gem", "7° 4' 57\" Can", "29° 44' 13\" Can", "22° 23' 29\" Leo",
     "29° 44' 13\" Vir", "7° 4' 57\" Sco", "14° 25' 41\" Sag", "7° 4' 57\" Cap", "29° 44' 13\" Cap",
     "22° 23' 29\" Aqu", "29° 44' 13\" Pis", "7° 4' 57\" Tau"},
    {"25° 45' 19\" Gem", "18° 24' 35\" Can", "11° 3' 51\" Leo", "11° 3' 51\" Vir",
     "18° 24' 35\" Lib", "25° 45' 19\" Sco", "25° 45' 19\" Sag", "18° 24' 35\" Cap",
     "11° 3' 51\" Aqu", "11° 3' 51\" Pis", "18° 24' 35\" Ari", "25° 45' 19\" Tau"}};

// 10 March 1990, 20:15, zone 10 h 0, 151°12' E, 33°52' S: only some figures.
inline constexpr WorkedExampleFigures kSydney1990Figures = {
    "2447961",
    "-23° 43' 27\"",
    "10° 2' 55\" Lib",
    "27° 20' 45\" Gem",
    {"10° 2' 55\" Lib", "5° 48' 52\" Sco", "", "", "", "", "", "", "", "27° 20' 45\" Gem", "", ""},
    {"", "", "", "", "", "", "", "", "", "", "", "22° 55' 53\" Vir"}};

// One body of a worked example as the planets table shows it. The positions
// are those Swiss Ephemeris gives in the reading's own frame; each Bhava was
// checked by hand against the example's Sandhis.
struct WorkedPlanet {
    const char* longitude;
    bool retrograde;
    int sign;  // 1..12, Aries 1
    int bhava; // 1..12
};

// Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, Rahu, Ketu.
inline constexpr std::array<WorkedPlanet, 9> kDelhi2000Planets = {{
    {"16° 16' 52\" Sag", false, 9, 10},
    {"16° 42' 39\" Lib", false, 7, 8},
    {"3° 55' 53\" Aqu", false, 11, 12},
    {"7° 40' 43\" Sag", false, 9, 10},
    {"1° 23' 23\" Ari", false, 1, 2},
    {"7° 26' 5\" Sco", false, 8, 9},
    {"16° 32' 46\" Ari", true, 1, 2},
    {"11° 11' 55\" Can", true, 4, 5},
    {"11° 11' 55\" Cap", true, 10, 11},
}};

inline constexpr std::array<WorkedPlanet, 9> kNewYork1985Planets = {{
    {"0° 36' 35\" Gem", false, 3, 1},
    {"26° 14' 17\" Ari", false, 1, 12},
    {"10° 20' 16\" Gem", false, 3, 1},
    {"10° 3' 20\" Gem", false, 3, 1},
    {"23° 8' 12\" Cap", true, 10, 9},
    {"14° 53' 19\" Ari", false, 1, 11},
    {"29° 3' 37\" Lib", true, 7, 6},
    {"22° 44' 11\" Ari", true, 1, 12},
    {"22° 44' 11\" Lib", true, 7, 6},
}};

inline constexpr std::array<WorkedPlanet, 9> kSydney1990Planets = {{
    {"25° 51' 21\" Aqu", false, 11, 6},
    {"13° 56' 28\" Leo", false, 5, 11},
    {"5° 21' 45\" Cap", false, 10, 4},
    {"18° 2' 20\" Aqu", false, 11, 5},
    {"7° 23' 24\" Gem", false, 3, 9},
    {"11° 13' 31\" Cap", false, 10, 4},
    {"29° 12' 42\" Sag", false, 9, 4},
    {"21° 6' 50\" Cap", true, 10, 5},
    {"21° 6' 50\" Can", true, 4, 11},
}};
