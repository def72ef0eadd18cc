#include "tools/chart/batch.h"

#include "engine/mod_bhava.h"
#include "planets/ephemeris.h"
#include "reading/reading.h"
#include "tools/birth_input.h"
#include "tools/chart/failure.h"
#include "tools/chart/worker_pool.h"
#include "tools/reading_json.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <functional>
#include <optional>
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

// What one worker found in its shares of a block of batch lines.
struct WorkerNotes {
    bool someLineFailed = false;
    std::string planetsError; // the first, when the planets could not be computed
    Reading reading;          // reused from one birth to the next
};

// A line as parsed: the birth and its universal time, or nothing once its
// answer (an error) is written.
struct ParsedLine {
    std::optional<BirthRecord> birth;
    DashaYear dashaYear = DashaYear::Sidereal;
    double day = 0;
};

// Lines are gathered into blocks. The processors parse each block in
// consecutive runs, then compute its births in the order of their universal
// time, so that each meets the ephemeris's files where it last read them,
// and the answers are written in input order.
class BatchBlocks {
public:
    explicit BatchBlocks(std::ostream& out)
        : out_(out),
          pool_(std::max(1U, std::thread::hardware_concurrency()), releaseEphemerisOfThisThread),
          notes_(pool_.size()) {}

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
    bool someLineFailed() const {
        return std::any_of(notes_.begin(), notes_.end(),
                           [](const WorkerNotes& n) { return n.someLineFailed; });
    }
    std::string planetsError() const {
        for (const WorkerNotes& n : notes_) {
            if (!n.planetsError.empty()) {
                return n.planetsError;
            }
        }
        return {};
    }

private:
    static constexpr std::size_t kLinesPerWorker = 32;

    // Runs job(i) for every i below count on the workers, each taking a
    // consecutive run.
    void shareOut(std::size_t count, const std::function<void(std::size_t, WorkerNotes&)>& job) {
        const std::size_t workers =
            std::min(pool_.size(), (count + kLinesPerWorker - 1) / kLinesPerWorker);
        pool_.run(workers, [&](std::size_t w) {
            for (std::size_t i = w * count / workers; i < (w + 1) * count / workers; ++i) {
                job(i, notes_[w]);
            }
        });
    }

    void parse(std::size_t i, WorkerNotes& notes) {
        const long long number = number_ + 1 + static_cast<long long>(i);
        parsed_[i] = ParsedLine{};
        outputs_[i].clear();
        if (lines_[i].tooLong) {
            appendBatchErrorJson(
                outputs_[i], number,
                QStringLiteral("the line is longer than %1 bytes").arg(kMaxBatchLineBytes));
            notes.someLineFailed = true;
        } else if (BatchLine batchLine = readBatchLine(lines_[i].text); batchLine.birth) {
            parsed_[i].day = julianDayUT(birthMoment(*batchLine.birth));
            parsed_[i].birth = std::move(batchLine.birth);
            parsed_[i].dashaYear = batchLine.dashaYear;
        } else {
            appendBatchErrorJson(outputs_[i], number, batchLine.error);
            notes.someLineFailed = true;
        }
    }

    void answer(std::size_t i, WorkerNotes& notes) {
        const ParsedLine& line = parsed_[i];
        ReadingOptions options;
        options.dashaYear = line.dashaYear;
        MakeReading(*line.birth, options, notes.reading);
        if (!notes.reading.planets.Reading && notes.planetsError.empty()) {
            notes.planetsError = notes.reading.planets.Error;
        }
        appendReadingJson(outputs_[i], notes.reading);
    }

    void compute() {
        const std::size_t count = lines_.size();
        parsed_.resize(count);
        outputs_.resize(count);
        shareOut(count, [this](std::size_t i, WorkerNotes& notes) { parse(i, notes); });
        order_.clear();
        for (std::size_t i = 0; i < count; ++i) {
            if (parsed_[i].birth) {
                order_.push_back(i);
            }
        }
        std::stable_sort(order_.begin(), order_.end(), [this](std::size_t a, std::size_t b) {
            return parsed_[a].day < parsed_[b].day;
        });
        shareOut(order_.size(),
                 [this](std::size_t j, WorkerNotes& notes) { answer(order_[j], notes); });
        for (std::size_t i = 0; i < count; ++i) {
            outputs_[i] += '\n';
            out_.write(outputs_[i].data(), static_cast<std::streamsize>(outputs_[i].size()));
        }
        number_ += static_cast<long long>(count);
        lines_.clear();
        blockBytes_ = 0;
    }

    std::ostream& out_;
    WorkerPool pool_;
    std::vector<WorkerNotes> notes_;
    std::vector<BatchInputLine> lines_;
    std::size_t blockBytes_ = 0;
    std::vector<ParsedLine> parsed_;
    std::vector<std::string> outputs_; // each line's answer, its room kept for the next block
    std::vector<std::size_t> order_;   // the lines with births, by universal time
    long long number_ = 0;
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
