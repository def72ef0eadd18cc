#pragma once

#include "chart/bhava_chart.h"

#include <cstddef>
#include <optional>

class App;
class QWidget;

// The reading on screen sent out of the program, each through its dialog:
// printed (with a preview), written as a PDF, or its chart saved as a
// picture, the chart drawn in the style given. A file that cannot be written
// is reported; a dialog cancelled does nothing.
void PrintReading(App& app, QWidget* parent, ChartStyle style);
void ExportReadingPdf(App& app, QWidget* parent, ChartStyle style);
// The picture is of the chart on screen: the Bhava chart, or with varga the
// divisional chart kVargas[*varga].
void SaveChartPicture(App& app, QWidget* parent, ChartStyle style,
                      std::optional<std::size_t> varga = std::nullopt);
