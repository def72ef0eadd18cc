#pragma once

// --places: the places of the atlas for a text, one a line; and the atlas as
// the command line reads it, for --place too.

#include "atlas/atlas.h"
#include "tools/chart/command.h"

#include <QString>

#include <cstddef>
#include <optional>

// The most places --places lists.
inline constexpr std::size_t kListedPlaces = 20;

// The atlas, or nothing and why it cannot be read in error.
std::optional<Atlas> loadChartAtlas(QString& error);

// The problem of a text that no place matches.
QString noPlaceError(const QString& text);

int runPlaces(const ChartRequest& request, ChartStreams& streams);
