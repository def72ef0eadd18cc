// kelvaro-chart's batch: JSON Lines of births in, one reading a line out, on
// every processor as the program runs it; and the JSON of readings already
// made, the part of a batch line that is the writer's alone.

#include "many_births.h"
#include "reading/reading.h"
#include "tools/chart/batch.h"
#include "tools/reading_json.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <ostream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

namespace {

std::string batchLine(const BirthRecord& b) {
    std::ostringstream line;
    line << R"({"Month":)" << b.Month << R"(,"Day":)" << b.Day << R"(,"Year":)" << b.Year
         << R"(,"Hour":)" << b.Hour << R"(,"Minute":)" << b.Minute << R"(,"ZoneHour":)"
         << b.ZoneHour << R"(,"ZoneMinute":)" << b.ZoneMinute << R"(,"LonD":)" << b.LonD
         << R"(,"LonM":)" << b.LonM << R"(,"LonEast":)" << (b.LonEast ? "true" : "false")
         << R"(,"LatD":)" << b.LatD << R"(,"LatM":)" << b.LatM << R"(,"LatSouth":)"
         << (b.LatSouth ? "true" : "false") << R"(,"DST":false})" << '\n';
    return line.str();
}

// Output that is counted and dropped.
class CountingBuffer : public std::streambuf {
public:
    std::size_t bytes = 0;

protected:
    int overflow(int c) override {
        ++bytes;
        return c;
    }
    std::streamsize xsputn(const char* /*text*/, std::streamsize count) override {
        bytes += static_cast<std::size_t>(count);
        return count;
    }
};

// 1000 births through --batch, from a file to a stream that drops them.
void BM_Batch(benchmark::State& state) {
    std::FILE* in = std::tmpfile();
    for (const BirthRecord& birth : manyBirths()) {
        const std::string line = batchLine(birth);
        std::fwrite(line.data(), 1, line.size(), in);
    }
    CountingBuffer buffer;
    std::ostream out(&buffer);
    std::ostringstream err;
    for (auto _ : state) {
        std::rewind(in);
        benchmark::DoNotOptimize(runBatch(in, out, err));
    }
    std::fclose(in);
    state.SetItemsProcessed(state.iterations() * 1000);
    state.counters["bytes_per_line"] =
        static_cast<double>(buffer.bytes) / static_cast<double>(state.iterations() * 1000);
}
BENCHMARK(BM_Batch)->Unit(benchmark::kMillisecond)->UseRealTime();

// The JSON of 1000 readings already made, appended as a batch appends them.
void BM_ReadingJson(benchmark::State& state) {
    std::vector<Reading> readings;
    for (const BirthRecord& birth : manyBirths()) {
        readings.push_back(MakeReading(birth));
    }
    std::string out;
    for (auto _ : state) {
        out.clear();
        for (const Reading& reading : readings) {
            appendReadingJson(out, reading);
            out += '\n';
        }
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(readings.size()));
}
BENCHMARK(BM_ReadingJson)->Unit(benchmark::kMicrosecond);

} // namespace
