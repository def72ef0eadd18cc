#pragma once

// A reading as JSON: the keys in a fixed order, numbers in the shortest form
// that reads back to the same double.

#include "engine/bhava_result.h"
#include "planets/mod_planets.h"

#include <QString>

#include <string>

// The reading as one JSON object on one line (no line end): the houses, then
// "Planets" (the nine bodies, or null when they could not be computed) and
// the ascendant's sign sensitivity.
std::string readingJson(const BhavaResult& result, const PlanetsOutcome& planets);

// {"line": N, "error": "..."} on one line (no line end).
std::string batchErrorJson(long long line, const QString& error);

// The same, appended to out.
void appendReadingJson(std::string& out, const BhavaResult& result, const PlanetsOutcome& planets);
void appendBatchErrorJson(std::string& out, long long line, const QString& error);
