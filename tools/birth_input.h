#pragma once

// A birth as the command line or a batch line gives it: checked against the
// ranges of the birth-data window before it becomes a BirthRecord.

#include "engine/birth_record.h"

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// The birth data as it was given, before it is checked and narrowed into the
// 16-bit fields of a BirthRecord (a Month of 65537 must not come out as 1).
struct BirthInput {
    double Month = 0;
    double Day = 0;
    double Year = 0;
    double Hour = 0;
    double Minute = 0;
    double ZoneHour = 0;
    double ZoneMinute = 0;
    double LonD = 0;
    double LonM = 0;
    double LatD = 0;
    double LatM = 0;
    bool LonEast = false;
    bool LatSouth = false;
    bool DST = false;
    std::string Name;
    std::string City;
    std::string State;
    std::string Country;
};

// The first field of a birth that is out of range, and why.
struct BirthProblem {
    const char* field; // the BirthRecord field name, "Day" for a day the month lacks
    QString message;   // one plain line, e.g. "Month 13 is outside 1 to 12"
};

// The ranges the birth-data window lets through: Month 1-12, a Day that the
// month has (29 February in years divisible by 4), Year 1901-2050, Hour 0-23,
// Minute 0-59, ZoneHour 0-14, ZoneMinute 0-59, LonD 0-179, LatD 0-89 and
// 0-59 for the minutes of both; every number whole. Fields are checked in
// the record's order.
std::optional<BirthProblem> checkBirth(const BirthInput& input);

// The record of a birth that checkBirth accepted.
BirthRecord toBirthRecord(BirthInput input);

// A record's birth data as input, so that checkBirth can look at it.
BirthInput birthInputOf(const BirthRecord& record);

// One line of a batch: the birth it holds, or why it cannot be used.
struct BatchLine {
    std::optional<BirthRecord> birth;
    QString error;
};

// A line of JSON Lines: one object with the BirthRecord field names as keys.
// Month to LatM are numbers and LonEast, LatSouth and DST true or false, all
// required; Name, City, State and Country are optional texts; other keys are
// ignored. A line end (LF or CR LF) may be left on the line.
BatchLine readBatchLine(std::string_view line);

// The birth of a saved reading file: the file must hold the 18 lines of a
// reading, its numbers and flags must be clean, and the birth must pass
// checkBirth. Otherwise error is one line that names the file and what is
// wrong with it, with the line number where there is one, e.g.
// "old.kvr, line 2: Month 13 is outside 1 to 12".
struct ReadingFileBirth {
    std::optional<BirthRecord> birth;
    QString error;
};
ReadingFileBirth readReadingFileBirth(const QString& path);
