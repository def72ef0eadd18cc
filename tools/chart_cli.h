#pragma once

// kelvaro-chart: the engine on the command line. Parsing the arguments,
// checking a birth, reading a batch line and writing a reading are plain
// functions here so that they can be tested without running the program.

#include "chart/bhava_chart.h"
#include "document/reading_document.h"
#include "engine/bhava_result.h"
#include "engine/birth_record.h"
#include "reading/reading.h"
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

// Files a single reading is written to instead of being printed: the whole
// printed reading as a PDF, the chart alone as an SVG or a PNG.
struct ChartFiles {
    QString pdf;
    QString svg;
    QString png;
    ChartStyle style = ChartStyle::North;
    Paper paper = Paper::A4;

    bool any() const { return !pdf.isEmpty() || !svg.isEmpty() || !png.isEmpty(); }
};

struct ChartRequest {
    ChartMode mode = ChartMode::Single;
    bool json = false;
    BirthRecord birth;   // ChartMode::Single
    QString readingFile; // ChartMode::File: the path as given
    ChartFiles files;    // ChartMode::Single and ChartMode::File
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
// The paper of a PDF is the one of the system's locale unless --paper names it.
ParsedArguments parseChartArguments(const QStringList& arguments);

// Whether the arguments ask for a PDF or a picture, which are drawn with Qt's
// GUI module: looked at before the application object is created, so that a
// plain reading keeps to QCoreApplication.
bool chartArgumentsDraw(const QStringList& arguments);

// The full --help text, with an example for every option.
QString chartHelpText();

// The short usage printed after a wrong argument.
QString chartUsageText();

// The reading laid out as the reading window shows it: the Julian day,
// ayanamsa, ascendant and midheaven, then the table of the twelve houses and
// the table of the planets in them (or why there are none).
QString readingText(const Reading& reading);

// A batch line may be this long; a longer one gives an error object of its
// own, and the rest of it is skipped without being held.
inline constexpr std::size_t kMaxBatchLineBytes = std::size_t{64} * 1024;
// Readings are written out at least this often: lines, or bytes of input.
inline constexpr long long kBatchFlushLines = 1000;
inline constexpr std::size_t kBatchFlushBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kBatchChunkBytes = std::size_t{64} * 1024;

// Reads JSON Lines from in and writes one object a line to out, in input
// order, computing each block of lines on every processor. Returns the exit
// status: 0, or 1 when some line could not be used, the planets could not be
// computed, the input could not be read or the output not written.
int runBatch(std::FILE* in, std::ostream& out, std::ostream& err);

// Writes the files of a single reading; 0 when all were written, 1 after one
// line on err for each that was not. Needs a QGuiApplication.
int writeChartFiles(const ChartFiles& files, const BirthRecord& birth, const QString& warning,
                    std::ostream& err);

// The whole program after the application object has started (a
// QGuiApplication when chartArgumentsDraw): 0 on success, 1 when a reading
// file could not be used, a file could not be written or a batch had errors,
// 2 for wrong arguments.
int runChart(const QStringList& arguments, std::FILE* in, std::ostream& out, std::ostream& err);
