// Whole-process start-up of Kelvaro and of a bare Qt window with a menu bar:
// each iteration launches the program, which quits after its first paint, and
// waits for it. Wall time is the manual time; the child's peak resident set
// is the counter peak_rss_kB.
//
//   startup_bench --benchmark_repetitions=11 --benchmark_report_aggregates_only=true
//
// kelvaro is the usual start (the update reminder ran less than fifteen days
// ago, so the settings are only read); kelvaro_hindi and kelvaro_tamil are
// the same start under a Hindi or Tamil locale, which loads that language's
// catalogue; kelvaro_first_start begins each run without settings, so the
// reminder stores its date. The programs are looked
// up next to this one; without a display they use the offscreen platform.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

fs::path programFolder() {
    return fs::read_symlink("/proc/self/exe").parent_path();
}

// A folder for the settings files of the runs, removed at the end.
class ScratchFolder {
public:
    ScratchFolder() : path(fs::temp_directory_path() / "kelvaro-startup-bench") {
        fs::create_directories(path);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    ScratchFolder(ScratchFolder&&) = delete;
    ScratchFolder& operator=(ScratchFolder&&) = delete;

    fs::path path;
};

ScratchFolder& scratch() {
    static ScratchFolder folder;
    return folder;
}

struct Run {
    double seconds = 0;
    long peakKilobytes = 0;
};

// Launches the program with its arguments and waits for it; nothing when it
// cannot start or fails.
std::optional<Run> launch(const std::string& program, std::vector<std::string> arguments) {
    const std::string path = (programFolder() / program).string();
    arguments.insert(arguments.begin(), path);
    std::vector<char*> argv;
    argv.reserve(arguments.size() + 1);
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);

    const auto begin = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return std::nullopt;
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child) {
        return std::nullopt;
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return Run{std::chrono::duration<double>(end - begin).count(), usage.ru_maxrss};
}

enum class Settings { None, Usual, FirstStart };

void BM_Startup(benchmark::State& state, const std::string& program, Settings settings,
                const std::string& locale = {}) {
    std::vector<std::string> arguments;
    fs::path settingsFile;
    if (settings != Settings::None) {
        settingsFile = scratch().path / (settings == Settings::Usual ? "usual.ini" : "first.ini");
        arguments.push_back(settingsFile.string());
    }
    if (!locale.empty()) {
        arguments.push_back(locale);
    }
    if (settings == Settings::Usual && !fs::exists(settingsFile) && !launch(program, arguments)) {
        // The first, untimed run stores the reminder date for the others.
        state.SkipWithError("the program failed");
        return;
    }
    long peak = 0;
    for (auto _ : state) {
        if (settings == Settings::FirstStart) {
            std::error_code ignored;
            fs::remove(settingsFile, ignored);
        }
        const std::optional<Run> run = launch(program, arguments);
        if (!run) {
            state.SkipWithError("the program failed");
            break;
        }
        state.SetIterationTime(run->seconds);
        peak = std::max(peak, run->peakKilobytes);
    }
    state.counters["peak_rss_kB"] = static_cast<double>(peak);
}

} // namespace

BENCHMARK_CAPTURE(BM_Startup, kelvaro, std::string("startup_kelvaro"), Settings::Usual)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Startup, kelvaro_hindi, std::string("startup_kelvaro"), Settings::Usual,
                  std::string("hi_IN"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Startup, kelvaro_tamil, std::string("startup_kelvaro"), Settings::Usual,
                  std::string("ta_IN"))
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Startup, kelvaro_first_start, std::string("startup_kelvaro"),
                  Settings::FirstStart)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Startup, bare_window, std::string("startup_bare_window"), Settings::None)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
