#pragma once

#include "chart/bhava_chart.h"
#include "reading/reading.h"

#include <QString>

// The drawn chart alone as a picture file: PNG or SVG.

#include <cstddef>
#include <optional>

// The divisional chart kVargas[index] of the reading as the painter draws it;
// its bodies are left out without planets.
VargaChartFigure VargaFigureOf(const Reading& reading, std::size_t index);

inline constexpr int kChartPicturePixels = 1200; // a PNG's side

enum class PictureFormat { Png, Svg };

// SVG for a path ending in ".svg" (in any case), PNG for any other.
PictureFormat PictureFormatOf(const QString& path);

struct PictureSaveResult {
    bool saved = false;
    QString error; // why not, when not saved
};

// Writes the chart at path as the reading files are written (SaveFileBytes:
// atomically onto a file, directly into a pipe or a character device): a
// PNG of kChartPicturePixels square on white, or an SVG of the same size whose
// description holds each house's text for screen readers. The Bhava chart,
// or with varga the divisional chart kVargas[*varga].
PictureSaveResult WriteChartPicture(const QString& path, const Reading& reading, ChartStyle style,
                                    PictureFormat format,
                                    std::optional<std::size_t> varga = std::nullopt);
