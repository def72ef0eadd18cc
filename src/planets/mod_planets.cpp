#include "planets/mod_planets.h"

#include "engine/circle.h"
#include "engine/mod_bhava.h"
#include "planets/ephemeris.h"
#include "planets/position_track.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// The bodies asked of the ephemeris, and for each of the nine of a reading
// the body it stands on and how far round from it: Ketu is the node's
// opposite point.
constexpr std::array<Body, 8> kEphemerisBodies = {Body::Sun,     Body::Moon,    Body::Mars,
                                                  Body::Mercury, Body::Jupiter, Body::Venus,
                                                  Body::Saturn,  Body::MeanNode};
constexpr std::array<std::size_t, 9> kSourceBody = {0, 1, 2, 3, 4, 5, 6, 7, 7};
constexpr std::array<double, 9> kTurn = {0, 0, 0, 0, 0, 0, 0, 0, 180};
constexpr std::size_t kFirstNode = 7; // Rahu and Ketu, which always move backwards

// Where a track passes nearer a Sandhi than this, degrees, the exact position
// decides the minute instead. The tracks are good to about five millionths
// of a degree, so elsewhere they put each minute's body in the very Bhava its
// exact position would.
constexpr double kTrackTolerance = 1e-4;

// The arc from one point forward to another in zodiacal order, 0 to below 360.
double arcForward(double from, double to) {
    double arc = to - from;
    if (arc < 0) {
        arc += 360;
        // A point a hair before the start is almost a whole turn on, even
        // where adding the turn rounds to 360.
        if (arc >= 360) {
            arc = std::nextafter(360.0, 0.0);
        }
    } else if (arc >= 360) {
        arc -= 360;
    }
    return arc;
}

// A tropical longitude moved into the houses' frame, 0 to below 360.
double siderealLongitude(double tropical, double ayanamsa) {
    return Reduce360(tropical + ayanamsa);
}

// The twelve house spans of one set of cusp points.
class HouseSpans {
public:
    explicit HouseSpans(const std::array<double, 25>& cusp) {
        double total = 0;
        for (std::size_t h = 0; h < 12; ++h) {
            start_[h] = cusp[h == 0 ? 23 : 2 * h - 1];
            span_[h] = arcForward(start_[h], cusp[2 * h + 1]);
            total += span_[h];
        }
        // The spans cover the circle once, or three times near the poles when
        // the ascendant falls on the far side of the midheaven.
        overlapping_ = total > 361;
    }

    // The Bhava (1..12) of x, and how near x is to a Sandhi that could change
    // it, degrees.
    struct Found {
        int bhava;
        double margin;
    };

    // Whether x still stands in house bhava, and how near a Sandhi; the
    // quick question of a search that follows one body from minute to
    // minute. Where spans overlap only the full look decides.
    std::optional<Found> stillIn(int bhava, double x) const {
        if (overlapping_) {
            return std::nullopt;
        }
        const auto h = static_cast<std::size_t>(bhava - 1);
        const double arc = arcForward(start_[h], x);
        if (arc < span_[h]) {
            return Found{bhava, std::min(arc, span_[h] - arc)};
        }
        return std::nullopt;
    }

    Found find(double x) const {
        for (std::size_t h = 0; h < 12; ++h) {
            const double arc = arcForward(start_[h], x);
            if (arc < span_[h]) {
                return {static_cast<int>(h) + 1,
                        overlapping_ ? nearestSandhi(x) : std::min(arc, span_[h] - arc)};
            }
        }
        // Rounding can leave a point a hair's breadth before a Sandhi outside
        // every span: it belongs to the house that ends there.
        std::size_t best = 0;
        double nearest = 360;
        for (std::size_t h = 0; h < 12; ++h) {
            const double ahead = arcForward(x, start_[h] + span_[h]);
            if (span_[h] > 0 && ahead < nearest) {
                nearest = ahead;
                best = h;
            }
        }
        return {static_cast<int>(best) + 1, 0};
    }

private:
    double nearestSandhi(double x) const {
        double nearest = 360;
        for (const double s : start_) {
            const double arc = arcForward(s, x);
            nearest = std::min({nearest, arc, 360 - arc});
        }
        return nearest;
    }

