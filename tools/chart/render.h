#pragma once

// --pdf, --svg and --png: the printed reading as a PDF and the drawn chart as
// pictures, instead of the reading on standard output.

#include "reading/reading.h"
#include "tools/chart/request.h"

#include <iosfwd>

// Writes the files of a reading: 0 when all were written, 1 after a line on
// err for each that was not (the others are written all the same) and for
// planets that could not be computed. Needs a QGuiApplication.
int writeChartFiles(const ChartFiles& files, Reading reading, std::ostream& err);
