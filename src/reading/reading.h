#pragma once

// One reading of a birth, made once for every front: the window, the text
// and JSON of kelvaro-chart, its batch, the printed reading and the chart
// pictures all lay out what MakeReading returns.

#include "engine/bhava_result.h"
#include "engine/birth_record.h"
#include "planets/mod_planets.h"

#include <string>
#include <vector>

struct Reading {
    BirthRecord birth;
    // The houses, and in houses.Warnings everything the reader of the reading
    // must know besides the figures (the engine's and the zone's).
    BhavaResult houses;
    // The planets, or why there are none (the ephemeris files missing).
    PlanetsOutcome planets;

    const std::vector<std::string>& warnings() const { return houses.Warnings; }
};

struct ReadingOptions {
    // Warnings the caller found on the way to the birth (the zone at the
    // birth), after the engine's own.
    std::vector<std::string> warnings;
    // Without it the planets are placed but their birth-time minutes are
    // left empty.
    bool sensitivity = true;
};

// The whole reading of a birth.
Reading MakeReading(const BirthRecord& birth, const ReadingOptions& options = {});

// The same into an existing reading, reusing the room its texts already
// have: the way to make many readings without allocating for each.
void MakeReading(const BirthRecord& birth, const ReadingOptions& options, Reading& reading);
