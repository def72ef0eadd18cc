#pragma once

// kelvaro-chart's usage, its help and its version: the usage lines are
// written once and open both the short usage and the help.

#include "tools/chart/command.h"

#include <QString>

// The short usage printed after wrong arguments.
QString chartUsageText();

// The full --help text, with an example for every option.
QString chartHelpText();

// --help and --version.
int runHelp(const ChartRequest& request, ChartStreams& streams);
int runVersion(const ChartRequest& request, ChartStreams& streams);
