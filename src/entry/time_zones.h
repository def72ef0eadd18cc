#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// One named zone of the time-zone picker: the text shown in the list, and the
// zone texts that choosing it writes into frmMain's hour and minute boxes.
//
// The boxes take the offset from Universal Time with its sign reversed
// (zones east of Greenwich get negative hours), split into whole hours and
// minutes; a half hour gives 30 minutes carrying the hour's sign. Only the
// magnitudes reach the reading: the zone's direction comes from the
// longitude's East/West choice.
struct TimeZoneEntry {
    std::string_view text;
    int zoneHour;
    int zoneMinute;
};

inline constexpr std::size_t kTimeZoneCount = 71;

// The picker's list, in the order it is shown; an entry's index is its list
// position.
extern const std::array<TimeZoneEntry, kTimeZoneCount> kTimeZones;
