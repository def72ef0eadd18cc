#pragma once

#include <string>

// An offset from universal time, in minutes ahead, as each front writes it.
enum class OffsetStyle {
    Iso, // "+05:30", "-04:00", "+00:00": JSON and dates
    Ut,  // "UT+5:30", "UT-4:00": the birth-data window
    Utc, // "UTC+05:30": the printed reading
};

std::string OffsetText(int minutes, OffsetStyle style);
