#pragma once

// The planets of a reading: where each body stands in the houses' own frame,
// the Bhava that holds it, and how far the birth time may move before it
// stands in another.

#include "engine/bhava_result.h"
#include "engine/birth_record.h"
#include "engine/translatable.h"
#include "planets/planet_placement.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// The nine bodies in the order of a reading.
inline constexpr std::array<const char*, 9> kPlanetNames = {
    QT_TRANSLATE_NOOP("Planets", "Sun"),     QT_TRANSLATE_NOOP("Planets", "Moon"),
    QT_TRANSLATE_NOOP("Planets", "Mars"),    QT_TRANSLATE_NOOP("Planets", "Mercury"),
    QT_TRANSLATE_NOOP("Planets", "Jupiter"), QT_TRANSLATE_NOOP("Planets", "Venus"),
    QT_TRANSLATE_NOOP("Planets", "Saturn"),  QT_TRANSLATE_NOOP("Planets", "Rahu"),
    QT_TRANSLATE_NOOP("Planets", "Ketu")};

// The names of the twelve signs, Aries first (sign 1 at index 0).
inline constexpr std::array<const char*, 12> kSignNames = {
    QT_TRANSLATE_NOOP("Signs", "Aries"),       QT_TRANSLATE_NOOP("Signs", "Taurus"),
    QT_TRANSLATE_NOOP("Signs", "Gemini"),      QT_TRANSLATE_NOOP("Signs", "Cancer"),
    QT_TRANSLATE_NOOP("Signs", "Leo"),         QT_TRANSLATE_NOOP("Signs", "Virgo"),
    QT_TRANSLATE_NOOP("Signs", "Libra"),       QT_TRANSLATE_NOOP("Signs", "Scorpio"),
    QT_TRANSLATE_NOOP("Signs", "Sagittarius"), QT_TRANSLATE_NOOP("Signs", "Capricorn"),
    QT_TRANSLATE_NOOP("Signs", "Aquarius"),    QT_TRANSLATE_NOOP("Signs", "Pisces")};

// The farthest the birth time is moved, minutes, either way.
inline constexpr int kMaxSensitivityMinutes = 240;

// A sensitivity of this many minutes or fewer is worth a second look at the
// birth time: the reading shows it highlighted.
inline constexpr int kCloseSensitivityMinutes = 15;

// The planets of a reading, or why there are none.
struct PlanetsOutcome {
    std::optional<PlanetsReading> Reading;
    std::string Error; // a sentence for the user when Reading is empty
};

// The outcome's bodies, or bodies without names when none were computed: what
// the chart and the printed reading draw.
const PlanetsReading& PlanetsOf(const PlanetsOutcome& outcome);

// The nine bodies at the birth: apparent geocentric longitudes of date at the
// birth's universal time, made sidereal with the reading's own ayanamsa, their
// signs and Bhavas, and the birth-time sensitivity of each Bhava and of the
// ascendant's sign. houses is ComputeBhava's result for the same birth.
PlanetsOutcome computePlanets(const BirthRecord& birth, const BhavaResult& houses);

// Something the ascendant decides that changes only where the circle's
// Parts equal arcs meet, the first meeting at 0° Aries: its sign (12 parts),
// its sign in a divisional chart (12 times the division).
struct AscendantMeasure {
    int Parts = 12;
    std::function<int(double)> ValueAt; // of a sidereal longitude
};

// The fewest minutes earlier and later the birth time may move before
// something changes: 1 to kMaxSensitivityMinutes, none beyond.
struct MinuteWindow {
    std::optional<int> Earlier;
    std::optional<int> Later;
};

// How the search walks the minutes: in brackets refined to the minute
// wherever the houses' motion guarantees that no change is stepped over,
// every minute elsewhere; or every minute throughout, each body from a track
// fitted to three positions of the ephemeris (the slower way, which gives the
// same minutes).
enum class MinuteSearch { Bracketed, EveryMinute };

// computePlanets, with the windows of further measures of the ascendant, in
// their order.
PlanetsOutcome computePlanets(const BirthRecord& birth, const BhavaResult& houses,
                              const std::vector<AscendantMeasure>& measures,
                              std::vector<MinuteWindow>& windows,
                              MinuteSearch search = MinuteSearch::Bracketed);

// The windows of the measures alone, for a reading without planets.
std::vector<MinuteWindow> ascendantWindows(const BirthRecord& birth, const BhavaResult& houses,
                                           const std::vector<AscendantMeasure>& measures,
                                           MinuteSearch search = MinuteSearch::Bracketed);

// The same without the sensitivity, whose minutes stay empty.
PlanetsOutcome computePlacements(const BirthRecord& birth, const BhavaResult& houses);

// The Bhava (1..12) that holds a sidereal longitude. House h spans from the
// previous house's Sandhi (slot 2h - 3, slot 23 for house 1) to its own (slot
// 2h - 1) in zodiacal order; a point on a Sandhi belongs to the house that
// begins there; where spans overlap (near the poles), the first such house.
int bhavaOf(const std::array<double, 25>& cuspPoints, double longitude);
