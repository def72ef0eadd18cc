#pragma once

// Births of the years 1901 to 2050 all over the world, the same ones every
// run: what a batch meets, each date making the ephemeris read other parts of
// its files.

#include "engine/birth_record.h"

#include <cstddef>
#include <cstdint>
#include <random>
#include <vector>

inline std::vector<BirthRecord> manyBirths(std::size_t count = 1000) {
    std::mt19937 random(1);
    std::uniform_int_distribution<int> year(1901, 2050), month(1, 12), day(1, 28), hour(0, 23),
        minute(0, 59), lonD(0, 179), latD(0, 65), zone(0, 11), coin(0, 1);
    std::vector<BirthRecord> births(count);
    for (BirthRecord& b : births) {
        b.Year = static_cast<std::int16_t>(year(random));
        b.Month = static_cast<std::int16_t>(month(random));
        b.Day = static_cast<std::int16_t>(day(random));
        b.Hour = static_cast<std::int16_t>(hour(random));
        b.Minute = static_cast<std::int16_t>(minute(random));
        b.ZoneHour = static_cast<std::int16_t>(zone(random));
        b.LonD = static_cast<std::int16_t>(lonD(random));
        b.LonM = static_cast<std::int16_t>(minute(random));
        b.LonEast = coin(random) == 1;
        b.LatD = static_cast<std::int16_t>(latD(random));
        b.LatM = static_cast<std::int16_t>(minute(random));
        b.LatSouth = coin(random) == 1;
    }
    return births;
}
