// kelvaro-chart's batch: JSON Lines of births in, one reading a line out, on
// every processor as the program runs it; the floor it is measured against,
// the ephemeris asked for the eight bodies once per birth in date order; and
// the JSON of readings already made, the part of a batch line that is the
// writer's alone.

#include "engine/mod_bhava.h"
#include "many_births.h"
#include "planets/ephemeris.h"
#include "reading/reading.h"
#include "tools/chart/batch.h"
#include "tools/reading_json.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <ostream>
#include <random>
#include <sstream>
#include <streambuf>
#include <string>
#include <swephexp.h>
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

// Births through --batch, from a file to a stream that drops them.
void BM_Batch(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    std::FILE* in = std::tmpfile();
    for (const BirthRecord& birth : manyBirths(count)) {
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
    const auto lines = state.iterations() * state.range(0);
    state.SetItemsProcessed(lines);
    state.counters["bytes_per_line"] =
        static_cast<double>(buffer.bytes) / static_cast<double>(lines);
}
BENCHMARK(BM_Batch)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor of a batch: the same births' eight bodies, with their speeds,
// straight from the ephemeris once per birth in date order on one processor,
// and nothing else.
void BM_EphemerisFloor(benchmark::State& state) {
    std::vector<double> days;
    for (const BirthRecord& birth : manyBirths(static_cast<std::size_t>(state.range(0)))) {
        days.push_back(julianDayUT(birthMoment(birth)));
    }
    std::sort(days.begin(), days.end());
    const std::string folder = ephemerisFolder();
    swe_set_ephe_path(folder.c_str());
    constexpr int32 kBodies[] = {SE_SUN,     SE_MOON,  SE_MARS,   SE_MERCURY,
                                 SE_JUPITER, SE_VENUS, SE_SATURN, SE_MEAN_NODE};
    double values[6] = {};
    char message[AS_MAXCH] = {};
    for (auto _ : state) {
        for (const double day : days) {
            for (const int32 body : kBodies) {
                if (swe_calc_ut(day, body, SEFLG_SWIEPH | SEFLG_SPEED, values, message) < 0) {
                    state.SkipWithError(message);
                    return;
                }
                benchmark::DoNotOptimize(values);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EphemerisFloor)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

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
