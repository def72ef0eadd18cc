#pragma once

// The one shape of every mode of kelvaro-chart: it is handed the request and
// the program's streams, writes its output and every problem (failure.h), and
// returns the exit status. runChart (chart.h) picks the mode's command.

#include "tools/chart/request.h"

#include <cstdio>
#include <iosfwd>

struct ChartStreams {
    std::FILE* in; // standard input, read by --batch alone
    std::ostream& out;
    std::ostream& err;
};

using ChartCommand = int (*)(const ChartRequest& request, ChartStreams& streams);
