// The atlas: reading it (the window's load, on its own thread after start-up),
// one --place look-up of the command line (under 50 ms), searching it as a
// user types (at most 5 ms a keystroke over the whole atlas), the nearest
// place to typed coordinates and the zone in force at a birth.

#include "atlas/atlas.h"
#include "atlas/zone_at_birth.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>

namespace {

const Atlas& installedAtlas() {
    static const Atlas atlas = [] {
        AtlasLoad load = Atlas::load(DefaultAtlasFolder());
        if (!load.atlas) {
            std::cerr << load.error.toStdString() << '\n';
            std::exit(1);
        }
        return std::move(*load.atlas);
    }();
    return atlas;
}

void BM_LoadAtlas(benchmark::State& state) {
    for (auto _ : state) {
        AtlasLoad load = Atlas::load(DefaultAtlasFolder());
        benchmark::DoNotOptimize(load);
    }
}
BENCHMARK(BM_LoadAtlas)->Unit(benchmark::kMillisecond);

// One --place reading by loading the whole atlas and choosing in it.
void BM_PlaceByLoad(benchmark::State& state) {
    for (auto _ : state) {
        AtlasLoad load = Atlas::load(DefaultAtlasFolder());
        const Place* place = load.atlas->choose(u"Prayagraj");
        benchmark::DoNotOptimize(place);
    }
}
BENCHMARK(BM_PlaceByLoad)->Unit(benchmark::kMillisecond);

// One --place reading straight from the files: a short name, a long one, one
// letter (the most names to key) and a narrowed one.
void BM_FindPlace(benchmark::State& state, const char16_t* typed) {
    const QString text = QString::fromUtf16(typed);
    for (auto _ : state) {
        PlacesFound found = FindPlaces(DefaultAtlasFolder(), text, 1);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(BM_FindPlace, prayagraj, u"Prayagraj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPlace, s, u"s")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPlace, london_ca, u"London, CA")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FindPlace, moskva, u"Москва")->Unit(benchmark::kMillisecond);

// One keystroke: the popup's list for the text typed so far. One letter is
// the slowest case, since the most keys begin with it.
void BM_SearchKeystroke(benchmark::State& state, const char16_t* typed) {
    const Atlas& atlas = installedAtlas();
    const QString text = QString::fromUtf16(typed);
    for (auto _ : state) {
        auto found = atlas.search(text, 12);
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK_CAPTURE(BM_SearchKeystroke, s, u"s")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, a, u"a")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, san, u"san")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, zurich, u"zürich")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SearchKeystroke, s_texas, u"s, texas")->Unit(benchmark::kMicrosecond);

// Typing a whole name, a search for each letter.
void BM_TypeKathmandu(benchmark::State& state) {
    const Atlas& atlas = installedAtlas();
    const QString name = QStringLiteral("Kathmandu");
    for (auto _ : state) {
        for (qsizetype n = 1; n <= name.size(); ++n) {
            auto found = atlas.search(name.left(n), 12);
            benchmark::DoNotOptimize(found);
        }
    }
}
BENCHMARK(BM_TypeKathmandu)->Unit(benchmark::kMicrosecond);

void BM_NearestPlace(benchmark::State& state) {
    const Atlas& atlas = installedAtlas();
    for (auto _ : state) {
        auto nearby = atlas.nearest(18.47, 73.86);
        benchmark::DoNotOptimize(nearby);
    }
}
BENCHMARK(BM_NearestPlace)->Unit(benchmark::kMicrosecond);

void BM_ZoneAtBirth(benchmark::State& state) {
    for (auto _ : state) {
        auto zone = ZoneAt("America/New_York", QDate(2021, 11, 7), QTime(1, 30), -74.0);
        benchmark::DoNotOptimize(zone);
    }
}
BENCHMARK(BM_ZoneAtBirth)->Unit(benchmark::kMicrosecond);

} // namespace
