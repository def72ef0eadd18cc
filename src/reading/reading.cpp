#include "reading/reading.h"

#include "engine/mod_bhava.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

// Each divisional chart's ascendant sign as a measure of the birth-time
// search: a chart of division D cuts the circle into 12 D equal parts.
const std::vector<AscendantMeasure>& vargaMeasures() {
    static const std::vector<AscendantMeasure> measures = [] {
        std::vector<AscendantMeasure> all;
        for (const Varga& varga : kVargas) {
            const int division = varga.Division;
            all.push_back({12 * division, [division](double x) { return vargaSign(division, x); }});
        }
        return all;
    }();
    return measures;
}

void keepWindows(const std::vector<MinuteWindow>& windows, std::array<VargaChart, 16>& vargas) {
    for (std::size_t v = 0; v < vargas.size(); ++v) {
        vargas[v].AscendantSignMinutesEarlier = windows[v].Earlier;
        vargas[v].AscendantSignMinutesLater = windows[v].Later;
    }
}

// The vedic parts that need no planets: the ascendant's nakshatra and its
// sign in every divisional chart.
void addAscendantParts(Reading& reading) {
    reading.ascendantNakshatra = nakshatraOf(reading.houses.Ascendant);
    const std::array<int, 16> ascendant = vargaSigns(reading.houses.Ascendant);
    for (std::size_t v = 0; v < reading.vargas.size(); ++v) {
        reading.vargas[v] = {kVargas[v].Division, kVargas[v].Name, ascendant[v],
                             std::nullopt,        std::nullopt,    std::nullopt};
    }
}

// The parts from the planets: each body's nakshatra and divisional signs,
// and the dasha from the Moon.
void addPlanetParts(const ReadingOptions& options, Reading& reading) {
    reading.nakshatras.reset();
    reading.dasha.reset();
    if (!reading.planets.Reading) {
        return;
    }
    const auto& bodies = reading.planets.Reading->Planets;
    std::array<NakshatraPlace, 9> nakshatras{};
    std::array<std::array<int, 16>, 9> bodySigns{};
    for (std::size_t b = 0; b < bodies.size(); ++b) {
        nakshatras[b] = nakshatraOf(bodies[b].Longitude);
        bodySigns[b] = vargaSigns(bodies[b].Longitude);
    }
    reading.nakshatras = nakshatras;
    for (std::size_t v = 0; v < reading.vargas.size(); ++v) {
        std::array<int, 9> signs{};
        for (std::size_t b = 0; b < bodies.size(); ++b) {
            signs[b] = bodySigns[b][v];
        }
        reading.vargas[v].Signs = signs;
    }
    SetDashaYear(reading, options.dashaYear);
}

} // namespace

void SetDashaYear(Reading& reading, DashaYear year) {
    if (!reading.planets.Reading) {
        reading.dasha.reset();
        return;
    }
    const PlanetPlacement& moon = reading.planets.Reading->Planets[1];
    reading.dasha =
        computeVimshottariDasha(moon.Longitude, moon.Speed, julianDayUT(birthMoment(reading.birth)),
                                ZoneOffsetMinutes(reading.birth), year);
}

Reading::Reading(BirthRecord birth, BhavaResult houses, PlanetsOutcome planets)
    : birth(std::move(birth)), houses(std::move(houses)), planets(std::move(planets)) {
    addAscendantParts(*this);
    addPlanetParts({}, *this);
}

Reading MakeReading(const BirthRecord& birth, const ReadingOptions& options) {
    Reading reading;
    MakeReading(birth, options, reading);
    return reading;
}

void MakeReading(const BirthRecord& birth, const ReadingOptions& options, Reading& reading) {
    reading.birth = birth;
    ComputeBhava(birth, reading.houses);
    reading.houses.Warnings.insert(reading.houses.Warnings.end(), options.warnings.begin(),
                                   options.warnings.end());
    addAscendantParts(reading);
    if (options.sensitivity) {
        // The divisional charts' windows follow the ascendant through the
        // same minutes as the planets' sensitivity, each minute computed once.
        std::vector<MinuteWindow> windows;
        reading.planets =
            computePlanets(birth, reading.houses, vargaMeasures(), windows, options.search);
        if (!reading.planets.Reading) {
            windows = ascendantWindows(birth, reading.houses, vargaMeasures(), options.search);
        }
        keepWindows(windows, reading.vargas);
    } else {
        reading.planets = computePlacements(birth, reading.houses);
    }
    addPlanetParts(options, reading);
}
