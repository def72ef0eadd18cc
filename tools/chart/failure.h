#pragma once

// The one way kelvaro-chart fails: a line "kelvaro-chart: <what>" on standard
// error, and one of three exit statuses.

#include <QString>

#include <iosfwd>

inline constexpr int kChartDone = 0;
// A reading file, a place or some batch line could not be used, the local
// time did not exist, a file could not be written, the planets could not be
// computed.
inline constexpr int kChartFailed = 1;
// The arguments ask for nothing kelvaro-chart can do.
inline constexpr int kChartWrongArguments = 2;

// Writes text to stream as UTF-8.
void writeText(std::ostream& stream, const QString& text);

// Every problem, as one line on err.
void writeError(std::ostream& err, const QString& what);

// The same, for a run that ends with it: kChartFailed.
int fail(std::ostream& err, const QString& what);

// The end of a run that printed to out: status, or kChartFailed with a line
// on err when out could not take what was written.
int finishOutput(std::ostream& out, std::ostream& err, int status);
