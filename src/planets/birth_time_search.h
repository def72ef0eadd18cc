#pragma once

// How far the birth time may move, earlier and later, before a body stands in
// another Bhava or something the ascendant decides (its sign, a divisional
// chart's sign) changes: the fewest whole minutes, up to the limit, at which
// the houses computed for the moved time and the body's position there
// differ from the birth's.

#include "engine/bhava_result.h"
#include "engine/mod_bhava.h"
#include "planets/ephemeris.h"
#include "planets/house_spans.h"
#include "planets/mod_planets.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The bodies asked of the ephemeris.
inline constexpr std::array<Body, 8> kEphemerisBodies = {Body::Sun,     Body::Moon,    Body::Mars,
                                                         Body::Mercury, Body::Jupiter, Body::Venus,
                                                         Body::Saturn,  Body::MeanNode};

// For each of the nine bodies of a reading, the body asked of the ephemeris
// (0..7) and how far round from it it stands: Ketu is the node's opposite.
inline constexpr std::array<std::size_t, 9> kSourceBody = {0, 1, 2, 3, 4, 5, 6, 7, 7};
inline constexpr std::array<double, 9> kTurn = {0, 0, 0, 0, 0, 0, 0, 0, 180};

// The eight bodies' tropical longitudes near the birth without asking the
// ephemeris, and how far from the truth each may be.
class BodyTracks {
public:
    virtual ~BodyTracks() = default;
    virtual double at(std::size_t body, double days) const = 0;
    virtual double uncertainty(std::size_t body, double days) const = 0;
};

// The bodies a search follows: their tracks and their Bhavas at the birth.
struct SearchedBodies {
    const BodyTracks* tracks = nullptr;
    std::array<int, 9> bhava{};
};

class BirthTimeSearch {
public:
    // ascendant is the birth's own; bodies may be left out.
    BirthTimeSearch(const BirthMoment& birth, double ascendant,
                    std::vector<const AscendantMeasure*> measures,
                    std::optional<SearchedBodies> bodies);

    // The windows of the measures, in their order, then those of the nine
    // bodies when there are bodies; false, with error set, when the ephemeris
    // failed on the way.
    bool run(MinuteSearch method, std::vector<MinuteWindow>& windows, std::string& error);

private:
    // The houses of one minute, as the search reads them.
    struct Minute {
        double days = 0; // from the birth
        double ascendant = 0;
        double ayanamsa = 0;
        HouseSpans spans;
    };
    struct ExactLongitude {
        std::size_t body;
        int minutes; // signed: negative before the birth
        double longitude;
    };

    bool search(MinuteSearch method, std::vector<std::optional<int>>& found, std::string& error);
    bool everyMinute(std::vector<std::optional<int>>& found, std::string& error);
    bool bracketed(std::vector<std::optional<int>>& found, std::string& error);
    bool bracketsHold() const;
    std::optional<std::vector<double>> reaches() const;
    std::optional<int> refine(std::size_t w, const std::vector<double>& reach, int from, int to,
                              std::string& error);
    std::optional<bool> changedBy(std::size_t w, const std::vector<double>& reach, int k,
                                  std::string& error);
    double gap(std::size_t w, const std::vector<double>& reach, int k);
    std::optional<int> settledMeasure(std::size_t w, int k);

    const Minute& minute(int k);
    double ascendantArc(int k);
    bool measureChanged(std::size_t w, int k);
    std::optional<bool> bodyMoved(std::size_t i, int k, std::string& error);
    std::optional<double> exactLongitude(std::size_t body, int k, double days, std::string& error);

    BirthMoment birth_;
    double birthDay_;
    double ascendant_;
    std::vector<const AscendantMeasure*> measures_;
    std::vector<int> value_; // each measure's at the birth
    std::optional<SearchedBodies> bodies_;
    int direction_ = 1;
    std::array<int, kMaxSensitivityMinutes + 1> index_{}; // into minutes_, -1 not yet computed
    std::vector<Minute> minutes_;
    std::vector<ExactLongitude> exact_;
    BhavaResult scratch_;
};
