#pragma once

#include <array>
#include <string>
#include <vector>

// The engine's results for one reading. Texts are UTF-8.
struct BhavaResult {
    double JulianDayValue = 0; // Julian day number of the civil birth date (integral)
    double AyanamsaValue = 0;  // degrees, negative; added to tropical positions
    double Ascendant = 0;      // sidereal, degrees
    double Midheaven = 0;      // sidereal, degrees
    // Even slots are house mid-points, odd slots the junctions that follow them;
    // slot 0 is the ascendant, 18 the midheaven, 24 the ascendant once more.
    std::array<double, 25> CuspPoints{};
    std::string AyanamsaText;
    std::string AscendantText;
    std::string MidheavenText;
    std::array<std::string, 12> BhavaMadhyaText; // house i+1 at index i
    std::array<std::string, 12> BhavaSandhiText; // house i+1 at index i
    // At high latitudes the arc from the midheaven to the ascendant can pass
    // 180°: the quadrants then cover more than the circle and houses repeat.
    bool QuadrantsOverlap = false;
    // What the reader of the reading must know besides the figures, one text
    // each; empty for most readings.
    std::vector<std::string> Warnings;
};
