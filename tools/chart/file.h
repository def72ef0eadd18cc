#pragma once

// The birth of a saved reading file, read as the window opens it: its zone
// checked at the birth as the options' is.

#include "tools/chart/command.h"

int runFile(const ChartRequest& request, ChartStreams& streams);
