#include "planets/birth_time_search.h"

#include "engine/circle.h"
#include "planets/ephemeris.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

// Where a track passes nearer a Sandhi than this and its own uncertainty,
// degrees, the exact position decides the minute instead, so every minute's
// body stands in the very Bhava its exact position would.
constexpr double kTrackTolerance = 1e-4;

// Up to this latitude, degrees either side of the equator, the ascendant
// moves forward at least 0.125° a minute all day, the midheaven at least
// 0.23°, and so every Sandhi, which lies between them, at least 0.125°: more
// than ten times the fastest body, the Moon at 15.4° a day (0.011° a
// minute). So a body that leaves its Bhava does not come back to it within
// the limit, the houses turning under it less than half the circle, and the
// ascendant passes each longitude once: whether something has changed by a
// minute is false up to one minute and true from it on. A bracket whose end
// shows the change holds that minute, however short the bracket's steps were
// elsewhere; nearer the poles every minute is looked at.
constexpr double kSteadyLatitude = 66;

// The minutes between the brackets' ends.
constexpr int kBracketMinutes = 60;

} // namespace

BirthTimeSearch::BirthTimeSearch(const BirthMoment& birth, double ascendant,
                                 std::vector<const AscendantMeasure*> measures,
                                 std::optional<SearchedBodies> bodies)
    : birth_(birth), birthDay_(julianDayUT(birth)), ascendant_(ascendant),
      measures_(std::move(measures)), bodies_(bodies) {
    value_.reserve(measures_.size());
    for (const AscendantMeasure* measure : measures_) {
        value_.push_back(measure->ValueAt(ascendant_));
    }
    minutes_.reserve(64);
}

bool BirthTimeSearch::run(MinuteSearch method, std::vector<MinuteWindow>& windows,
                          std::string& error) {
    const std::size_t count = measures_.size() + (bodies_ ? bodies_->bhava.size() : 0);
    windows.assign(count, MinuteWindow{});
    std::vector<std::optional<int>> found;
    for (const int direction : {-1, 1}) {
        direction_ = direction;
        index_.fill(-1);
        minutes_.clear();
        found.assign(count, std::nullopt);
        if (!search(method, found, error)) {
            return false;
        }
        for (std::size_t w = 0; w < count; ++w) {
            (direction < 0 ? windows[w].Earlier : windows[w].Later) = found[w];
        }
    }
    return true;
}

bool BirthTimeSearch::search(MinuteSearch method, std::vector<std::optional<int>>& found,
                             std::string& error) {
    if (method == MinuteSearch::Bracketed && bracketsHold()) {
        return bracketed(found, error);
    }
    return everyMinute(found, error);
}

bool BirthTimeSearch::bracketsHold() const {
    return std::fabs(birth_.Latitude) <= kSteadyLatitude;
}

// Each minute from the first, every window still open looked at.
bool BirthTimeSearch::everyMinute(std::vector<std::optional<int>>& found, std::string& error) {
    std::size_t open = found.size();
    for (int k = 1; k <= kMaxSensitivityMinutes && open > 0; ++k) {
        for (std::size_t w = 0; w < found.size(); ++w) {
            if (found[w]) {
                continue;
            }
            bool changed = false;
            if (w < measures_.size()) {
                changed = measureChanged(w, k);
            } else {
                const auto moved = bodyMoved(w - measures_.size(), k, error);
                if (!moved) {
                    return false;
                }
                changed = *moved;
            }
            if (changed) {
                found[w] = k;
                --open;
            }
        }
    }
    return true;
}

