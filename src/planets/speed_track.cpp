#include "planets/speed_track.h"

namespace {

// The largest change of apparent speed of each body, degrees a day squared,
// over the years 1899 to 2051: measured from the ephemeris every 0.37 days
// against the position four hours either way, and doubled. The planets'
// figures include some of the wiggle of their light passing the Sun; the
// sampling may pass over the hours of the rest, which passingTheSun allows.
double accelerationBound(Body body) {
    switch (body) {
    case Body::Sun:
        return 0.0014;
    case Body::Moon:
        return 1.04;
    case Body::Mars:
        return 0.054;
    case Body::Mercury:
        return 0.40;
    case Body::Jupiter:
        return 0.51;
    case Body::Venus:
        return 0.085;
    case Body::Saturn:
        return 0.35;
    case Body::MeanNode:
        return 0.0001;
    }
    return 1.04;
}

// The last digits of the ephemeris's answers, degrees.
constexpr double kRounding = 1e-8;

} // namespace

SpeedTrack::SpeedTrack(Body body, const EclipticPosition& birth)
    : longitude_(birth.Longitude), speed_(birth.Speed),
      halfAcceleration_(accelerationBound(body) / 2), allowance_(kRounding + passingTheSun(body)) {}
