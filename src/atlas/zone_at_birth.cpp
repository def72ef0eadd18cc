#include "atlas/zone_at_birth.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr qint64 kSecondsPerMinute = 60;
constexpr qint64 kSecondsPerDay = 86400;
// Offsets lie within a day of universal time, and no two transitions of a
// zone come closer than that: two days either side of the local time hold
// every offset it can be read with.
constexpr qint64 kSearchSeconds = 2 * kSecondsPerDay;

QDateTime instant(qint64 secondsSinceEpoch) {
    return QDateTime::fromSecsSinceEpoch(secondsSinceEpoch, Qt::UTC);
}

int roundedMinutes(qint64 seconds) {
    return static_cast<int>(std::lround(static_cast<double>(seconds) / kSecondsPerMinute));
}

// A zone as it was at one place: before the zone's first standard time the
// place kept its own local mean time, whatever the zone's data say of the
// zone's own city.
class ZoneAtPlace {
public:
    ZoneAtPlace(const QTimeZone& zone, double longitude)
        : zone_(zone), meanTimeSeconds_(LocalMeanTimeMinutes(longitude) * kSecondsPerMinute) {
        const QTimeZone::OffsetData first =
            zone.nextTransition(QDateTime(QDate(1000, 1, 1), QTime(0, 0), Qt::UTC));
        if (first.atUtc.isValid()) {
            firstStandard_ = first.atUtc.toSecsSinceEpoch();
        }
    }

    bool beforeStandardTime(qint64 at) const { return at < firstStandard_; }

    int offsetSeconds(qint64 at) const {
        return beforeStandardTime(at) ? meanTimeSeconds_ : zone_.offsetFromUtc(instant(at));
    }

    ZoneOffset offset(qint64 at) const {
        if (beforeStandardTime(at)) {
            return {roundedMinutes(meanTimeSeconds_), 0};
        }
        const QDateTime when = instant(at);
        return {roundedMinutes(zone_.offsetFromUtc(when)),
                roundedMinutes(zone_.daylightTimeOffset(when))};
    }

    // The instant the local minute names when read with this offset
    // (seconds), if the place had that offset then. Some second of the minute
    // is enough: a transition within the minute (the first standard time
    // began on the second) leaves the minute's label to both sides.
    std::optional<qint64> readBack(qint64 local, int offset) const {
        for (const qint64 at : {local - offset, local + kSecondsPerMinute - 1 - offset}) {
            if (offsetSeconds(at) == offset) {
                return at;
            }
        }
        return std::nullopt;
    }

    // The transitions near an instant, with the offsets before and after
    // each at this place.
    struct Change {
        qint64 at;
        int before;
        int after;
    };
    std::vector<Change> changes(qint64 from, qint64 to) const {
        std::vector<Change> out;
        for (const QTimeZone::OffsetData& t : zone_.transitions(instant(from), instant(to))) {
            const qint64 at = t.atUtc.toSecsSinceEpoch();
            out.push_back({at, offsetSeconds(at - 1), t.offsetFromUtc});
        }
        return out;
    }

private:
    const QTimeZone& zone_;
    int meanTimeSeconds_;
    qint64 firstStandard_ = std::numeric_limits<qint64>::min();
};

} // namespace

int LocalMeanTimeMinutes(double longitude) {
    return static_cast<int>(std::lround(longitude * 4));
}

ZoneAtBirth ZoneAt(QByteArrayView zoneId, QDate date, QTime time, double longitude) {
    ZoneAtBirth result;
    const QTimeZone zone(zoneId.toByteArray());
    if (!zone.isValid() || !date.isValid() || !time.isValid()) {
        return result;
    }
    const ZoneAtPlace place(zone, longitude);
    // The local clock's reading as if it were universal time.
    const qint64 local = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();

    // Every offset in force near the local time, and the transitions between.
    const std::vector<ZoneAtPlace::Change> changes =
        place.changes(local - kSearchSeconds, local + kSearchSeconds);
    std::vector<int> candidates{place.offsetSeconds(local - kSearchSeconds),
                                place.offsetSeconds(local + kSearchSeconds)};
    for (const ZoneAtPlace::Change& c : changes) {
        candidates.push_back(c.before);
        candidates.push_back(c.after);
    }
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    // The instants of the readings that hold, the earliest (the largest
    // offset) first.
    std::vector<qint64> readings;
    for (const int offset : candidates) {
        if (const std::optional<qint64> at = place.readBack(local, offset)) {
            readings.push_back(*at);
        }
    }

    if (readings.size() == 1) {
        const qint64 at = readings.front();
        result.kind =
            place.beforeStandardTime(at) ? LocalTimeKind::LocalMeanTime : LocalTimeKind::Unique;
        result.offset = place.offset(at);
        return result;
    }
    if (readings.size() >= 2) {
        result.kind = LocalTimeKind::Ambiguous;
        result.offset = place.offset(readings.front());
        result.other = place.offset(readings.back());
        return result;
    }
    // No reading holds: the clocks jumped over the local time at a transition
    // whose offset before it reads the local time after the transition.
    result.kind = LocalTimeKind::Nonexistent;
    for (const ZoneAtPlace::Change& c : changes) {
        if (local >= c.at + c.before && local < c.at + c.after) {
            result.offset = place.offset(c.at - 1);
            result.other = place.offset(c.at);
            return result;
        }
    }
    result.offset = place.offset(local - kSearchSeconds);
    result.other = place.offset(local + kSearchSeconds);
    return result;
}

ZoneBoxes ZoneBoxesFor(const ZoneOffset& offset) {
    constexpr int kOneHour = 60;
    const bool dst = offset.daylightMinutes == kOneHour;
    const int inBoxes = dst ? offset.standardMinutes() : offset.minutes;
    const bool ahead = inBoxes != 0 ? inBoxes > 0 : offset.minutes >= 0;
    return {std::abs(inBoxes) / 60, std::abs(inBoxes) % 60, dst, ahead};
}
