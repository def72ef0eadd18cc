#pragma once

// A body's longitude over the hours around a birth, from three exact
// positions: the birth's, with its speed, and those four hours before and
// after. A cubic through them follows the Moon to about two hundredths of a
// second of arc over that span, and the other bodies to a thousandth, so the
// birth-time search can ask it for each minute instead of the ephemeris.

#include "planets/ephemeris.h"

#include <optional>
#include <string>

class PositionTrack {
public:
    // Half the span, in days: four hours.
    static constexpr double kHalfSpanDays = 4.0 / 24.0;

    // The track of body around julianDayUT; nothing, with error set, when the
    // ephemeris cannot answer. birth is the body's exact position there, with
    // its speed.
    static std::optional<PositionTrack> around(Body body, double julianDayUT,
                                               const EclipticPosition& birth, std::string& error);

    // The tropical longitude days after the birth (negative: before), degrees;
    // not reduced to the circle.
    double at(double days) const { return longitude_ + days * (speed_ + days * (a_ + days * b_)); }

    // How far at(days) may be from the body's own longitude, degrees, beyond
    // the search's own tolerance: the cubic cannot follow a planet's light
    // bending as it passes the Sun.
    double uncertainty(double /*days*/) const { return allowance_; }

private:
    double longitude_ = 0; // at the birth, degrees
    double speed_ = 0;     // degrees a day
    double a_ = 0;         // degrees a day squared
    double b_ = 0;         // degrees a day cubed
    double allowance_ = 0; // degrees
};
