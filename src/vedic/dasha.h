#pragma once

// The Vimshottari dasha of a birth: the nine Maha dashas of the 120-year
// cycle from the lord of the Moon's nakshatra, each cut into nine Antar
// dashas and those again into Pratyantar dashas, with the balance left at
// birth and how the dates follow the birth time.

#include "vedic/civil_date.h"
#include "vedic/nakshatra.h"

#include <array>
#include <optional>
#include <string_view>

// The year the dasha's years are counted in.
enum class DashaYear {
    Sidereal, // the mean sidereal year, 365.256363 days: the usual choice
    Julian,   // 365.25 days
    Savana,   // 360 days
};

// The days of one dasha year.
constexpr double daysPerYear(DashaYear year) {
    switch (year) {
    case DashaYear::Julian:
        return 365.25;
    case DashaYear::Savana:
        return 360;
    case DashaYear::Sidereal:
        break;
    }
    return 365.256363;
}

// "sidereal", "julian" or "savana": the word of --dasha-year.
const char* dashaYearWord(DashaYear year);

// The year a word names, for exactly the words dashaYearWord gives.
std::optional<DashaYear> parseDashaYear(std::string_view word);

// One period of the dasha at any level: its lord (index into kDashaLords) and
// its start and end as Julian days in universal time. A period ends where the
// next begins.
struct DashaPeriod {
    int Lord = 0;
    double Start = 0;
    double End = 0;
};

// The nine sub-periods of a period: from the period's own lord on, in the
// order of kDashaLords, each as long as the period times its lord's years
// over 120. The first starts at the period's start and the last ends at its
// end. The Antar dashas are the sub-periods of a Maha dasha, the Pratyantar
// dashas those of an Antar dasha.
std::array<DashaPeriod, 9> subPeriods(const DashaPeriod& period);

// A Maha dasha and its nine Antar dashas.
struct MahaDasha {
    DashaPeriod Period;
    std::array<DashaPeriod, 9> Antar;
};

// The dasha of one birth.
struct VimshottariDasha {
    NakshatraPlace Moon; // the Moon's nakshatra; its lord rules at birth
    DashaYear Year = DashaYear::Sidereal;
    double BirthJulianDayUT = 0;
    int OffsetMinutes = 0;      // the birth's offset from universal time, ahead positive
    int BirthLord = 0;          // index into kDashaLords: Moon.Lord
    double ElapsedFraction = 0; // of the Moon's nakshatra, and so of the first Maha dasha, at birth
    // What is left of the first Maha dasha at birth, on the calendar in the
    // birth's offset (calendarSpan from the birth to its end).
    CalendarSpan Balance;
    // The nine Maha dashas from the one running at birth, which begins before
    // the birth; together 120 years.
    std::array<MahaDasha, 9> Maha;
    // Days every date of the dasha moves for each minute the birth time moves
    // later, while the Moon stays in its nakshatra: negative, a later birth
    // gives earlier dates.
    double DaysPerBirthMinute = 0;
    // How many hours earlier and later the birth could be with the Moon still
    // in its nakshatra, at the Moon's speed at birth held constant (the Moon's
    // speed changes by less than a few percent in a day). Infinite for a speed
    // that is not above 0.
    double HoursEarlier = 0;
    double HoursLater = 0;
};

// The dasha of a birth from the Moon's sidereal longitude (degrees, in the
// reading's zodiac), its speed in degrees per day, the birth's Julian day in
// universal time and its offset from universal time in minutes.
//
// Every date is start = birth - ElapsedFraction * years * daysPerYear plus
// whole periods, where ElapsedFraction = (moon - start of its nakshatra) /
// 13° 20' and years those of the lord at birth. Moving the birth by a minute
// moves the Moon by speed / 1440, so each date moves by
//   1/1440 - (speed/1440) / (40/3) * years * daysPerYear   days,
// which is DaysPerBirthMinute.
VimshottariDasha computeVimshottariDasha(double moonLongitude, double moonSpeedDegreesPerDay,
                                         double birthJulianDayUT, int offsetMinutes,
                                         DashaYear year = DashaYear::Sidereal);
