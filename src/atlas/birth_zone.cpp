#include "atlas/birth_zone.h"

#include "engine/mod_bhava.h"
#include "engine/offset_text.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

QString utText(int minutes) {
    return QString::fromStdString(OffsetText(minutes, OffsetStyle::Ut));
}

constexpr int kMinutesPerDegree = 60;
constexpr int kLastRecordLatitude = 89 * kMinutesPerDegree + 59;
constexpr int kLastRecordLongitude = 179 * kMinutesPerDegree + 59;

// An angle's magnitude in whole minutes, kept within the record's range.
int recordMinutes(double degrees, int last) {
    return std::min(last, static_cast<int>(std::lround(std::fabs(degrees) * kMinutesPerDegree)));
}

std::int16_t field(int value) {
    return static_cast<std::int16_t>(value);
}

// Where the birth was, for a message: the city, or the zone id.
QString placeName(const BirthRecord& birth) {
    return birth.City.empty() ? QString::fromStdString(birth.TimeZone)
                              : QString::fromStdString(birth.City);
}

// "2021-11-07 01:30".
QString localTimeText(const BirthRecord& birth) {
    return QStringLiteral("%1-%2-%3 %4:%5")
        .arg(birth.Year, 4, 10, QLatin1Char('0'))
        .arg(birth.Month, 2, 10, QLatin1Char('0'))
        .arg(birth.Day, 2, 10, QLatin1Char('0'))
        .arg(birth.Hour, 2, 10, QLatin1Char('0'))
        .arg(birth.Minute, 2, 10, QLatin1Char('0'));
}

} // namespace

RecordCoordinates RecordCoordinatesOf(double latitude, double longitude) {
    const int latMinutes = recordMinutes(latitude, kLastRecordLatitude);
    const int lonMinutes = recordMinutes(longitude, kLastRecordLongitude);
    return {
        latMinutes / kMinutesPerDegree, latMinutes % kMinutesPerDegree,
        latitude<0, lonMinutes / kMinutesPerDegree, lonMinutes % kMinutesPerDegree, longitude> 0};
}

double RecordLongitude(const BirthRecord& birth) {
    const double degrees = birth.LonD + birth.LonM / static_cast<double>(kMinutesPerDegree);
    return birth.LonEast ? degrees : -degrees;
}

void SetPlace(BirthRecord& birth, const Place& place) {
    birth.City = place.AsciiName.toStdString();
    birth.State = place.StateAscii.toStdString();
    birth.Country = place.CountryAscii.toStdString();
    const RecordCoordinates c = RecordCoordinatesOf(place.Latitude, place.Longitude);
    birth.LatD = field(c.latD);
    birth.LatM = field(c.latM);
    birth.LatSouth = c.latSouth;
    birth.LonD = field(c.lonD);
    birth.LonM = field(c.lonM);
    birth.LonEast = c.lonEast;
    birth.TimeZone = place.TimeZone.toStdString();
}

void SetZone(BirthRecord& birth, const ZoneOffset& offset) {
    const ZoneBoxes boxes = ZoneBoxesFor(offset);
    birth.ZoneHour = field(boxes.hours);
    birth.ZoneMinute = field(boxes.minutes);
    birth.DST = boxes.dst;
    birth.ZoneAhead = boxes.ahead;
}

ZoneAtBirth ZoneAtBirthOf(const BirthRecord& birth) {
    if (birth.TimeZone.empty()) {
        return {};
    }
    return ZoneAt(QByteArrayView(birth.TimeZone), QDate(birth.Year, birth.Month, birth.Day),
                  QTime(birth.Hour, birth.Minute), RecordLongitude(birth));
}

BirthZoneCheck CheckZoneAtBirth(const BirthRecord& birth) {
    BirthZoneCheck check;
    check.zone = ZoneAtBirthOf(birth);
    const ZoneAtBirth& zone = check.zone;
    const int used = ZoneOffsetMinutes(birth);
    const QString when = localTimeText(birth);
    const QString where = placeName(birth);
    switch (zone.kind) {
    case LocalTimeKind::Nonexistent:
        check.refusal =
            QStringLiteral("The local time %1 did not exist at %2: the clocks moved "
                           "forward from %3 to %4 there. Please check the time.")
                .arg(when, where, utText(zone.offset.minutes), utText(zone.other.minutes));
        break;
    case LocalTimeKind::Ambiguous:
        if (used == zone.offset.minutes || used == zone.other.minutes) {
            const QString first = utText(zone.offset.minutes);
            const QString second = utText(zone.other.minutes);
            check.question = QStringLiteral("The local time %1 happened twice at %2: the clocks "
                                            "moved back from %3 to %4. Which was the birth?")
                                 .arg(when, where, first, second);
            check.choices = {QStringLiteral("The first, %1").arg(first),
                             QStringLiteral("The second, %1").arg(second)};
            check.warning =
                QStringLiteral("The local time %1 is ambiguous at %2 (the clocks moved back from "
                               "%3 to %4): the %5 occurrence, %6, is used.")
                    .arg(when, where, first, second,
                         used == zone.offset.minutes ? QStringLiteral("first")
                                                     : QStringLiteral("second"),
                         utText(used));
        }
        break;
    case LocalTimeKind::LocalMeanTime:
        if (used == zone.offset.minutes) {
            check.warning = QStringLiteral("%1 is before the first standard time of %2: the "
                                           "local mean time of %3, %4, is used.")
                                .arg(when, QString::fromStdString(birth.TimeZone), where,
                                     utText(zone.offset.minutes));
        }
        break;
    case LocalTimeKind::Unique:
    case LocalTimeKind::NoZone:
        break;
    }
    return check;
}
