// One reading of the engine: the computation alone, and the computation with
// all 27 texts; and a full reading with the planets and their birth-time
// sensitivity; and everything a reading holds.

#include "engine/mod_bhava.h"
#include "many_births.h"
#include "planets/mod_planets.h"
#include "reading/reading.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

// The first worked example: 1 January 2000, 12:00, zone 5 h 30, 77°12' E,
// 28°36' N.
BirthRecord delhi2000() {
    BirthRecord b;
    b.Month = 1;
    b.Day = 1;
    b.Year = 2000;
    b.Hour = 12;
    b.ZoneHour = 5;
    b.ZoneMinute = 30;
    b.LonD = 77;
    b.LonM = 12;
    b.LonEast = true;
    b.LatD = 28;
    b.LatM = 36;
    return b;
}

// A full reading as the program makes it: a new result with its texts.
void BM_FullReading(benchmark::State& state) {
    const BirthRecord birth = delhi2000();
    for (auto _ : state) {
        BhavaResult result = ComputeBhava(birth);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_FullReading);

// A full reading into a result that is reused, as a batch does.
void BM_FullReadingReused(benchmark::State& state) {
    const BirthRecord birth = delhi2000();
    BhavaResult result;
    for (auto _ : state) {
        ComputeBhava(birth, result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_FullReadingReused);

// The values alone, without the texts.
void BM_ComputationAlone(benchmark::State& state) {
    const BirthRecord birth = delhi2000();
    BhavaResult result;
    for (auto _ : state) {
        computeBhavaValues(birth, result);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_ComputationAlone);

// The 27 texts alone.
void BM_TextsAlone(benchmark::State& state) {
    const BhavaResult values = ComputeBhava(delhi2000());
    for (auto _ : state) {
        for (double point : values.CuspPoints) {
            double copy = point;
            std::string text = ZodiacText(copy);
            benchmark::DoNotOptimize(text);
        }
        double copy = values.AyanamsaValue;
        std::string text = AngleText(copy);
        benchmark::DoNotOptimize(text);
    }
}
BENCHMARK(BM_TextsAlone);

// The reading as the program shows it: the houses with their texts, the
// nine bodies in them and how many minutes of birth time move each one.
void BM_FullReadingWithPlanets(benchmark::State& state) {
    const BirthRecord birth = delhi2000();
    BhavaResult result;
    for (auto _ : state) {
        ComputeBhava(birth, result);
        PlanetsOutcome planets = computePlanets(birth, result);
        benchmark::DoNotOptimize(planets);
    }
}
BENCHMARK(BM_FullReadingWithPlanets)->Unit(benchmark::kMicrosecond);

// The full reading with planets over many births.
void BM_FullReadingWithPlanetsManyBirths(benchmark::State& state) {
    const std::vector<BirthRecord> births = manyBirths();
    BhavaResult result;
    std::size_t next = 0;
    for (auto _ : state) {
        const BirthRecord& birth = births[next++ % births.size()];
        ComputeBhava(birth, result);
        PlanetsOutcome planets = computePlanets(birth, result);
        benchmark::DoNotOptimize(planets);
    }
}
BENCHMARK(BM_FullReadingWithPlanetsManyBirths)->Unit(benchmark::kMicrosecond);

// Everything a reading holds, as every front asks for it: the houses, the
// planets, the nakshatras, the sixteen divisional charts with their windows
// and the dasha.
void BM_MakeReading(benchmark::State& state) {
    const BirthRecord birth = delhi2000();
    Reading reading;
    for (auto _ : state) {
        MakeReading(birth, {}, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_MakeReading)->Unit(benchmark::kMicrosecond);

void BM_MakeReadingManyBirths(benchmark::State& state) {
    const std::vector<BirthRecord> births = manyBirths();
    Reading reading;
    std::size_t next = 0;
    for (auto _ : state) {
        MakeReading(births[next++ % births.size()], {}, reading);
        benchmark::DoNotOptimize(reading);
    }
}
BENCHMARK(BM_MakeReadingManyBirths)->Unit(benchmark::kMicrosecond);

} // namespace
