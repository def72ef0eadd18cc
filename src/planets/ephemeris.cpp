#include "planets/ephemeris.h"

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <swephexp.h>

#ifndef KELVARO_EPHE_DIR
#error "KELVARO_EPHE_DIR names the folder of the ephemeris files"
#endif

namespace {

std::mutex folderMutex;
std::string& folderText() {
    static std::string folder = KELVARO_EPHE_DIR;
    return folder;
}
// Changes with every new folder. The library keeps its settings per thread,
// so each thread hands it the folder again when this differs from what it saw.
std::atomic<unsigned> folderGeneration{1};
thread_local unsigned appliedGeneration = 0;

void applyFolder() {
    const unsigned generation = folderGeneration.load();
    if (generation == appliedGeneration) {
        return;
    }
    // Without an explicit folder the library would look in the current
    // folder first.
    const std::lock_guard lock(folderMutex);
    swe_set_ephe_path(folderText().c_str());
    appliedGeneration = generation;
}

int32 bodyNumber(Body body) {
    switch (body) {
    case Body::Sun:
        return SE_SUN;
    case Body::Moon:
        return SE_MOON;
    case Body::Mars:
        return SE_MARS;
    case Body::Mercury:
        return SE_MERCURY;
    case Body::Jupiter:
        return SE_JUPITER;
    case Body::Venus:
        return SE_VENUS;
    case Body::Saturn:
        return SE_SATURN;
    case Body::MeanNode:
        return SE_MEAN_NODE;
    }
    return SE_SUN;
}

// The longest SE_EPHE_PATH the library takes: its path texts leave room for
// a file's name. A longer one it passes over.
constexpr std::size_t kLongestPathVariable = AS_MAXCH - 1 - 13;

// The folder the library reads: the environment variable SE_EPHE_PATH, where
// it is set and the library takes it, comes before the folder it is handed.
std::string folderInUse() {
    const char* variable = std::getenv("SE_EPHE_PATH");
    const bool taken =
        variable != nullptr && *variable != '\0' && std::strlen(variable) <= kLongestPathVariable;
    return taken ? variable : ephemerisFolder();
}

std::string missingFilesText() {
    return "Planet positions need the Swiss Ephemeris files (Debian package swe-basic-data), "
           "which were not found in " +
           folderInUse() + ".";
}

} // namespace

std::string ephemerisFolder() {
    const std::lock_guard lock(folderMutex);
    return folderText();
}

void setEphemerisFolder(const std::string& folder) {
    const std::lock_guard lock(folderMutex);
    folderText() = folder;
    ++folderGeneration;
}

std::optional<EclipticPosition> bodyPosition(Body body, double julianDayUT, bool withSpeed,
                                             std::string& error) {
    applyFolder();
    const int32 flags = SEFLG_SWIEPH | (withSpeed ? SEFLG_SPEED : 0);
    double values[6] = {};
    char message[AS_MAXCH] = {};
    const int32 used = swe_calc_ut(julianDayUT, bodyNumber(body), flags, values, message);
    if (used < 0) {
        error =
            message[0] != '\0' ? std::string("Swiss Ephemeris: ") + message : missingFilesText();
        return std::nullopt;
    }
    // The library answers from its analytical model when the files are
    // missing, and says so only in the flags it returns.
    if ((used & SEFLG_SWIEPH) == 0) {
        error = missingFilesText();
        return std::nullopt;
    }
    EclipticPosition position;
    position.Longitude = values[0];
    position.Speed = withSpeed ? values[3] : 0;
    return position;
}

double passingTheSun(Body body) {
    switch (body) {
    case Body::Sun:
    case Body::Moon:
    case Body::MeanNode:
        return 0;
    default:
        return 0.002;
    }
}

void releaseEphemerisOfThisThread() {
    swe_close();
    // The library forgets its folder too: hand it over again should this
    // thread ask for more.
    appliedGeneration = 0;
}
