#include "vedic/civil_date.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

constexpr long long kFirstGregorianDay = 2299161; // 1582-10-15
constexpr long long kMinutesPerDay = 1440;
constexpr double kLargestDay = 1e9;

long long floorDiv(long long a, long long b) {
    const long long q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// The day of a year that begins on 1 March (0 for 1 March), and the year
// that begins so: January and February belong to the year before.
struct MarchDate {
    long long year;
    long long dayOfYear;
};

MarchDate marchDate(long long year, long long month, long long day) {
    const long long shifted = month > 2 ? month - 3 : month + 9;
    return {month <= 2 ? year - 1 : year, (153 * shifted + 2) / 5 + day - 1};
}

// Counts of whole cycles of the two calendars, days from 1 March of year 0.
long long gregorianDays(long long year, long long month, long long day) {
    const MarchDate d = marchDate(year, month, day);
    const long long era = floorDiv(d.year, 400);
    const long long yearOfEra = d.year - era * 400;
    return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + d.dayOfYear;
}

long long julianDays(long long year, long long month, long long day) {
    const MarchDate d = marchDate(year, month, day);
    const long long era = floorDiv(d.year, 4);
    const long long yearOfEra = d.year - era * 4;
    return era * 1461 + yearOfEra * 365 + d.dayOfYear;
}

// 1 March of year 0 as Julian day numbers, in each calendar.
constexpr long long kGregorianMarch0 = 1721120;
constexpr long long kJulianMarch0 = 1721118;

struct Date {
    long long year, month, day;
};

Date fromMarchDay(long long yearOfEra, long long dayOfYear, long long eraYears) {
    const long long shifted = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const long long month = shifted < 10 ? shifted + 3 : shifted - 9;
    return {eraYears + yearOfEra + (month <= 2 ? 1 : 0), month, day};
}

Date dateOfDayNumber(long long dayNumber) {
    if (dayNumber >= kFirstGregorianDay) {
        const long long z = dayNumber - kGregorianMarch0;
        const long long era = floorDiv(z, 146097);
        const long long dayOfEra = z - era * 146097;
        const long long yearOfEra =
            (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
        const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
        return fromMarchDay(yearOfEra, dayOfYear, era * 400);
    }
    const long long z = dayNumber - kJulianMarch0;
    const long long era = floorDiv(z, 1461);
    const long long dayOfEra = z - era * 1461;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460) / 365;
    const long long dayOfYear = dayOfEra - 365 * yearOfEra;
    return fromMarchDay(yearOfEra, dayOfYear, era * 4);
}

bool isLeapYear(long long year, bool gregorian) {
    if (year % 4 != 0) {
        return false;
    }
    return !gregorian || year % 100 != 0 || year % 400 == 0;
}

int daysInMonth(long long year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool gregorian = year > 1582 || (year == 1582 && month >= 10);
    return month == 2 && isLeapYear(year, gregorian) ? 29 : kDays[month - 1];
}

// Minutes since the start of Julian day number 0's civil date, local; empty
// for a day that is not a date.
std::optional<long long> localMinutes(double julianDayUT, int offsetMinutes) {
    if (!std::isfinite(julianDayUT) || std::fabs(julianDayUT) > kLargestDay) {
        return std::nullopt;
    }
    // A Julian day begins at noon; the civil day of day number n begins at n - 0.5.
    return std::llround((julianDayUT + 0.5) * kMinutesPerDay) + offsetMinutes;
}

long long minutesOf(const CivilDateTime& t) {
    return julianDayNumber(t.Year, t.Month, t.Day) * kMinutesPerDay + t.Hour * 60LL + t.Minute;
}

CivilDateTime civilOfMinutes(long long minutes) {
    const long long dayNumber = floorDiv(minutes, kMinutesPerDay);
    const long long minuteOfDay = minutes - dayNumber * kMinutesPerDay;
    const Date d = dateOfDayNumber(dayNumber);
    return CivilDateTime{static_cast<int>(d.year), static_cast<int>(d.month),
                         static_cast<int>(d.day), static_cast<int>(minuteOfDay / 60),
                         static_cast<int>(minuteOfDay % 60)};
}

// The date months after start, its day kept or, where the month is shorter,
// the month's last day; the time of day kept.
CivilDateTime addMonths(const CivilDateTime& start, long long months) {
    const long long index = start.Month - 1 + months;
    CivilDateTime t = start;
    t.Year = static_cast<int>(start.Year + floorDiv(index, 12));
    t.Month = static_cast<int>(index - floorDiv(index, 12) * 12) + 1;
    const int last = daysInMonth(t.Year, t.Month);
    if (t.Day > last) {
        t.Day = last;
    }
    return t;
}

} // namespace

