#pragma once

// One birth from the options: with --place, its coordinates and the zone in
// force at the birth from the atlas, save what the options gave.

#include "tools/chart/command.h"

int runSingle(const ChartRequest& request, ChartStreams& streams);
