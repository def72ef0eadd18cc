#pragma once

#include "engine/birth_record.h"

#include <cstdint>

// A birth record from its numbers and flags, in the order the record keeps
// them.
inline BirthRecord MakeBirth(int month, int day, int year, int hour, int minute, int zoneHour,
                             int zoneMinute, int lonD, int lonM, bool lonEast, int latD, int latM,
                             bool latSouth, bool dst) {
    BirthRecord b;
    b.Month = static_cast<std::int16_t>(month);
    b.Day = static_cast<std::int16_t>(day);
    b.Year = static_cast<std::int16_t>(year);
    b.Hour = static_cast<std::int16_t>(hour);
    b.Minute = static_cast<std::int16_t>(minute);
    b.ZoneHour = static_cast<std::int16_t>(zoneHour);
    b.ZoneMinute = static_cast<std::int16_t>(zoneMinute);
    b.LonD = static_cast<std::int16_t>(lonD);
    b.LonM = static_cast<std::int16_t>(lonM);
    b.LonEast = lonEast;
    b.LatD = static_cast<std::int16_t>(latD);
    b.LatM = static_cast<std::int16_t>(latM);
    b.LatSouth = latSouth;
    b.DST = dst;
    return b;
}