    std::array<double, 12> start_{};
    std::array<double, 12> span_{};
    bool overlapping_ = false;
};

// The exact tropical positions of the eight bodies at one moment.
bool exactPositions(double julianDayUT, bool withSpeed, std::array<EclipticPosition, 8>& positions,
                    std::string& error) {
    for (std::size_t b = 0; b < kEphemerisBodies.size(); ++b) {
        const auto position = bodyPosition(kEphemerisBodies[b], julianDayUT, withSpeed, error);
        if (!position) {
            return false;
        }
        positions[b] = *position;
    }
    return true;
}

PlanetsReading placements(const BhavaResult& houses,
                          const std::array<EclipticPosition, 8>& positions) {
    PlanetsReading reading;
    const HouseSpans spans(houses.CuspPoints);
    for (std::size_t i = 0; i < reading.Planets.size(); ++i) {
        const EclipticPosition& source = positions[kSourceBody[i]];
        PlanetPlacement& p = reading.Planets[i];
        p.Name = kPlanetNames[i];
        p.Longitude = siderealLongitude(source.Longitude + kTurn[i], houses.AyanamsaValue);
        double copy = p.Longitude;
        p.LongitudeText = ZodiacText(copy);
        p.Retrograde = i >= kFirstNode || source.Speed < 0;
        p.Speed = source.Speed;
        p.Sign = SignOf(p.Longitude);
        p.Bhava = spans.find(p.Longitude).bhava;
    }
    return reading;
}

// The search for the fewest minutes, earlier and later, that put each body in
// another Bhava and the ascendant in another sign. The houses come from the
// engine for every minute, the bodies from their tracks, and from the
// ephemeris itself wherever a track passes close to a Sandhi: so every minute
// up to the one reported gives the Bhava an exact recomputation gives.
class SensitivitySearch {
public:
    SensitivitySearch(BirthMoment birth, const PlanetsReading& reading, int ascendantSign,
                      std::array<PositionTrack, 8> tracks, const AscendantWatcher* watcher)
        : birth_(birth), birthDay_(julianDayUT(birth)), tracks_(tracks),
          ascendantSign_(ascendantSign), watcher_(watcher) {
        for (std::size_t i = 0; i < bhava_.size(); ++i) {
            bhava_[i] = reading.Planets[i].Bhava;
        }
    }

    // Fills the minutes of reading in direction -1 (earlier) or +1 (later);
    // false, with error set, when the ephemeris failed on the way.
    bool run(int direction, PlanetsReading& reading, std::string& error) {
        direction_ = direction;
        std::array<int, 9> candidate{}; // 0 while the body keeps its Bhava
        int ascendant = 0;
        std::size_t open = bhava_.size() + 1;
        bool watching = watcher_ != nullptr;
        BhavaResult houses;
        for (int k = 1; k <= kMaxSensitivityMinutes && (open > 0 || watching); ++k) {
            const double days = housesAt(k, houses);
            if (watching) {
                watching = (*watcher_)(direction, k, houses.Ascendant);
            }
            if (ascendant == 0 && SignOf(houses.Ascendant) != ascendantSign_) {
                ascendant = k;
                --open;
            }
            const HouseSpans spans(houses.CuspPoints);
            for (std::size_t i = 0; i < bhava_.size(); ++i) {
                if (candidate[i] != 0) {
                    continue;
                }
                const double tropical = tracks_[kSourceBody[i]].at(days) + kTurn[i];
                const double sidereal = siderealLongitude(tropical, houses.AyanamsaValue);
                const auto same = spans.stillIn(bhava_[i], sidereal);
                const auto found = same ? *same : spans.find(sidereal);
                int bhava = found.bhava;
                if (found.margin < kTrackTolerance) {
                    const auto exact = exactBhava(i, k, error);
                    if (!exact) {
                        return false;
                    }
                    bhava = *exact;
                }
                if (bhava != bhava_[i]) {
                    candidate[i] = k;
                    --open;
                }
            }
        }
        for (std::size_t i = 0; i < bhava_.size(); ++i) {
            const std::optional<int> minutes =
                candidate[i] != 0 ? std::optional<int>(candidate[i]) : std::nullopt;
            (direction < 0 ? reading.Planets[i].MinutesEarlier : reading.Planets[i].MinutesLater) =
                minutes;
        }
        (direction < 0 ? reading.AscendantSignMinutesEarlier : reading.AscendantSignMinutesLater) =
            ascendant != 0 ? std::optional<int>(ascendant) : std::nullopt;
        return true;
    }

private:
    // The houses k minutes away in the current direction; returns that
    // moment's distance from the birth in days.
    double housesAt(int k, BhavaResult& houses) const {
        BirthMoment moment = birth_;
        moment.UT += direction_ * k / 60.0;
        computeBhavaValues(moment, houses);
        return julianDayUT(moment) - birthDay_;
    }

