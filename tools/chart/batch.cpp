#include "tools/chart/batch.h"

#include "planets/ephemeris.h"
#include "reading/reading.h"
#include "tools/birth_input.h"
#include "tools/chart/failure.h"
#include "tools/reading_json.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <poll.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// One batch line as read: its text, or too long to be held.
struct BatchInputLine {
    std::string text;
    bool tooLong = false;
};

// What one worker made of its share of a block of batch lines.
struct BatchShare {
    std::string output;
    bool someLineFailed = false;
    std::string planetsError; // the first, when the planets could not be computed
};

void computeShare(const std::vector<BatchInputLine>& lines, std::size_t begin, std::size_t end,
                  long long firstNumber, BatchShare& share) {
    Reading reading;
    ReadingOptions options;
    for (std::size_t i = begin; i < end; ++i) {
        const long long number = firstNumber + static_cast<long long>(i);
        if (lines[i].tooLong) {
            appendBatchErrorJson(
                share.output, number,
                QStringLiteral("the line is longer than %1 bytes").arg(kMaxBatchLineBytes));
            share.someLineFailed = true;
        } else if (const BatchLine batchLine = readBatchLine(lines[i].text); batchLine.birth) {
            options.dashaYear = batchLine.dashaYear;
            MakeReading(*batchLine.birth, options, reading);
            if (!reading.planets.Reading && share.planetsError.empty()) {
                share.planetsError = reading.planets.Error;
            }
            appendReadingJson(share.output, reading);
        } else {
            appendBatchErrorJson(share.output, number, batchLine.error);
            share.someLineFailed = true;
        }
        share.output += '\n';
    }
}

// Lines are gathered into blocks; the processors share each block in
// consecutive runs, and the runs are written in input order.
class BatchBlocks {
public:
    explicit BatchBlocks(std::ostream& out)
        : out_(out), processors_(std::max(1U, std::thread::hardware_concurrency())) {}

    void add(BatchInputLine line) {
        blockBytes_ += line.text.size();
        lines_.push_back(std::move(line));
    }
    bool full() const {
        return lines_.size() >= static_cast<std::size_t>(kBatchFlushLines) ||
               blockBytes_ >= kBatchFlushBytes;
    }
    // Computes the block, writes it out and empties it; false when the
    // output failed.
    bool flush() {
        if (!lines_.empty()) {
            compute();
        }
        out_.flush();
        return static_cast<bool>(out_);
    }
    long long linesDone() const { return number_; }
    bool someLineFailed() const { return someLineFailed_; }
    const std::string& planetsError() const { return planetsError_; }

private:
    static constexpr std::size_t kLinesPerWorker = 32;

    void compute() {
        const std::size_t workers =
            std::min(processors_, (lines_.size() + kLinesPerWorker - 1) / kLinesPerWorker);
        shares_.assign(workers, BatchShare{});
        const auto bounds = [&](std::size_t w) { return w * lines_.size() / workers; };
        std::vector<std::thread> threads;
        for (std::size_t w = 1; w < workers; ++w) {
            threads.emplace_back([this, begin = bounds(w), end = bounds(w + 1), w] {
                computeShare(lines_, begin, end, number_ + 1, shares_[w]);
                releaseEphemerisOfThisThread();
            });
        }
        computeShare(lines_, 0, bounds(1), number_ + 1, shares_[0]);
        for (std::thread& thread : threads) {
            thread.join();
        }
        for (const BatchShare& share : shares_) {
            out_.write(share.output.data(), static_cast<std::streamsize>(share.output.size()));
            someLineFailed_ = someLineFailed_ || share.someLineFailed;
            if (planetsError_.empty()) {
                planetsError_ = share.planetsError;
            }
        }
        number_ += static_cast<long long>(lines_.size());
        lines_.clear();
        blockBytes_ = 0;
    }

    std::ostream& out_;
    std::size_t processors_;
    std::vector<BatchInputLine> lines_;
    std::size_t blockBytes_ = 0;
    std::vector<BatchShare> shares_;
    long long number_ = 0;
    bool someLineFailed_ = false;
    std::string planetsError_;
};

// What reading the input came to.
struct LinesRead {
    bool outputFailed = false;
    bool inputFailed = false;
};

// Whether more input can be read at once. A file always can; a pipe whose
// writer waits for the answers cannot.
bool moreInputWaiting(int input) {
    pollfd waiting{input, POLLIN, 0};
    return ::poll(&waiting, 1, 0) > 0;
}

// Reads what there is, at most a chunk: the bytes read, 0 at the end, -1 on
// an error.
ssize_t readSome(int input, std::vector<char>& chunk) {
    for (;;) {
        const ssize_t got = ::read(input, chunk.data(), chunk.size());
        if (got >= 0 || errno != EINTR) {
            return got;
        }
    }
}

// Reads in a chunk at a time and hands each line to blocks as it ends. The
// lines gathered are answered when a block is full, or as soon as no more
// input is waiting, so that a program that writes a line and waits gets its
// answer. Memory stays bounded whatever the input: a chunk, one line of at
// most kMaxBatchLineBytes, and a block of lines.
LinesRead readLines(std::FILE* in, BatchBlocks& blocks) {
    const int input = ::fileno(in);
    std::vector<char> chunk(kBatchChunkBytes);
    BatchInputLine line;
    LinesRead read;
    const auto finishLine = [&] {
        // The line's length is counted without a CR of its CR LF end.
        if (!line.tooLong && !line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
        }
        if (line.text.size() > kMaxBatchLineBytes) {
            line.tooLong = true;
            line.text = std::string();
        }
        blocks.add(std::move(line));
        line = BatchInputLine{};
        if (blocks.full()) {
            read.outputFailed = !blocks.flush();
        }
    };
    for (;;) {
        const ssize_t got = readSome(input, chunk);
        if (got <= 0) {
            read.inputFailed = got < 0;
            break;
        }
        const auto size = static_cast<std::size_t>(got);
        std::size_t from = 0;
        while (from < size && !read.outputFailed) {
            const char* start = chunk.data() + from;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', size - from));
            const std::size_t length =
                newline != nullptr ? static_cast<std::size_t>(newline - start) : size - from;
            if (!line.tooLong) {
                if (line.text.size() + length > kMaxBatchLineBytes + 1) {
                    line.tooLong = true;
                    line.text = std::string();
                } else {
                    line.text.append(start, length);
                }
            }
            from += length;
            if (newline != nullptr) {
                ++from;
                finishLine();
            }
        }
        if (!read.outputFailed && !moreInputWaiting(input)) {
            read.outputFailed = !blocks.flush();
        }
        if (read.outputFailed) {
            break;
        }
    }
    // A last line without its end.
    if (!read.outputFailed && !read.inputFailed && (!line.text.empty() || line.tooLong)) {
        finishLine();
    }
    return read;
}

} // namespace

int runBatch(std::FILE* in, std::ostream& out, std::ostream& err) {
    BatchBlocks blocks(out);
    const LinesRead read = readLines(in, blocks);
    if (read.outputFailed || !blocks.flush()) {
        return fail(err, QStringLiteral("cannot write the readings"));
    }
    if (read.inputFailed) {
        return fail(err, QStringLiteral("cannot read the births from standard input after line %1")
                             .arg(blocks.linesDone()));
    }
    if (!blocks.planetsError().empty()) {
        return fail(err, QString::fromStdString(blocks.planetsError()));
    }
    return blocks.someLineFailed() ? kChartFailed : kChartDone;
}

int runBatch(const ChartRequest& /*request*/, ChartStreams& streams) {
    return runBatch(streams.in, streams.out, streams.err);
}
