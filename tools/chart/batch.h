#pragma once

// --batch: JSON Lines of births on standard input, one reading (or the
// line's error) a line on standard output, in input order, each block of
// lines computed on every processor.

#include "tools/chart/command.h"

#include <cstddef>
#include <cstdio>
#include <iosfwd>

// A batch line may be this long; a longer one gives an error object of its
// own, and the rest of it is skipped without being held.
inline constexpr std::size_t kMaxBatchLineBytes = std::size_t{64} * 1024;
// Readings are written out at least this often: lines, or bytes of input.
inline constexpr long long kBatchFlushLines = 1000;
inline constexpr std::size_t kBatchFlushBytes = std::size_t{64} * 1024;
inline constexpr std::size_t kBatchChunkBytes = std::size_t{64} * 1024;

// Reads JSON Lines from in and writes one object a line to out; the lines
// read are answered, and out flushed, whenever no more input is waiting, so a
// program may write a line and wait for its answer. Returns the
// exit status: 0, or 1 when some line could not be used, the planets could
// not be computed, the input could not be read or the output not written.
int runBatch(std::FILE* in, std::ostream& out, std::ostream& err);

int runBatch(const ChartRequest& request, ChartStreams& streams);
