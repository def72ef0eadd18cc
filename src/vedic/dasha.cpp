#include "vedic/dasha.h"

#include <cmath>
#include <limits>

namespace {

constexpr std::array<const char*, 3> kYearWords = {"sidereal", "julian", "savana"};

constexpr std::size_t lordAfter(int lord, std::size_t steps) {
    return (static_cast<std::size_t>(lord) + steps) % kDashaLords.size();
}

double hoursToCover(double degrees, double speedDegreesPerDay) {
    if (!(speedDegreesPerDay > 0)) {
        return std::numeric_limits<double>::infinity();
    }
    return degrees / speedDegreesPerDay * 24;
}

} // namespace

const char* dashaYearWord(DashaYear year) {
    return kYearWords[static_cast<std::size_t>(year)];
}

std::optional<DashaYear> parseDashaYear(std::string_view word) {
    for (std::size_t i = 0; i < kYearWords.size(); ++i) {
        if (word == kYearWords[i]) {
            return static_cast<DashaYear>(i);
        }
    }
    return std::nullopt;
}

std::array<DashaPeriod, 9> subPeriods(const DashaPeriod& period) {
    std::array<DashaPeriod, 9> parts{};
    const double length = period.End - period.Start;
    int yearsBefore = 0;
    double start = period.Start;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int lord = static_cast<int>(lordAfter(period.Lord, i));
        yearsBefore += kDashaLords[static_cast<std::size_t>(lord)].Years;
        // Each end from the start and the years before it, so no error adds up.
        const double end = i + 1 == parts.size()
                               ? period.End
                               : period.Start + length * yearsBefore / kDashaCycleYears;
        parts[i] = DashaPeriod{lord, start, end};
        start = end;
    }
    return parts;
}

VimshottariDasha computeVimshottariDasha(double moonLongitude, double moonSpeedDegreesPerDay,
                                         double birthJulianDayUT, int offsetMinutes,
                                         DashaYear year) {
    VimshottariDasha dasha;
    dasha.Moon = nakshatraOf(moonLongitude);
    dasha.Year = year;
    dasha.BirthJulianDayUT = birthJulianDayUT;
    dasha.OffsetMinutes = offsetMinutes;
    dasha.BirthLord = dasha.Moon.Lord;
    dasha.ElapsedFraction = dasha.Moon.Fraction;

    const double yearDays = daysPerYear(year);
    const double firstYears = kDashaLords[static_cast<std::size_t>(dasha.BirthLord)].Years;
    const double cycleStart = birthJulianDayUT - dasha.ElapsedFraction * firstYears * yearDays;
    int yearsBefore = 0;
    for (std::size_t i = 0; i < dasha.Maha.size(); ++i) {
        const int lord = static_cast<int>(lordAfter(dasha.BirthLord, i));
        DashaPeriod& period = dasha.Maha[i].Period;
        period.Lord = lord;
        period.Start = cycleStart + yearsBefore * yearDays;
        yearsBefore += kDashaLords[static_cast<std::size_t>(lord)].Years;
        period.End = cycleStart + yearsBefore * yearDays;
        dasha.Maha[i].Antar = subPeriods(period);
    }
    dasha.Balance = calendarSpan(birthJulianDayUT, dasha.Maha[0].Period.End, offsetMinutes);

    const double moonDegreesPerMinute = moonSpeedDegreesPerDay / 1440;
    dasha.DaysPerBirthMinute =
        1.0 / 1440 - moonDegreesPerMinute / kNakshatraDegrees * firstYears * yearDays;
    dasha.HoursEarlier =
        hoursToCover(dasha.ElapsedFraction * kNakshatraDegrees, moonSpeedDegreesPerDay);
    dasha.HoursLater =
        hoursToCover((1 - dasha.ElapsedFraction) * kNakshatraDegrees, moonSpeedDegreesPerDay);
    return dasha;
}
