#pragma once

// A birth as the command line gives it: from its options, a batch line or a
// saved reading file. Every one of them goes through the program's birth-data
// rules (birth/birth_rules.h), so the command line answers as the window does.

#include "birth/birth_rules.h"
#include "engine/birth_record.h"
#include "vedic/dasha.h"

#include <QString>

#include <optional>
#include <string_view>

// One line of a batch: the birth it holds, or why it cannot be used.
struct BatchLine {
    std::optional<BirthRecord> birth;
    QString error;
    DashaYear dashaYear = DashaYear::Sidereal; // the line's "DashaYear"
};

// A line of JSON Lines: one object with the BirthRecord field names as keys.
// Month to LatM are numbers and LonEast, LatSouth and DST true or false, all
// required; Name, City, State and Country are optional texts; ZoneAhead is
// optional, true or false (the zone's direction; absent or null, it comes from
// the longitude); DashaYear is optional, "sidereal", "julian" or "savana"
// (absent or null, sidereal); other keys are ignored. The birth must pass the birth-data rules, a
// name aside. A line end (LF or CR LF) may be left on the line.
BatchLine readBatchLine(std::string_view line);

// The birth of a saved reading file, exactly as opening it in the window
// takes it: the record, or the window's own message.
struct ReadingFileBirth {
    std::optional<BirthRecord> birth;
    QString error;
};
ReadingFileBirth readReadingFileBirth(const QString& path);
