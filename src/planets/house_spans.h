#pragma once

// The twelve Bhavas of one moment as spans of the circle, from Sandhi to
// Sandhi: which one holds a longitude, and how near it lies to a Sandhi.

#include <array>
#include <cstddef>
#include <optional>

// The arc from one point forward to another in zodiacal order, 0 to below 360.
double arcForward(double from, double to);

class HouseSpans {
public:
    HouseSpans() = default;
    explicit HouseSpans(const std::array<double, 25>& cusp);

    // The Bhava (1..12) of x, and how near x is to a Sandhi that could change
    // it, degrees.
    struct Found {
        int bhava;
        double margin;
    };

    // Whether x still stands in house bhava, and how near a Sandhi; the
    // quick question of a search that follows one body from minute to
    // minute. Where spans overlap only the full look decides.
    std::optional<Found> stillIn(int bhava, double x) const;

    // House h spans from the previous house's Sandhi to its own in zodiacal
    // order; a point on a Sandhi belongs to the house that begins there;
    // where spans overlap (near the poles), the first such house.
    Found find(double x) const;

    // Where house bhava begins and ends, degrees; the end may pass 360.
    double start(int bhava) const { return start_[static_cast<std::size_t>(bhava - 1)]; }
    double end(int bhava) const {
        const auto h = static_cast<std::size_t>(bhava - 1);
        return start_[h] + span_[h];
    }

    // Whether the spans cover the circle more than once: near the poles, when
    // the ascendant falls on the far side of the midheaven.
    bool overlapping() const { return overlapping_; }

private:
    double nearestSandhi(double x) const;

    std::array<double, 12> start_{};
    std::array<double, 12> span_{};
    bool overlapping_ = false;
};
