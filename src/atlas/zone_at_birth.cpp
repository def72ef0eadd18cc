#include "atlas/zone_at_birth.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>

#include <algorithm>
#include <cmath>
#include <cstdlib>
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

ZoneOffset offsetAt(const QTimeZone& zone, qint64 at) {
    const QDateTime when = instant(at);
    return {roundedMinutes(zone.offsetFromUtc(when)),
            roundedMinutes(zone.daylightTimeOffset(when))};
}

// Whether the local time read with this offset (seconds) names an instant at
// which the zone has that offset.
bool readsBack(const QTimeZone& zone, qint64 local, int offsetSeconds) {
    return zone.offsetFromUtc(instant(local - offsetSeconds)) == offsetSeconds;
}

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
    // The local clock's reading as if it were universal time.
    const qint64 local = QDateTime(date, time, Qt::UTC).toSecsSinceEpoch();

    // Before the zone's first transition it keeps the local mean time of the
    // zone's own city; a birth elsewhere had its own.
    const QTimeZone::OffsetData first =
        zone.nextTransition(QDateTime(QDate(1000, 1, 1), QTime(0, 0), Qt::UTC));
    const int meanTime = LocalMeanTimeMinutes(longitude);
    if (first.atUtc.isValid() &&
        local - meanTime * kSecondsPerMinute < first.atUtc.toSecsSinceEpoch()) {
        result.kind = LocalTimeKind::LocalMeanTime;
        result.offset = {meanTime, 0};
        return result;
    }

    // Every offset in force near the local time, and the transitions between.
    const QTimeZone::OffsetDataList transitions =
        zone.transitions(instant(local - kSearchSeconds), instant(local + kSearchSeconds));
    std::vector<int> candidates{zone.offsetFromUtc(instant(local - kSearchSeconds)),
                                zone.offsetFromUtc(instant(local + kSearchSeconds))};
    for (const QTimeZone::OffsetData& t : transitions) {
        candidates.push_back(t.offsetFromUtc);
    }
    std::sort(candidates.begin(), candidates.end());
    candidates.erase(std::unique(candidates.begin(), candidates.end()), candidates.end());

    // The readings that hold, the earliest instant (the largest offset) first.
    std::vector<int> readings;
    std::copy_if(candidates.rbegin(), candidates.rend(), std::back_inserter(readings),
                 [&](int offset) { return readsBack(zone, local, offset); });

    if (readings.size() == 1) {
        result.kind = LocalTimeKind::Unique;
        result.offset = offsetAt(zone, local - readings.front());
        return result;
    }
    if (readings.size() >= 2) {
        result.kind = LocalTimeKind::Ambiguous;
        result.offset = offsetAt(zone, local - readings.front());
        result.other = offsetAt(zone, local - readings.back());
        return result;
    }
    // No reading holds: the clocks jumped over the local time at a transition
    // whose offset before it reads the local time after the transition.
    result.kind = LocalTimeKind::Nonexistent;
    for (const QTimeZone::OffsetData& t : transitions) {
        const qint64 at = t.atUtc.toSecsSinceEpoch();
        const int before = zone.offsetFromUtc(instant(at - 1));
        if (local >= at + before && local < at + t.offsetFromUtc) {
            result.offset = offsetAt(zone, at - 1);
            result.other = offsetAt(zone, at);
            return result;
        }
    }
    result.offset = offsetAt(zone, local - kSearchSeconds);
    result.other = offsetAt(zone, local + kSearchSeconds);
    return result;
}

ZoneBoxes ZoneBoxesFor(const ZoneOffset& offset) {
    constexpr int kOneHour = 60;
    const bool dst = offset.daylightMinutes == kOneHour;
    const int inBoxes = dst ? offset.standardMinutes() : offset.minutes;
    const bool ahead = inBoxes != 0 ? inBoxes > 0 : offset.minutes >= 0;
    return {std::abs(inBoxes) / 60, std::abs(inBoxes) % 60, dst, ahead};
}