long long julianDayNumber(int year, int month, int day) {
    const bool gregorian =
        year > 1582 || (year == 1582 && (month > 10 || (month == 10 && day >= 15)));
    return gregorian ? gregorianDays(year, month, day) + kGregorianMarch0
                     : julianDays(year, month, day) + kJulianMarch0;
}

std::optional<CivilDateTime> civilDateTime(double julianDayUT, int offsetMinutes) {
    const auto minutes = localMinutes(julianDayUT, offsetMinutes);
    if (!minutes) {
        return std::nullopt;
    }
    return civilOfMinutes(*minutes);
}

double julianDayUT(const CivilDateTime& local, int offsetMinutes) {
    const long long minutes = minutesOf(local) - offsetMinutes;
    return static_cast<double>(minutes) / kMinutesPerDay - 0.5;
}

std::size_t writeIsoDateTime(double julianDayUT, int offsetMinutes, IsoDateTimeBuffer& out) {
    const auto t = civilDateTime(julianDayUT, offsetMinutes);
    if (!t) {
        return 0;
    }
    // Written digit by digit into the caller's room: a dasha has some eighty
    // dates, and a batch writes them for every birth.
    char* at = out.data();
    const auto twoDigits = [&at](int value) {
        *at++ = static_cast<char>('0' + value / 10);
        *at++ = static_cast<char>('0' + value % 10);
    };
    if (t->Year < 0) {
        *at++ = '-';
    }
    const int year = std::abs(t->Year);
    for (int power = 1000; power > 1 && year < power; power /= 10) {
        *at++ = '0';
    }
    at = std::to_chars(at, out.data() + out.size(), year).ptr;
    *at++ = '-';
    twoDigits(t->Month);
    *at++ = '-';
    twoDigits(t->Day);
    *at++ = 'T';
    twoDigits(t->Hour);
    *at++ = ':';
    twoDigits(t->Minute);
    const int offset = std::abs(offsetMinutes);
    *at++ = offsetMinutes < 0 ? '-' : '+';
    twoDigits(offset / 60 % 100);
    *at++ = ':';
    twoDigits(offset % 60);
    return static_cast<std::size_t>(at - out.data());
}

std::string isoDateTime(double julianDayUT, int offsetMinutes) {
    IsoDateTimeBuffer text;
    return {text.data(), writeIsoDateTime(julianDayUT, offsetMinutes, text)};
}

CalendarSpan calendarSpan(double fromJulianDayUT, double toJulianDayUT, int offsetMinutes) {
    const auto from = localMinutes(fromJulianDayUT, offsetMinutes);
    const auto to = localMinutes(toJulianDayUT, offsetMinutes);
    CalendarSpan span;
    if (!from || !to || *to <= *from) {
        return span;
    }
    const CivilDateTime start = civilOfMinutes(*from);
    // The mean month of the Gregorian calendar for a first guess, then month
    // by month to the most that fit.
    long long months =
        static_cast<long long>(static_cast<double>(*to - *from) / (30.436875 * kMinutesPerDay));
    while (months > 0 && minutesOf(addMonths(start, months)) > *to) {
        --months;
    }
    while (minutesOf(addMonths(start, months + 1)) <= *to) {
        ++months;
    }
    span.Years = static_cast<int>(months / 12);
    span.Months = static_cast<int>(months % 12);
    span.Days = static_cast<int>((*to - minutesOf(addMonths(start, months))) / kMinutesPerDay);
    return span;
}
