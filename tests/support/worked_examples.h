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
