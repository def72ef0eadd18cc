#include "planets/house_spans.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

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

HouseSpans::HouseSpans(const std::array<double, 25>& cusp) {
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

std::optional<HouseSpans::Found> HouseSpans::stillIn(int bhava, double x) const {
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

HouseSpans::Found HouseSpans::find(double x) const {
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

double HouseSpans::nearestSandhi(double x) const {
    double nearest = 360;
    for (const double s : start_) {
        const double arc = arcForward(s, x);
        nearest = std::min({nearest, arc, 360 - arc});
    }
    return nearest;
}
