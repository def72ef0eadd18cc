#include "tools/chart/batch.h"

#include "planets/ephemeris.h"
#include "reading/reading.h"
#include "tools/birth_input.h"
#include "tools/chart/failure.h"
#include "tools/reading_json.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <string>
#include <thread>
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

// Reads in a chunk at a time and hands each line to blocks as it ends; false
// when the output failed. Memory stays bounded whatever the input: a chunk,
// one line of at most kMaxBatchLineBytes, and a block of lines.
bool readLines(std::FILE* in, BatchBlocks& blocks) {
    std::vector<char> chunk(kBatchChunkBytes);
    BatchInputLine line;
    bool outputFailed = false;
    const auto finishLine = [&] {
        blocks.add(std::move(line));
        line = BatchInputLine{};
        if (blocks.full()) {
            outputFailed = !blocks.flush();
        }
    };
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        std::size_t from = 0;
        while (from < got && !outputFailed) {
            const char* start = chunk.data() + from;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', got - from));
            const std::size_t length =
                newline != nullptr ? static_cast<std::size_t>(newline - start) : got - from;
            if (!line.tooLong) {
                if (line.text.size() + length > kMaxBatchLineBytes) {
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
        if (outputFailed || got < chunk.size()) {
            break;
        }
    }
    // A last line without its end.
    if (!outputFailed && (!line.text.empty() || line.tooLong) && !std::ferror(in)) {
        finishLine();
    }
    return !outputFailed;
}

} // namespace

int runBatch(std::FILE* in, std::ostream& out, std::ostream& err) {
    BatchBlocks blocks(out);
    if (!readLines(in, blocks) || !blocks.flush()) {
        return fail(err, QStringLiteral("cannot write the readings"));
    }
    if (std::ferror(in)) {
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
