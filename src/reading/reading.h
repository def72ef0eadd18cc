#pragma once

// One reading of a birth, made once for every front: the window, the text
// and JSON of kelvaro-chart, its batch, the printed reading and the chart
// pictures all lay out what MakeReading returns.

#include "engine/bhava_result.h"
#include "engine/birth_record.h"
#include "planets/mod_planets.h"
#include "vedic/dasha.h"
#include "vedic/nakshatra.h"
#include "vedic/varga.h"

#include <array>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// One divisional chart of a reading, and how far the birth time may move
// before its ascendant stands in another sign.
struct VargaChart {
    int Division = 1;
    const char* Name = "Rasi";
    int Ascendant = 0; // the ascendant's sign in this chart, 1..12
    // Each body's sign in this chart, in the order of the planets; none
    // without planets.
    std::optional<std::array<int, 9>> Signs;
    // 1 to kMaxSensitivityMinutes, none beyond; both empty without the
    // sensitivity.
    std::optional<int> AscendantSignMinutesEarlier;
    std::optional<int> AscendantSignMinutesLater;
};

struct Reading {
    Reading() = default;
    // A reading of given houses and planets, with everything that follows
    // from them alone (the nakshatras, the divisional charts' signs, the
    // dasha); the windows that need the birth time moved are left empty.
    Reading(BirthRecord birth, BhavaResult houses, PlanetsOutcome planets);

    BirthRecord birth;
    // The houses, and in houses.Warnings everything the reader of the reading
    // must know besides the figures (the engine's and the zone's).
    BhavaResult houses;
    // The planets, or why there are none (the ephemeris files missing).
    PlanetsOutcome planets;
    NakshatraPlace ascendantNakshatra;
    // Each body's nakshatra, in the order of the planets; none without them.
    std::optional<std::array<NakshatraPlace, 9>> nakshatras;
    std::array<VargaChart, 16> vargas; // in the order of kVargas
    // From the Moon's nakshatra; none without planets.
    std::optional<VimshottariDasha> dasha;

    const std::vector<std::string>& warnings() const { return houses.Warnings; }
};

struct ReadingOptions {
    // Warnings the caller found on the way to the birth (the zone at the
    // birth), after the engine's own.
    std::vector<std::string> warnings;
    // Without it the planets are placed but their birth-time minutes, and
    // those of the divisional charts' ascendants, are left empty.
    bool sensitivity = true;
    DashaYear dashaYear = DashaYear::Sidereal;
    // The slower search gives the same minutes; it is kept to show that.
    MinuteSearch search = MinuteSearch::Bracketed;
};

// The whole reading of a birth.
Reading MakeReading(const BirthRecord& birth, const ReadingOptions& options = {});

// The reading's dasha counted in another year, the rest of it unchanged: the
// dasha is all that depends on the year. Nothing without planets.
void SetDashaYear(Reading& reading, DashaYear year);

// The same into an existing reading, reusing the room its texts already
// have: the way to make many readings without allocating for each.
void MakeReading(const BirthRecord& birth, const ReadingOptions& options, Reading& reading);
