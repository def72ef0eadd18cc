#pragma once

// A reading as JSON: the keys in a fixed order, numbers in the shortest form
// that reads back to the same double.

#include "reading/reading.h"

#include <QString>

#include <string>

// The place of the atlas a birth was resolved from: its names, its
// coordinates in decimal degrees (North and East positive) and its zone id.
struct ReadingPlace {
    std::string Name;
    std::string State;
    std::string Country;
    double Latitude = 0;
    double Longitude = 0;
    std::string TimeZone;
};

// The reading as one JSON object on one line (no line end): the reading's
// keys, "Warnings", then "UtcOffset" (the offset used, "+05:30"), "Birth" (the
// birth record used, with a batch line's keys, and "ZoneAhead" when its
// direction was given), with a place "Place", then "Planets" (the nine
// bodies, or null when they could not be computed) and the ascendant's sign
// sensitivity.
std::string readingJson(const Reading& reading, const ReadingPlace* place = nullptr);

// {"line": N, "error": "..."} on one line (no line end).
std::string batchErrorJson(long long line, const QString& error);

// The same, appended to out.
void appendReadingJson(std::string& out, const Reading& reading,
                       const ReadingPlace* place = nullptr);
void appendBatchErrorJson(std::string& out, long long line, const QString& error);
