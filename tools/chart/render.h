#pragma once

// --pdf, --svg and --png: the printed reading as a PDF and the drawn chart as
// pictures, instead of the reading on standard output.

#include "reading/reading.h"
#include "tools/chart/request.h"

#include <QString>

#include <iosfwd>
#include <optional>

// Two of the files are one (the same name, or one through a link): what to
// say, or nothing when every file is its own.
std::optional<QString> sameOutputProblem(const ChartFiles& files);

// Writes the files of a reading: 0 when all were written, 1 after a line on
// err for each that was not (the others are written all the same) and for
// planets that could not be computed; 2 after one line, nothing written, when
// two of them are one file. Needs a QGuiApplication.
int writeChartFiles(const ChartFiles& files, Reading reading, std::ostream& err);
