#pragma once

// kelvaro-chart: the engine on the command line. The arguments become one
// request (options.h), and the request's mode one command (command.h) in a
// file of its own; every problem ends the same way (failure.h).
//
// A new mode is a value of ChartMode, the branch of options.cpp that chooses
// it, a file with its command, and its case in commandOf (chart.cpp).

#include <QStringList>

#include <cstdio>
#include <iosfwd>

// The whole program after the application object has started (a
// QGuiApplication when chartArgumentsDraw): 0 on success, 1 when a reading
// file could not be used, a file could not be written or a batch had errors,
// 2 for wrong arguments, after one line and the usage on err.
int runChart(const QStringList& arguments, std::FILE* in, std::ostream& out, std::ostream& err);
