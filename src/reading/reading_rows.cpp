#include "reading/reading_rows.h"

#include "engine/circle.h"
#include "engine/translatable.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdio>

namespace {

std::string signName(int sign) {
    return sign >= 1 && sign <= 12 ? kSignNames.at(static_cast<std::size_t>(sign - 1))
                                   : std::string();
}

} // namespace

ReadingFigures FiguresOf(const Reading& reading) {
    const BhavaResult& houses = reading.houses;
    char day[32];
    std::snprintf(day, sizeof day, "%.0f", houses.JulianDayValue);
    return {day, houses.AyanamsaText, houses.AscendantText, houses.MidheavenText};
}

SensitivityCell SensitivityCellOf(const std::optional<int>& minutes) {
    return {minutes, minutes && *minutes <= kCloseSensitivityMinutes};
}

std::vector<PlanetRow> PlanetRows(const Reading& reading) {
    std::vector<PlanetRow> rows;
    if (!reading.planets.Reading) {
        return rows;
    }
    const PlanetsReading& planets = *reading.planets.Reading;
    rows.reserve(planets.Planets.size() + 1);
    const auto addRow = [&rows](PlanetRow row, const NakshatraPlace* nakshatra) {
        if (nakshatra != nullptr) {
            row.nakshatra = nakshatra->Name;
            row.nakshatraNumber = nakshatra->Number;
            row.pada = nakshatra->Pada;
            row.nakshatraLord = nakshatra->LordName;
        }
        rows.push_back(std::move(row));
    };
    for (std::size_t i = 0; i < planets.Planets.size(); ++i) {
        const PlanetPlacement& p = planets.Planets[i];
        addRow({p.Name,
                false,
                p.Retrograde,
                p.Longitude,
                p.LongitudeText,
                p.Sign,
                signName(p.Sign),
                p.Bhava,
                SensitivityCellOf(p.MinutesEarlier),
                SensitivityCellOf(p.MinutesLater),
                {},
                0,
                0,
                {}},
               reading.nakshatras ? &reading.nakshatras->at(i) : nullptr);
    }
    const int ascendantSign = SignOf(reading.houses.Ascendant);
    addRow({"Ascendant",
            true,
            false,
            reading.houses.Ascendant,
            reading.houses.AscendantText,
            ascendantSign,
            signName(ascendantSign),
            1,
            SensitivityCellOf(planets.AscendantSignMinutesEarlier),
            SensitivityCellOf(planets.AscendantSignMinutesLater),
            {},
            0,
            0,
            {}},
           &reading.ascendantNakshatra);
    return rows;
}

namespace {

// The period among rows that runs on the date.
template <typename Rows, typename RowOf>
std::optional<std::size_t> runningOn(const Rows& rows, RowOf rowOf, const std::string& date) {
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const DashaRow& row = rowOf(rows[i]);
        if (row.startDate <= date && date < row.endDate) {
            return i;
        }
    }
    return std::nullopt;
}

// The birth's clock moved by some minutes, with the date where the day is
// not the birth's.
ClockEdge clockEdge(const BirthRecord& birth, int minutes) {
    const double localDay =
        static_cast<double>(julianDayNumber(birth.Year, birth.Month, birth.Day)) - 0.5 +
        (birth.Hour * 60 + birth.Minute + minutes) / 1440.0;
    ClockEdge edge;
    const std::optional<CivilDateTime> t = civilDateTime(localDay, 0);
    if (!t) {
        return edge;
    }
    edge.hour = t->Hour;
    edge.minute = t->Minute;
    if (t->Day != birth.Day || t->Month != birth.Month || t->Year != birth.Year) {
        edge.date = t;
    }
    return edge;
}

// Where the chart's ascendant keeps its sign on one side of the birth: the
// last minute before it changes, or beyond the limit.
ClockEdge windowEdge(const BirthRecord& birth, const std::optional<int>& minutes, int direction) {
    ClockEdge edge =
        clockEdge(birth, direction * (minutes ? *minutes - 1 : kMaxSensitivityMinutes));
    edge.beyond = !minutes;
    edge.direction = direction;
    return edge;
}

DashaRow dashaRow(const DashaPeriod& period, const VimshottariDasha& dasha) {
    DashaRow row;
    row.lord = kDashaLords.at(static_cast<std::size_t>(period.Lord)).Name;
    row.start = isoDateTime(period.Start, dasha.OffsetMinutes);
    row.end = isoDateTime(period.End, dasha.OffsetMinutes);
    row.startDate = row.start.substr(0, row.start.find('T'));
    row.endDate = row.end.substr(0, row.end.find('T'));
    row.runningAtBirth =
        period.Start <= dasha.BirthJulianDayUT && dasha.BirthJulianDayUT < period.End;
    return row;
}

