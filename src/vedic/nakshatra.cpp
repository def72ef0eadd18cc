#include "vedic/nakshatra.h"

#include "vedic/arc_part.h"

namespace {

constexpr int sumOfYears() {
    int sum = 0;
    for (const auto& lord : kDashaLords) {
        sum += lord.Years;
    }
    return sum;
}
static_assert(sumOfYears() == kDashaCycleYears);

} // namespace

NakshatraPlace nakshatraOf(double siderealLongitude) {
    // The 108 padas first: the nakshatra is every fourth, so the two never
    // disagree at a boundary.
    const ArcPart pada = arcPartInSign(siderealLongitude, 9);
    NakshatraPlace place;
    const int index = pada.Index / 4;
    const int padaIndex = pada.Index % 4;
    place.Number = index + 1;
    place.Pada = padaIndex + 1;
    place.Name = kNakshatraNames[static_cast<std::size_t>(index)];
    place.Lord = index % 9;
    place.LordName = kDashaLords[static_cast<std::size_t>(place.Lord)].Name;
    place.Fraction = (padaIndex + pada.Fraction) / 4;
    return place;
}
