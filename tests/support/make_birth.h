#pragma once

#include "engine/birth_record.h"

#include <chrono>
#include <cmath>
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

// The birth with its clock moved by some minutes, the date following.
inline BirthRecord ShiftedClock(const BirthRecord& b, int minutes) {
    using namespace std::chrono;
    const int total = b.Hour * 60 + b.Minute + minutes;
    const int days = static_cast<int>(std::floor(total / 1440.0));
    const int rest = total - days * 1440;
    const year_month_day date{sys_days{year{b.Year} / month{static_cast<unsigned>(b.Month)} /
                                       day{static_cast<unsigned>(b.Day)}} +
                              std::chrono::days{days}};
    BirthRecord s = b;
    s.Year = static_cast<std::int16_t>(static_cast<int>(date.year()));
    s.Month = static_cast<std::int16_t>(static_cast<unsigned>(date.month()));
    s.Day = static_cast<std::int16_t>(static_cast<unsigned>(date.day()));
    s.Hour = static_cast<std::int16_t>(rest / 60);
    s.Minute = static_cast<std::int16_t>(rest % 60);
    return s;
}
