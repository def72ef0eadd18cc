#pragma once

// Planet positions from Swiss Ephemeris, read from its data files.

#include <optional>
#include <string>

// The bodies the ephemeris is asked for. Ketu is the point opposite the mean
// node and needs no question of its own.
enum class Body { Sun, Moon, Mars, Mercury, Jupiter, Venus, Saturn, MeanNode };

// A body's apparent geocentric ecliptic longitude of date, tropical.
struct EclipticPosition {
    double Longitude = 0; // degrees, 0 to below 360
    double Speed = 0;     // degrees a day; negative while the body moves backwards
};

// The folder that holds the ephemeris files. Until it is changed it is the
// folder the program was built with (the build option KELVARO_EPHE_DIR). The
// environment variable SE_EPHE_PATH, which Swiss Ephemeris reads itself,
// comes before it.
std::string ephemerisFolder();
void setEphemerisFolder(const std::string& folder);

// The position at a Julian day in universal time, with the speed when asked
// (it costs about half as much again). Nothing, and error set to a sentence
// for the user, when the files are missing or unreadable: the library would
// otherwise fall back on its analytical model, whose Moon is some seconds of
// arc off, without a word.
std::optional<EclipticPosition> bodyPosition(Body body, double julianDayUT, bool withSpeed,
                                             std::string& error);

// How far a planet's apparent longitude may stray, degrees, over the hours
// its light passes the Sun, from any smooth path through its positions
// before and after: the Sun bends the light by at most 1.75 seconds of arc
// at its edge, and this allows four times as much again. Nought for the
// Sun, the Moon and the node.
double passingTheSun(Body body);

// The library keeps open files and buffers for each thread that asked it for
// a position. A thread other than the main one calls this before it ends, or
// they are lost with it.
void releaseEphemerisOfThisThread();