    // The Bhava of body i k minutes away, from its exact position.
    std::optional<int> exactBhava(std::size_t i, int k, std::string& error) {
        BhavaResult houses;
        const double days = housesAt(k, houses);
        const auto tropical = exactLongitude(kSourceBody[i], direction_ * k, days, error);
        if (!tropical) {
            return std::nullopt;
        }
        return HouseSpans(houses.CuspPoints)
            .find(siderealLongitude(*tropical + kTurn[i], houses.AyanamsaValue))
            .bhava;
    }

    // Exact positions are kept for the search: Rahu and Ketu share theirs.
    std::optional<double> exactLongitude(std::size_t body, int minutes, double days,
                                         std::string& error) {
        for (const auto& known : exact_) {
            if (known.body == body && known.minutes == minutes) {
                return known.longitude;
            }
        }
        const auto position = bodyPosition(kEphemerisBodies[body], birthDay_ + days, false, error);
        if (!position) {
            return std::nullopt;
        }
        exact_.push_back({body, minutes, position->Longitude});
        return position->Longitude;
    }

    struct ExactLongitude {
        std::size_t body;
        int minutes; // signed: negative before the birth
        double longitude;
    };

    BirthMoment birth_;
    double birthDay_;
    std::array<PositionTrack, 8> tracks_;
    std::array<int, 9> bhava_{};
    int ascendantSign_;
    const AscendantWatcher* watcher_;
    int direction_ = 1;
    std::vector<ExactLongitude> exact_;
};

PlanetsOutcome compute(const BirthRecord& birth, const BhavaResult& houses, bool sensitivity,
                       const AscendantWatcher* watcher) {
    PlanetsOutcome outcome;
    const BirthMoment moment = birthMoment(birth);
    const double day = julianDayUT(moment);
    std::array<EclipticPosition, 8> positions{};
    if (!exactPositions(day, true, positions, outcome.Error)) {
        return outcome;
    }
    PlanetsReading reading = placements(houses, positions);
    if (sensitivity) {
        std::array<PositionTrack, 8> tracks;
        for (std::size_t b = 0; b < tracks.size(); ++b) {
            auto track =
                PositionTrack::around(kEphemerisBodies[b], day, positions[b], outcome.Error);
            if (!track) {
                return outcome;
            }
            tracks[b] = *track;
        }
        SensitivitySearch search(moment, reading, SignOf(houses.Ascendant), tracks, watcher);
        if (!search.run(-1, reading, outcome.Error) || !search.run(1, reading, outcome.Error)) {
            return outcome;
        }
    }
    outcome.Reading = std::move(reading);
    return outcome;
}

} // namespace

int bhavaOf(const std::array<double, 25>& cuspPoints, double longitude) {
    return HouseSpans(cuspPoints).find(longitude).bhava;
}

PlanetsOutcome computePlanets(const BirthRecord& birth, const BhavaResult& houses) {
    return compute(birth, houses, true, nullptr);
}

PlanetsOutcome computePlanets(const BirthRecord& birth, const BhavaResult& houses,
                              const AscendantWatcher& watcher) {
    return compute(birth, houses, true, &watcher);
}

PlanetsOutcome computePlacements(const BirthRecord& birth, const BhavaResult& houses) {
    return compute(birth, houses, false, nullptr);
}

const PlanetsReading& PlanetsOf(const PlanetsOutcome& outcome) {
    static const PlanetsReading none;
    return outcome.Reading ? *outcome.Reading : none;
}