std::string plural(int count, const char* unit) {
    return std::to_string(count) + " " + unit + (count == 1 ? "" : "s");
}

} // namespace

std::vector<VargaRow> VargaRows(const Reading& reading) {
    std::vector<VargaRow> rows;
    rows.reserve(reading.vargas.size());
    for (const VargaChart& chart : reading.vargas) {
        VargaRow row;
        row.division = chart.Division;
        row.label = "D" + std::to_string(chart.Division);
        row.name = chart.Name;
        row.ascendant = chart.Ascendant;
        row.ascendantSign = signName(chart.Ascendant);
        row.signs = chart.Signs;
        row.earlier = SensitivityCellOf(chart.AscendantSignMinutesEarlier);
        row.later = SensitivityCellOf(chart.AscendantSignMinutesLater);
        row.fromEdge = windowEdge(reading.birth, chart.AscendantSignMinutesEarlier, -1);
        row.toEdge = windowEdge(reading.birth, chart.AscendantSignMinutesLater, 1);
        row.title = row.label + " " + row.name;
        row.ascendantAbbreviation = row.ascendantSign.substr(0, 3);
        if (chart.Signs) {
            for (const int sign : *chart.Signs) {
                row.bodySigns.push_back(signName(sign));
                row.bodyAbbreviations.push_back(row.bodySigns.back().substr(0, 3));
            }
        }
        row.marksClose = chart.Division == 1 || chart.Division == 9;
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::string> VargaTitles() {
    std::vector<std::string> titles;
    titles.reserve(kVargas.size());
    for (const Varga& varga : kVargas) {
        titles.push_back("D" + std::to_string(varga.Division) + " " + varga.Name);
    }
    return titles;
}

std::vector<std::string> DashaYearTitles() {
    return {QT_TRANSLATE_NOOP("DashaYears", "Sidereal (365.256363 days)"),
            QT_TRANSLATE_NOOP("DashaYears", "Julian (365.25 days)"),
            QT_TRANSLATE_NOOP("DashaYears", "Savana (360 days)")};
}

std::optional<DashaTable> DashaTableOf(const Reading& reading) {
    if (!reading.dasha) {
        return std::nullopt;
    }
    const VimshottariDasha& dasha = *reading.dasha;
    DashaTable table;
    table.yearDays = daysPerYear(dasha.Year);
    table.lordAtBirth = kDashaLords.at(static_cast<std::size_t>(dasha.BirthLord)).Name;
    table.balance = dasha.Balance;
    table.balanceText = table.lordAtBirth + ": " + plural(dasha.Balance.Years, "year") + ", " +
                        plural(dasha.Balance.Months, "month") + ", " +
                        plural(dasha.Balance.Days, "day");
    table.yearText = DashaYearTitles().at(static_cast<std::size_t>(dasha.Year));
    table.daysPerBirthMinute = dasha.DaysPerBirthMinute;
    char days[32];
    std::snprintf(days, sizeof days, "%.1f", std::fabs(dasha.DaysPerBirthMinute));
    table.daysPerMinuteText = days;
    table.datesMoveEarlier = dasha.DaysPerBirthMinute < 0;
    table.moonNakshatra = dasha.Moon.Name;
    table.hoursEarlier = dasha.HoursEarlier;
    table.hoursLater = dasha.HoursLater;
    for (const MahaDasha& maha : dasha.Maha) {
        DashaTable::Maha row{dashaRow(maha.Period, dasha), {}};
        for (const DashaPeriod& antar : maha.Antar) {
            row.antar.push_back(dashaRow(antar, dasha));
        }
        table.maha.push_back(std::move(row));
    }
    return table;
}

std::vector<DashaRow> PratyantarRows(const Reading& reading, std::size_t maha, std::size_t antar) {
    std::vector<DashaRow> rows;
    if (!reading.dasha || maha >= 9 || antar >= 9) {
        return rows;
    }
    const VimshottariDasha& dasha = *reading.dasha;
    for (const DashaPeriod& part : subPeriods(dasha.Maha.at(maha).Antar.at(antar))) {
        rows.push_back(dashaRow(part, dasha));
    }
    return rows;
}

DashaPath DashaPathOn(const Reading& reading, const DashaTable& table, const std::string& date) {
    DashaPath path;
    path.maha = runningOn(
        table.maha, [](const DashaTable::Maha& maha) -> const DashaRow& { return maha.period; },
        date);
    if (!path.maha) {
        return path;
    }
    const auto itself = [](const DashaRow& row) -> const DashaRow& { return row; };
    path.antar = runningOn(table.maha.at(*path.maha).antar, itself, date);
    if (path.antar) {
        path.pratyantar = runningOn(PratyantarRows(reading, *path.maha, *path.antar), itself, date);
    }
    return path;
}
