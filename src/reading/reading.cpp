#include "reading/reading.h"

#include "engine/mod_bhava.h"

#include <cstddef>
#include <utility>

namespace {

// The fewest minutes earlier and later that put each divisional chart's
// ascendant in another sign, from the ascendants of the minutes on either
// side of the birth, one minute after another. Each minute's ascendant is
// the engine's own, so every reported minute holds when it is recomputed.
class VargaWindows {
public:
    explicit VargaWindows(std::array<VargaChart, 16>& vargas) : vargas_(vargas) {}

    // The ascendant k minutes away in a direction; whether a chart of that
    // direction still keeps its sign.
    bool see(int direction, int k, double ascendant) {
        const std::size_t side = direction < 0 ? 0 : 1;
        if (k == 1) {
            open_[side] = vargas_.size();
            found_[side] = {};
        }
        for (std::size_t v = 0; v < vargas_.size(); ++v) {
            // Only the charts still open: the fine ones close in a minute or two.
            if (!found_[side][v] &&
                vargaSign(vargas_[v].Division, ascendant) != vargas_[v].Ascendant) {
                found_[side][v] = true;
                --open_[side];
                (side == 0 ? vargas_[v].AscendantSignMinutesEarlier
                           : vargas_[v].AscendantSignMinutesLater) = k;
            }
        }
        return open_[side] > 0;
    }

    // The same search on its own, for a reading without planets.
    void search(const BirthRecord& birth) {
        const BirthMoment moment = birthMoment(birth);
        BhavaResult houses;
        for (const int direction : {-1, 1}) {
            bool open = true;
            for (int k = 1; k <= kMaxSensitivityMinutes && open; ++k) {
                BirthMoment shifted = moment;
                shifted.UT += direction * k / 60.0;
                computeBhavaValues(shifted, houses);
                open = see(direction, k, houses.Ascendant);
            }
        }
    }

private:
    std::array<VargaChart, 16>& vargas_;
    std::array<std::size_t, 2> open_{};
    std::array<std::array<bool, 16>, 2> found_{};
};

void clearWindows(std::array<VargaChart, 16>& vargas) {
    for (VargaChart& chart : vargas) {
        chart.AscendantSignMinutesEarlier.reset();
        chart.AscendantSignMinutesLater.reset();
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
        VargaWindows windows(reading.vargas);
        reading.planets = computePlanets(birth, reading.houses,
                                         [&windows](int direction, int k, double ascendant) {
                                             return windows.see(direction, k, ascendant);
                                         });
        if (!reading.planets.Reading) {
            clearWindows(reading.vargas);
            windows.search(birth);
        }
    } else {
        reading.planets = computePlacements(birth, reading.houses);
    }
    addPlanetParts(options, reading);
}
