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
    ArcPart part = arcPart(longitude, 12 * partsPerSign);
    const int first = (SignOf(longitude) - 1) * partsPerSign;
    if (part.Index < first) {
        part = ArcPart{first, 0};
    } else if (part.Index >= first + partsPerSign) {
        part = ArcPart{first + partsPerSign - 1, kLastFraction};
    }
    return part;
}