// The brackets' ends are looked at; a window whose end shows the change is
// refined to the minute inside its bracket.
bool BirthTimeSearch::bracketed(std::vector<std::optional<int>>& found, std::string& error) {
    const auto reach = reaches();
    if (!reach) {
        return everyMinute(found, error);
    }
    std::vector<bool> open(found.size(), true);
    std::size_t stillOpen = found.size();
    for (int from = 0; from < kMaxSensitivityMinutes && stillOpen > 0; from += kBracketMinutes) {
        const int to = std::min(from + kBracketMinutes, kMaxSensitivityMinutes);
        for (std::size_t w = 0; w < found.size(); ++w) {
            if (!open[w]) {
                continue;
            }
            const auto changed = changedBy(w, *reach, to, error);
            if (!changed) {
                return false;
            }
            if (!*changed) {
                continue;
            }
            const auto minute = refine(w, *reach, from, to, error);
            if (!minute) {
                return false;
            }
            found[w] = w < measures_.size() ? settledMeasure(w, *minute) : minute;
            open[w] = false;
            --stillOpen;
        }
    }
    return true;
}

// Whether window w has changed by minute k: a measure when the ascendant has
// gone beyond its reach, a body when it stands in another Bhava. Either is
// false up to one minute and true from it on.
std::optional<bool> BirthTimeSearch::changedBy(std::size_t w, const std::vector<double>& reach,
                                               int k, std::string& error) {
    if (w < measures_.size()) {
        return ascendantArc(k) >= reach[w];
    }
    return bodyMoved(w - measures_.size(), k, error);
}

// How far window w is from its change at minute k, degrees, negative beyond
// it: what the guesses of the refinement go by.
double BirthTimeSearch::gap(std::size_t w, const std::vector<double>& reach, int k) {
    if (w < measures_.size()) {
        return reach[w] - ascendantArc(k);
    }
    const std::size_t i = w - measures_.size();
    const Minute& m = minute(k);
    const double x = Reduce360(bodies_->tracks->at(kSourceBody[i], m.days) + kTurn[i] + m.ayanamsa);
    // Later the houses carry the body back across the Sandhi where its Bhava
    // begins; earlier, across the one where it ends.
    const int bhava = bodies_->bhava[i];
    const double arc = direction_ > 0 ? arcForward(m.spans.start(bhava), x)
                                      : arcForward(x, Reduce360(m.spans.end(bhava)));
    return arc > 180 ? arc - 360 : arc;
}

// The first minute of (from, to] at which window w has changed, knowing it
// has not at from and has at to. Each guess is where the gap's straight line
// between the two ends crosses nought, checked with the minute beside it;
// a wrong guess narrows the bracket for the next.
std::optional<int> BirthTimeSearch::refine(std::size_t w, const std::vector<double>& reach,
                                           int from, int to, std::string& error) {
    int before = from;
    int after = to;
    while (after - before > 1) {
        const double g0 = gap(w, reach, before);
        const double g1 = gap(w, reach, after);
        const double share = g0 > 0 && g1 < 0 ? g0 / (g0 - g1) : 0.5;
        const int guess = std::clamp(before + static_cast<int>(std::ceil((after - before) * share)),
                                     before + 1, after - 1);
        const auto changed = changedBy(w, reach, guess, error);
        if (!changed) {
            return std::nullopt;
        }
        const int neighbour = *changed ? guess - 1 : guess + 1;
        (*changed ? after : before) = guess;
        if (neighbour > before && neighbour < after) {
            const auto beside = changedBy(w, reach, neighbour, error);
            if (!beside) {
                return std::nullopt;
            }
            (*beside ? after : before) = neighbour;
        }
    }
    return after;
}

// The first minute at which measure w's value differs, from the first at
// which the ascendant has gone beyond its reach: the value itself decides at
// the meeting of two parts, where rounding may put the ascendant on either
// side.
std::optional<int> BirthTimeSearch::settledMeasure(std::size_t w, int k) {
    while (k > 1 && measureChanged(w, k - 1)) {
        --k;
    }
    while (k <= kMaxSensitivityMinutes && !measureChanged(w, k)) {
        ++k;
    }
    return k <= kMaxSensitivityMinutes ? std::optional<int>(k) : std::nullopt;
}

