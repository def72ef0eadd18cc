#pragma once

// What one run of kelvaro-chart is asked to do: the mode the arguments chose
// and everything they gave it. The options fill it in (options.h), and every
// mode reads what it needs from it (command.h).

#include "chart/bhava_chart.h"
#include "document/reading_document.h"
#include "engine/birth_record.h"
#include "translation/language.h"
#include "vedic/dasha.h"

#include <QString>

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
    // The year the dasha is counted in (--dasha-year).
    DashaYear dashaYear = DashaYear::Sidereal;
    // The language of the printed text and the files (--language); the JSON
    // stays English.
    Language language = Language::English;
};
