#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The birth data of the current reading. The field order is the order of the
// reading file's lines (the zone's direction and zone id are the optional
// lines 19 and 20); numeric fields are signed 16-bit, as the file and the
// engine expect.
struct BirthRecord {
    std::string Name;            // exactly as typed (not trimmed)
    std::int16_t Month = 0;      // 1..12
    std::int16_t Day = 0;        // day of the month
    std::int16_t Year = 0;       // year
    std::int16_t Hour = 0;       // local clock time, 0..23
    std::int16_t Minute = 0;     // 0..59
    std::int16_t ZoneHour = 0;   // magnitude of the zone offset, hours
    std::int16_t ZoneMinute = 0; // magnitude of the zone offset, minutes
    std::int16_t LonD = 0;       // degrees of longitude, 0..179
    std::int16_t LonM = 0;       // minutes of longitude, 0..59
    std::int16_t LatD = 0;       // degrees of latitude, 0..89
    std::int16_t LatM = 0;       // minutes of latitude, 0..59
    bool LonEast = false;        // East of Greenwich
    bool LatSouth = false;       // South of the equator
    bool DST = false;            // daylight-saving time in force at the birth
    std::string City;            // trimmed
    std::string State;           // trimmed
    std::string Country;         // trimmed
    // The zone's direction when it was given: true ahead of universal time
    // (East of Greenwich as a rule), false behind. Unset, the direction comes
    // from the longitude's hemisphere.
    std::optional<bool> ZoneAhead;
    std::string TimeZone; // the birthplace's IANA zone id, or empty

    friend bool operator==(const BirthRecord&, const BirthRecord&) = default;
};
