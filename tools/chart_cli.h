#pragma once

// kelvaro-chart: the engine on the command line. Parsing the arguments,
// checking a birth, reading a batch line and writing a reading are plain
// functions here so that they can be tested without running the program.

#include "engine/bhava_result.h"
#include "engine/birth_record.h"
#include "tools/birth_input.h"
#include "tools/reading_json.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdio>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

enum class ChartMode {
    Single,  // one birth from the options
    Places,  // --places: the atlas's places for a text
    File,    // the birth of a saved reading file
    Batch,   // JSON Lines on standard input
    Help,    // --help
    Version, // --version
};

struct ChartRequest {
    ChartMode mode = ChartMode::Single;
    bool json = false;
    BirthRecord birth;   // ChartMode::Single
    QString readingFile; // ChartMode::File: the path as given
    // ChartMode::Single with --place: the place to resolve in the atlas, and
    // which of the zone and the coordinates the options gave (they win over
    // the atlas). ChartMode::Places: the text to look up.
    QString place;
    bool zoneGiven = true;
    bool longitudeGiven = true;
    bool latitudeGiven = true;
};

// The most places --places lists.
inline constexpr std::size_t kListedPlaces = 20;

// What the arguments ask for, or one plain line that says what is wrong.
struct ParsedArguments {
    std::optional<ChartRequest> request;
    QString error;
};

// arguments[0] is the program's name, as in QCoreApplication::arguments().
ParsedArguments parseChartArguments(const QStringList& arguments);

// The full --help text, with an example for every option.
QString chartHelpText();

// The short usage printed after a wrong argument.
QString chartUsageText();

// The reading laid out as the reading window shows it: the Julian day,
// ayanamsa, ascendant and midheaven, then the table of the twelve houses.
QString readingText(const BhavaResult& result);

// A batch line may be this long; a longer one gives an error object of its
// own, and the rest of it is skipped without being held.
inline constexpr std::size_t kMaxBatchLineBytes = std::size_t{64} * 1024;
// Readings are written out at least this often.
inline constexpr long long kBatchFlushLines = 1000;
inline constexpr std::size_t kBatchFlushBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kBatchChunkBytes = std::size_t{64} * 1024;

// Reads JSON Lines from in and writes one object a line to out, in input
// order, as they are made. Returns the exit status: 0, or 1 when some line
// could not be used, the input could not be read or the output not written.
int runBatch(std::FILE* in, std::ostream& out, std::ostream& err);

// The whole program after QCoreApplication has started: 0 on success, 1 when
// a reading file could not be used or a batch had errors, 2 for wrong
// arguments.
int runChart(const QStringList& arguments, std::FILE* in, std::ostream& out, std::ostream& err);
