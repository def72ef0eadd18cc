#include "planets/mod_planets.h"

#include "engine/circle.h"
#include "engine/mod_bhava.h"
#include "planets/birth_time_search.h"
#include "planets/ephemeris.h"
#include "planets/house_spans.h"
#include "planets/position_track.h"
#include "planets/speed_track.h"

#include <cstddef>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t kFirstNode = 7; // Rahu and Ketu, which always move backwards

// A tropical longitude moved into the houses' frame, 0 to below 360.
double siderealLongitude(double tropical, double ayanamsa) {
    return Reduce360(tropical + ayanamsa);
}

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

// The eight bodies' tracks of one kind for the search.
template <class Track> class TracksOf final : public BodyTracks {
public:
    explicit TracksOf(const std::array<Track, 8>& tracks) : tracks_(tracks) {}
    double at(std::size_t body, double days) const override { return tracks_[body].at(days); }
    double uncertainty(std::size_t body, double days) const override {
        return tracks_[body].uncertainty(days);
    }

private:
    std::array<Track, 8> tracks_;
};

// The cubic tracks of the slower search: two more positions of each body,
// four hours either way.
bool cubicTracks(double day, const std::array<EclipticPosition, 8>& positions,
                 std::array<PositionTrack, 8>& tracks, std::string& error) {
    for (std::size_t b = 0; b < tracks.size(); ++b) {
        auto track = PositionTrack::around(kEphemerisBodies[b], day, positions[b], error);
        if (!track) {
            return false;
        }
        tracks[b] = *track;
    }
    return true;
}

// The ascendant's sign, the first measure of every search.
const AscendantMeasure& signMeasure() {
    static const AscendantMeasure sign{12, [](double x) { return SignOf(x); }};
    return sign;
}

std::vector<const AscendantMeasure*> measuresOf(const std::vector<AscendantMeasure>* more) {
    std::vector<const AscendantMeasure*> all{&signMeasure()};
    if (more != nullptr) {
        all.reserve(more->size() + 1);
        for (const AscendantMeasure& measure : *more) {
            all.push_back(&measure);
        }
    }
    return all;
}

// The search's windows into the reading: the ascendant's sign first, then the
// further measures, then the nine bodies.
void keepWindows(const std::vector<MinuteWindow>& found, PlanetsReading& reading,
                 std::vector<MinuteWindow>* windows) {
    reading.AscendantSignMinutesEarlier = found[0].Earlier;
    reading.AscendantSignMinutesLater = found[0].Later;
    const std::size_t firstBody = found.size() - reading.Planets.size();
    for (std::size_t i = 0; i < reading.Planets.size(); ++i) {
        reading.Planets[i].MinutesEarlier = found[firstBody + i].Earlier;
        reading.Planets[i].MinutesLater = found[firstBody + i].Later;
    }
    if (windows != nullptr) {
        windows->assign(found.begin() + 1, found.begin() + static_cast<std::ptrdiff_t>(firstBody));
    }
}

bool searchMinutes(const BirthMoment& moment, const BhavaResult& houses,
                   const std::array<EclipticPosition, 8>& positions, MinuteSearch method,
                   const std::vector<AscendantMeasure>* measures, PlanetsReading& reading,
                   std::vector<MinuteWindow>* windows, std::string& error) {
    const double day = julianDayUT(moment);
    SearchedBodies bodies;
    for (std::size_t i = 0; i < bodies.bhava.size(); ++i) {
        bodies.bhava[i] = reading.Planets[i].Bhava;
    }
    std::array<PositionTrack, 8> cubic;
    std::array<SpeedTrack, 8> speed;
    if (method == MinuteSearch::EveryMinute && !cubicTracks(day, positions, cubic, error)) {
        return false;
    }
    for (std::size_t b = 0; b < speed.size(); ++b) {
        speed[b] = SpeedTrack(kEphemerisBodies[b], positions[b]);
    }
    const TracksOf<PositionTrack> cubicTracksOf(cubic);
    const TracksOf<SpeedTrack> speedTracksOf(speed);
    bodies.tracks = method == MinuteSearch::EveryMinute
                        ? static_cast<const BodyTracks*>(&cubicTracksOf)
                        : static_cast<const BodyTracks*>(&speedTracksOf);
    BirthTimeSearch search(moment, houses.Ascendant, measuresOf(measures), bodies);
    std::vector<MinuteWindow> found;
    if (!search.run(method, found, error)) {
        return false;
    }
    keepWindows(found, reading, windows);
    return true;
}

PlanetsOutcome compute(const BirthRecord& birth, const BhavaResult& houses, bool sensitivity,
                       const std::vector<AscendantMeasure>* measures,
                       std::vector<MinuteWindow>* windows, MinuteSearch method) {
    PlanetsOutcome outcome;
    const BirthMoment moment = birthMoment(birth);
    std::array<EclipticPosition, 8> positions{};
    if (!exactPositions(julianDayUT(moment), true, positions, outcome.Error)) {
        return outcome;
    }
    PlanetsReading reading = placements(houses, positions);
    if (sensitivity && !searchMinutes(moment, houses, positions, method, measures, reading, windows,
                                      outcome.Error)) {
        return outcome;
    }
    outcome.Reading = std::move(reading);
    return outcome;
}

} // namespace

int bhavaOf(const std::array<double, 25>& cuspPoints, double longitude) {
    return HouseSpans(cuspPoints).find(longitude).bhava;
}

PlanetsOutcome computePlanets(const BirthRecord& birth, const BhavaResult& houses) {
    return compute(birth, houses, true, nullptr, nullptr, MinuteSearch::Bracketed);
}

PlanetsOutcome computePlanets(const BirthRecord& birth, const BhavaResult& houses,
                              const std::vector<AscendantMeasure>& measures,
                              std::vector<MinuteWindow>& windows, MinuteSearch search) {
    return compute(birth, houses, true, &measures, &windows, search);
}

PlanetsOutcome computePlacements(const BirthRecord& birth, const BhavaResult& houses) {
    return compute(birth, houses, false, nullptr, nullptr, MinuteSearch::Bracketed);
}

std::vector<MinuteWindow> ascendantWindows(const BirthRecord& birth, const BhavaResult& houses,
                                           const std::vector<AscendantMeasure>& measures,
                                           MinuteSearch search) {
    std::vector<const AscendantMeasure*> all;
    all.reserve(measures.size());
    for (const AscendantMeasure& measure : measures) {
        all.push_back(&measure);
    }
    BirthTimeSearch minutes(birthMoment(birth), houses.Ascendant, std::move(all), std::nullopt);
    std::vector<MinuteWindow> windows;
    std::string unused;
    minutes.run(search, windows, unused); // without bodies the ephemeris is never asked
    return windows;
}

const PlanetsReading& PlanetsOf(const PlanetsOutcome& outcome) {
    static const PlanetsReading none;
    return outcome.Reading ? *outcome.Reading : none;
}