// How far the ascendant may move from the birth's, in the current direction,
// before each measure's value changes: the measures change only where their
// parts meet, so the arc runs to the nearest part with another value. None
// when the birth's ascendant lies so near a meeting that its part gives
// another value than the ascendant itself.
std::optional<std::vector<double>> BirthTimeSearch::reaches() const {
    std::vector<double> reach(measures_.size(), std::numeric_limits<double>::infinity());
    for (std::size_t w = 0; w < measures_.size(); ++w) {
        const int parts = measures_[w]->Parts;
        const double width = 360.0 / parts;
        const int own = std::min(static_cast<int>(ascendant_ / width), parts - 1);
        const auto valueOfPart = [&](int p) { return measures_[w]->ValueAt((p + 0.5) * width); };
        if (valueOfPart(own) != value_[w]) {
            return std::nullopt;
        }
        for (int step = 1; step < parts; ++step) {
            const int p = ((own + direction_ * step) % parts + parts) % parts;
            if (valueOfPart(p) != value_[w]) {
                reach[w] = direction_ > 0 ? arcForward(ascendant_, p * width)
                                          : arcForward((p + 1) * width, ascendant_);
                break;
            }
        }
    }
    return reach;
}

const BirthTimeSearch::Minute& BirthTimeSearch::minute(int k) {
    auto& index = index_[static_cast<std::size_t>(k)];
    if (index < 0) {
        BirthMoment moment = birth_;
        moment.UT += direction_ * k / 60.0;
        computeBhavaValues(moment, scratch_);
        minutes_.push_back({julianDayUT(moment) - birthDay_, scratch_.Ascendant,
                            scratch_.AyanamsaValue, HouseSpans(scratch_.CuspPoints)});
        index = static_cast<int>(minutes_.size()) - 1;
    }
    return minutes_[static_cast<std::size_t>(index)];
}

// How far the ascendant of minute k lies from the birth's in the current
// direction, degrees.
double BirthTimeSearch::ascendantArc(int k) {
    const double ascendant = minute(k).ascendant;
    return direction_ > 0 ? arcForward(ascendant_, ascendant) : arcForward(ascendant, ascendant_);
}

bool BirthTimeSearch::measureChanged(std::size_t w, int k) {
    return measures_[w]->ValueAt(minute(k).ascendant) != value_[w];
}

// Whether body i stands in another Bhava k minutes away; nothing, with error
// set, when the ephemeris failed.
std::optional<bool> BirthTimeSearch::bodyMoved(std::size_t i, int k, std::string& error) {
    const Minute& m = minute(k);
    const std::size_t body = kSourceBody[i];
    const int birthBhava = bodies_->bhava[i];
    const double tropical = bodies_->tracks->at(body, m.days) + kTurn[i];
    const double sidereal = Reduce360(tropical + m.ayanamsa);
    const auto same = m.spans.stillIn(birthBhava, sidereal);
    const auto found = same ? *same : m.spans.find(sidereal);
    int bhava = found.bhava;
    if (found.margin < kTrackTolerance + bodies_->tracks->uncertainty(body, m.days)) {
        const auto exact = exactLongitude(body, direction_ * k, m.days, error);
        if (!exact) {
            return std::nullopt;
        }
        bhava = m.spans.find(Reduce360(*exact + kTurn[i] + m.ayanamsa)).bhava;
    }
    return bhava != birthBhava;
}

// Exact positions are kept for the search: Rahu and Ketu share theirs.
std::optional<double> BirthTimeSearch::exactLongitude(std::size_t body, int k, double days,
                                                      std::string& error) {
    for (const auto& known : exact_) {
        if (known.body == body && known.minutes == k) {
            return known.longitude;
        }
    }
    const auto position = bodyPosition(kEphemerisBodies[body], birthDay_ + days, false, error);
    if (!position) {
        return std::nullopt;
    }
    exact_.push_back({body, k, position->Longitude});
    return position->Longitude;
}
