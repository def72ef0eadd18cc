#pragma once

// A body's longitude over the hours around a birth from the one position the
// reading asks of the ephemeris there, with its speed, and how far the truth
// may lie from that line: half the body's largest acceleration times the
// square of the time, and for the planets a little more for the bending of
// their light as they pass the Sun (passingTheSun).

#include "planets/ephemeris.h"

class SpeedTrack {
public:
    SpeedTrack() = default;
    SpeedTrack(Body body, const EclipticPosition& birth);

    // The tropical longitude days after the birth (negative: before), degrees;
    // not reduced to the circle.
    double at(double days) const { return longitude_ + speed_ * days; }

    // How far the longitude at(days) may be from the body's own, degrees.
    double uncertainty(double days) const { return allowance_ + halfAcceleration_ * days * days; }

private:
    double longitude_ = 0;        // at the birth, degrees
    double speed_ = 0;            // degrees a day
    double halfAcceleration_ = 0; // degrees a day squared
    double allowance_ = 0;        // degrees
};
