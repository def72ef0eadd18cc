#include "atlas/birth_zone.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kMinutesPerDegree = 60;
constexpr int kLastRecordLongitude = 179 * kMinutesPerDegree + 59;

std::int16_t field(int value) {
    return static_cast<std::int16_t>(value);
}

} // namespace

RecordCoordinates RecordCoordinatesOf(double latitude, double longitude) {
    const int latMinutes = static_cast<int>(std::lround(std::fabs(latitude) * kMinutesPerDegree));
    const int lonMinutes =
        std::min(kLastRecordLongitude,
                 static_cast<int>(std::lround(std::fabs(longitude) * kMinutesPerDegree)));
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
