#include "atlas/zone_following.h"

#include "atlas/birth_zone.h"
#include "engine/mod_bhava.h"
#include "engine/offset_text.h"

#include <QCoreApplication>

#include <cmath>
#include <cstdlib>
#include <utility>

namespace {

// Larger numbers in a box are typing gone wrong, not a zone or a coordinate.
constexpr int kLargestBoxNumber = 1000;

// A box's text is a whole number of a sensible size once the spaces around
// it are dropped.
bool holdsWholeNumber(QStringView text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok && std::abs(value) <= kLargestBoxNumber;
}

} // namespace

void ZoneFollowing::setAtlas(std::shared_ptr<const Atlas> atlas) {
    atlas_ = std::move(atlas);
}

void ZoneFollowing::followPlace(const Place& place) {
    zone = place.TimeZone;
    following = true;
    nearestZone.clear();
}

bool ZoneFollowing::followNearest() {
    if (nearestZone.isEmpty()) {
        return false;
    }
    zone = nearestZone;
    following = true;
    return true;
}

void ZoneFollowing::keepZone(const QByteArray& zone) {
    this->zone = zone;
    following = false;
    nearestZone.clear();
}

std::optional<ZoneOffset> ZoneFollowing::followedOffset(const BirthRecord& birth) const {
    if (!following || zone.isEmpty()) {
        return std::nullopt;
    }
    BirthRecord atPlace = birth;
    atPlace.TimeZone = zone.toStdString();
    const ZoneAtBirth found = ZoneAtBirthOf(atPlace);
    if (found.kind == LocalTimeKind::NoZone) {
        return std::nullopt;
    }
    return found.offset;
}

NearestZoneProposal ZoneFollowing::proposeNearest(const BirthRecord& birth, QStringView latDegrees,
                                                  QStringView lonDegrees) {
    nearestZone.clear();
    if (atlas_ == nullptr || !holdsWholeNumber(latDegrees) || !holdsWholeNumber(lonDegrees) ||
        birth.LatD > 90 || birth.LonD > 180) {
        return {};
    }
    const double latitude = (birth.LatD + birth.LatM / 60.0) * (birth.LatSouth ? -1 : 1);
    const auto nearby = atlas_->nearest(latitude, RecordLongitude(birth));
    if (!nearby) {
        return {QCoreApplication::translate(
                    "ZoneFollowing", "No place of the atlas lies within %1 km: type the zone.")
                    .arg(kNearbyReachKm),
                false};
    }
    nearestZone = nearby->place->TimeZone;
    return {QCoreApplication::translate("ZoneFollowing",
                                        "Nearest place in the atlas: %1, %2 km away, zone %3.")
                .arg(PlaceLabel(*nearby->place))
                .arg(std::lround(nearby->distanceKm))
                .arg(QString::fromLatin1(nearestZone)),
            true};
}

QString OffsetUsedText(const BirthRecord& birth, QStringView zoneHour, QStringView zoneMinute) {
    if (!holdsWholeNumber(zoneHour) ||
        (!zoneMinute.trimmed().isEmpty() && !holdsWholeNumber(zoneMinute))) {
        return {};
    }
    QString text = QString::fromStdString(OffsetText(ZoneOffsetMinutes(birth), OffsetStyle::Ut));
    if (birth.DST) {
        text += QStringLiteral(" (daylight saving)");
    }
    return text;
}
