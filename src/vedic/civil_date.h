#pragma once

// Civil dates and times from Julian days and back: the Julian calendar up to
// 1582-10-04 and the Gregorian from 1582-10-15 on, both proleptic, with
// astronomical year numbers (the year before 1 is 0). Times are local: a
// Julian day in universal time is moved by an offset in minutes, ahead of
// universal time positive.

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// A local date and time to the minute.
struct CivilDateTime {
    int Year = 0;
    int Month = 1;  // 1..12
    int Day = 1;    // 1..31
    int Hour = 0;   // 0..23
    int Minute = 0; // 0..59

    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

// The Julian day number (the day that begins at the noon of that date) of a
// civil date. Dates before 1582-10-15 are read as Julian, that day and later
// as Gregorian; the ten days between (1582-10-05 to -14), which no calendar
// had, count on in the Julian reckoning. The month is 1..12; a day beyond
// its month counts on (30 February is 1 or 2 March).
long long julianDayNumber(int year, int month, int day);

// The local date and time of a Julian day in universal time, rounded to the
// nearest minute (half a minute up), in a zone offsetMinutes ahead of
// universal time. Julian day numbers from 2299161 (1582-10-15) on are
// Gregorian, earlier ones Julian. Empty for a day that is not finite or lies
// beyond a billion days of the epoch.
std::optional<CivilDateTime> civilDateTime(double julianDayUT, int offsetMinutes);

// The Julian day in universal time of a local date and time in a zone
// offsetMinutes ahead of universal time.
double julianDayUT(const CivilDateTime& local, int offsetMinutes);

// "1996-07-16T01:12+05:30": the local date and time of a Julian day in
// universal time, rounded to the nearest minute as civilDateTime rounds, with
// the offset; an offset of 0 is "+00:00". Years below 0 are written with a
// minus sign ("-0044"), years beyond 9999 with all their digits. Empty where
// civilDateTime is.
std::string isoDateTime(double julianDayUT, int offsetMinutes);

// The same written into room of the caller's, for writers of many dates:
// returns how many characters it wrote, 0 where isoDateTime is empty. The
// room holds any year civilDateTime gives.
using IsoDateTimeBuffer = std::array<char, 40>;
std::size_t writeIsoDateTime(double julianDayUT, int offsetMinutes, IsoDateTimeBuffer& out);

// Whole years, months and days on the calendar between two instants.
struct CalendarSpan {
    int Years = 0;
    int Months = 0;
    int Days = 0;

    friend bool operator==(const CalendarSpan&, const CalendarSpan&) = default;
};

// The calendar span from one instant to a later one, both seen in the same
// local zone and taken to the minute as civilDateTime takes them. Whole years
// are added to the first date first, then whole months, then whole days, each
// as many as fit without passing the second instant; the time of day is kept.
// The years and months are added to the first date in one step, and a day
// that the month reached does not have becomes its last day (31 January and
// one month is 28 or 29 February; 29 February and a year is 28 February).
// Zero when the second instant is not later or either is not a date.
CalendarSpan calendarSpan(double fromJulianDayUT, double toJulianDayUT, int offsetMinutes);
