#pragma once

// --places: the places of the atlas for a text, one a line; and the look-up
// in the atlas, for --place too.

#include "atlas/atlas.h"
#include "tools/chart/command.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <vector>

// The most places --places lists.
inline constexpr std::size_t kListedPlaces = 20;

// The places of the atlas a text names, at most limit of them, in the order
// the window's suggestions list them; nothing, and why in error, when the
// atlas cannot be read.
std::optional<std::vector<Place>> findChartPlaces(const QString& text, std::size_t limit,
                                                  QString& error);

// The problem of a text that no place matches.
QString noPlaceError(const QString& text);

int runPlaces(const ChartRequest& request, ChartStreams& streams);
