#include "planets/position_track.h"

namespace {

// The difference of two longitudes taken the short way round, -180 to 180.
double shortArc(double from, double to) {
    double d = to - from;
    if (d > 180) {
        d -= 360;
    } else if (d < -180) {
        d += 360;
    }
    return d;
}

} // namespace

std::optional<PositionTrack> PositionTrack::around(Body body, double julianDayUT,
                                                   const EclipticPosition& birth,
                                                   std::string& error) {
    constexpr double h = kHalfSpanDays;
    const auto before = bodyPosition(body, julianDayUT - h, false, error);
    const auto after = bodyPosition(body, julianDayUT + h, false, error);
    if (!before || !after) {
        return std::nullopt;
    }
    // What the speed alone does not explain at either end; the even part is
    // the curvature, the odd part the change of curvature.
    const double restAfter = shortArc(birth.Longitude, after->Longitude) - birth.Speed * h;
    const double restBefore = shortArc(birth.Longitude, before->Longitude) + birth.Speed * h;
    PositionTrack track;
    track.longitude_ = birth.Longitude;
    track.speed_ = birth.Speed;
    track.a_ = (restAfter + restBefore) / (2 * h * h);
    track.b_ = (restAfter - restBefore) / (2 * h * h * h);
    track.allowance_ = passingTheSun(body);
    return track;
}
