#include "reading/reading_rows.h"

#include "engine/circle.h"

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
    for (const PlanetPlacement& p : planets.Planets) {
        rows.push_back({p.Name, false, p.Retrograde, p.Longitude, p.LongitudeText, p.Sign,
                        signName(p.Sign), p.Bhava, SensitivityCellOf(p.MinutesEarlier),
                        SensitivityCellOf(p.MinutesLater)});
    }
    const int ascendantSign = SignOf(reading.houses.Ascendant);
    rows.push_back({"Ascendant", true, false, reading.houses.Ascendant,
                    reading.houses.AscendantText, ascendantSign, signName(ascendantSign), 1,
                    SensitivityCellOf(planets.AscendantSignMinutesEarlier),
                    SensitivityCellOf(planets.AscendantSignMinutesLater)});
    return rows;
}
