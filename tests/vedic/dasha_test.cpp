#include "vedic/civil_date.h"
#include "vedic/dasha.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

constexpr double kNewYear2000 = 2451544.5; // 2000-01-01 00:00 UT
constexpr double kMidBharani = 20;         // half of Venus's 20 years behind
constexpr double kMoonSpeed = 13.2;        // degrees a day

TEST(Dasha, TheThreeYearsAndTheBalanceOnTheCalendar) {
    struct Case {
        DashaYear year;
        double days;
        CalendarSpan balance; // ten years of Venus left from 2000-01-01 00:00
    };
    const Case cases[] = {
        {DashaYear::Sidereal, 365.256363, {9, 11, 30}},
        {DashaYear::Julian, 365.25, {9, 11, 30}},
        {DashaYear::Savana, 360, {9, 10, 8}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(dashaYearWord(c.year));
        const VimshottariDasha dasha =
            computeVimshottariDasha(kMidBharani, kMoonSpeed, kNewYear2000, 0, c.year);
        EXPECT_STREQ(kDashaLords[static_cast<std::size_t>(dasha.BirthLord)].Name, "Venus");
        EXPECT_DOUBLE_EQ(dasha.ElapsedFraction, 0.5);
        EXPECT_NEAR(dasha.Maha[0].Period.End - kNewYear2000, 10 * c.days, 1e-6);
        EXPECT_NEAR(dasha.Maha[8].Period.End - dasha.Maha[0].Period.Start, 120 * c.days, 1e-6);
        EXPECT_EQ(dasha.Balance, c.balance);
        EXPECT_EQ(parseDashaYear(dashaYearWord(c.year)), c.year);
    }
    EXPECT_FALSE(parseDashaYear("Sidereal"));
    EXPECT_FALSE(parseDashaYear(""));
}

TEST(Dasha, MahaAndAntarInTheirOrderAndProportions) {
    const VimshottariDasha dasha =
        computeVimshottariDasha(kMidBharani, kMoonSpeed, kNewYear2000, 0);
    const char* const order[] = {"Venus",   "Sun",    "Moon",    "Mars", "Rahu",
                                 "Jupiter", "Saturn", "Mercury", "Ketu"};
    for (std::size_t i = 0; i < 9; ++i) {
        const MahaDasha& maha = dasha.Maha[i];
        EXPECT_STREQ(kDashaLords[static_cast<std::size_t>(maha.Period.Lord)].Name, order[i]);
        if (i > 0) {
            EXPECT_EQ(maha.Period.Start, dasha.Maha[i - 1].Period.End);
        }
        // The Antar dashas run from the Maha lord on and fill it exactly.
        EXPECT_EQ(maha.Antar[0].Lord, maha.Period.Lord);
        EXPECT_EQ(maha.Antar[0].Start, maha.Period.Start);
        EXPECT_EQ(maha.Antar[8].End, maha.Period.End);
    }
    // Venus-Sun: 20 * 6 / 120 = one year; Venus-Venus: 20 * 20 / 120.
    const double year = daysPerYear(DashaYear::Sidereal);
    EXPECT_NEAR(dasha.Maha[0].Antar[1].End - dasha.Maha[0].Antar[1].Start, year, 1e-6);
    EXPECT_NEAR(dasha.Maha[0].Antar[0].End - dasha.Maha[0].Antar[0].Start, 20.0 * 20 / 120 * year,
                1e-6);
    const auto pratyantar = subPeriods(dasha.Maha[0].Antar[1]);
    EXPECT_STREQ(kDashaLords[static_cast<std::size_t>(pratyantar[1].Lord)].Name, "Moon");
    EXPECT_NEAR(pratyantar[1].End - pratyantar[1].Start, 6.0 * 10 / 120 / 120 * 20 * year, 1e-6);
}

TEST(Dasha, AMoonAtEitherEndOfItsNakshatra) {
    // At the very start of Swati nothing of Rahu's 18 years is over; just
    // before Vishakha all of it is.
    const double swati = 14 * 40.0 / 3;
    const VimshottariDasha start = computeVimshottariDasha(swati, kMoonSpeed, kNewYear2000, 0);
    EXPECT_STREQ(start.Moon.Name, "Swati");
    EXPECT_NEAR(start.Maha[0].Period.Start, kNewYear2000, 1e-6);
    EXPECT_NEAR(start.HoursEarlier, 0, 1e-9);
    EXPECT_NEAR(start.HoursLater, 40.0 / 3 / kMoonSpeed * 24, 1e-9);

    const VimshottariDasha end =
        computeVimshottariDasha(swati + 40.0 / 3 - 1e-9, kMoonSpeed, kNewYear2000, 0);
    EXPECT_STREQ(end.Moon.Name, "Swati");
    EXPECT_NEAR(end.Maha[0].Period.End, kNewYear2000, 1e-3);
    EXPECT_EQ(end.Balance, CalendarSpan{});
}

TEST(Dasha, DatesMoveByDaysPerBirthMinute) {
    const double minute = 1.0 / 1440;
    const VimshottariDasha now = computeVimshottariDasha(200, kMoonSpeed, kNewYear2000, 330);
    const VimshottariDasha later =
        computeVimshottariDasha(200 + kMoonSpeed * minute, kMoonSpeed, kNewYear2000 + minute, 330);
    EXPECT_LT(now.DaysPerBirthMinute, 0);
    EXPECT_NEAR(later.Maha[3].Period.Start - now.Maha[3].Period.Start, now.DaysPerBirthMinute,
                1e-6);
}

TEST(CivilDate, LocalTimesAcrossTheCalendarChange) {
    struct Case {
        double julianDayUT;
        int offset;
        const char* text;
    };
    const Case cases[] = {
        {2451545.0, 330, "2000-01-01T17:30+05:30"},
        {2451545.0, -300, "2000-01-01T07:00-05:00"},
        {2451545.0 + 29.5 / 86400, 0, "2000-01-01T12:00+00:00"},
        {2451545.0 + 31.0 / 86400, 0, "2000-01-01T12:01+00:00"},
        {2299160.5, 0, "1582-10-15T00:00+00:00"},
        {2299159.5, 0, "1582-10-04T00:00+00:00"},
        {2451544.5 - 1.0 / 1440, 0, "1999-12-31T23:59+00:00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isoDateTime(c.julianDayUT, c.offset), c.text);
        const auto local = civilDateTime(c.julianDayUT, c.offset);
        ASSERT_TRUE(local);
        EXPECT_NEAR(julianDayUT(*local, c.offset), c.julianDayUT, 0.5 / 1440 + 1e-9);
    }
    EXPECT_EQ(isoDateTime(NAN, 0), "");
    EXPECT_EQ(julianDayNumber(2000, 1, 1), 2451545);
    EXPECT_EQ(julianDayNumber(1582, 10, 15), julianDayNumber(1582, 10, 4) + 1);
}

TEST(CivilDate, SpansAddYearsThenMonthsThenDays) {
    const auto day = [](int y, int m, int d) { return julianDayNumber(y, m, d) - 0.5; };
    EXPECT_EQ(calendarSpan(day(2000, 1, 31), day(2000, 2, 29), 0), (CalendarSpan{0, 1, 0}));
    EXPECT_EQ(calendarSpan(day(2001, 1, 31), day(2001, 2, 28), 0), (CalendarSpan{0, 1, 0}));
    EXPECT_EQ(calendarSpan(day(2000, 2, 29), day(2001, 2, 28), 0), (CalendarSpan{1, 0, 0}));
    EXPECT_EQ(calendarSpan(day(1996, 7, 16), day(2003, 9, 1), 0), (CalendarSpan{7, 1, 16}));
    EXPECT_EQ(calendarSpan(day(2003, 9, 1), day(1996, 7, 16), 0), CalendarSpan{});
}

} // namespace
