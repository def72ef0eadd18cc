#include "planets/speed_track.h"

namespace {

// The largest change of apparent speed of each body, degrees a day squared,
// over the years 1899 to 2051: measured from the ephemeris every 0.37 days
// against the position four hours either way, and doubled. The planets'
// figures include the wiggle of their light passing the Sun.
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

// The Sun bends a planet's light by at most 1.75 seconds of arc at its edge;
// the sampling above may pass over the hours of that passage, so the planets
// are allowed four times as much again.
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

} // namespace

SpeedTrack::SpeedTrack(Body body, const EclipticPosition& birth)
    : longitude_(birth.Longitude), speed_(birth.Speed),
      halfAcceleration_(accelerationBound(body) / 2), allowance_(kRounding + passingTheSun(body)) {}
