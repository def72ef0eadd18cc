#include "vedic/arc_part.h"

#include "engine/circle.h"

#include <cmath>

namespace {

// Just below 1: the fraction of a point that rounding pushed onto the end of
// its part.
const double kLastFraction = std::nextafter(1.0, 0.0);

} // namespace

ArcPart arcPart(double longitude, int partsInCircle) {
    const double parts = partsInCircle;
    const double q = Reduce360(longitude) * parts / 360;
    double index = std::floor(q);
    if (index >= parts) {
        index = parts - 1; // a longitude a hair below 360 that rounded up
    }
    return ArcPart{static_cast<int>(index), std::fmin(q - index, kLastFraction)};
}

ArcPart arcPartInSign(double longitude, int partsPerSign) {
    // One reduction for both: the sign as SignOf reckons it, and the part.
    const double x = Reduce360(longitude);
    int sign = static_cast<int>(x / 30);
    if (sign >= 12) {
        sign = 0;
    }
    const double parts = 12.0 * partsPerSign;
    const double q = x * parts / 360;
    const double index = std::floor(q);
    const int first = sign * partsPerSign;
    if (index < first) {
        return ArcPart{first, 0};
    }
    if (index >= first + partsPerSign) {
        return ArcPart{first + partsPerSign - 1, kLastFraction};
    }
    return ArcPart{static_cast<int>(index), std::fmin(q - index, kLastFraction)};
}
