#include "tools/chart/single.h"

#include "atlas/atlas.h"
#include "atlas/birth_zone.h"
#include "atlas/zone_at_birth.h"
#include "engine/mod_bhava.h"
#include "tools/chart/failure.h"
#include "tools/chart/places.h"
#include "tools/chart/resolved_birth.h"

#include <QLatin1Char>

#include <optional>
#include <utility>

namespace {

// The place's names, coordinates and zone id into the birth, the
// coordinates the options gave kept.
void placeBirth(const ChartRequest& request, const Place& place, ResolvedBirth& resolved) {
    BirthRecord& birth = *resolved.birth;
    const BirthRecord given = birth;
    SetPlace(birth, place);
    if (request.longitudeGiven) {
        birth.LonD = given.LonD;
        birth.LonM = given.LonM;
        birth.LonEast = given.LonEast;
    }
    if (request.latitudeGiven) {
        birth.LatD = given.LatD;
        birth.LatM = given.LatM;
        birth.LatSouth = given.LatSouth;
    }
    resolved.place = ReadingPlace{
        place.Name.toStdString(), place.State.toStdString(), place.Country.toStdString(),
        place.Latitude,           place.Longitude,           place.TimeZone.toStdString()};
    resolved.placeLabel =
        QStringLiteral("%1 (%2)").arg(PlaceLabel(place), QString::fromLatin1(place.TimeZone));
}

// An unsigned --zone takes its direction from the longitude, as it always
// has; where the atlas knows the place's zone lies on the other side of
// universal time at the birth (Madrid, west of Greenwich yet ahead), the
// reading says so.
QString unsignedZoneWarning(const BirthRecord& birth, const Place& place) {
    if (birth.ZoneAhead || (birth.ZoneHour == 0 && birth.ZoneMinute == 0)) {
        return {};
    }
    const ZoneAtBirth zone = ZoneAtBirthOf(birth);
    if (zone.kind == LocalTimeKind::NoZone || zone.offset.minutes == 0) {
        return {};
    }
    const bool atlasAhead = zone.offset.minutes > 0;
    if (atlasAhead == ZoneIsAhead(birth)) {
        return {};
    }
    const QString given =
        QStringLiteral("%1:%2").arg(birth.ZoneHour).arg(birth.ZoneMinute, 2, 10, QLatin1Char('0'));
    return QStringLiteral("The zone %1 has no sign, so it was taken as %2 universal time, as the "
                          "longitude says; the zone of %3 (%4) was %5 universal time at this "
                          "birth. Give --zone %6 if that was meant.")
        .arg(given, atlasAhead ? QStringLiteral("behind") : QStringLiteral("ahead of"),
             PlaceLabel(place), QString::fromLatin1(place.TimeZone),
             atlasAhead ? QStringLiteral("ahead of") : QStringLiteral("behind"),
             (atlasAhead ? QStringLiteral("+") : QStringLiteral("-")) + given);
}

// The birth of the options, with --place resolved in the atlas.
ResolvedBirth resolveOptionsBirth(const ChartRequest& request) {
    ResolvedBirth resolved;
    resolved.birth = request.birth;
    if (request.place.isEmpty()) {
        settleZone(resolved);
        return resolved;
    }
    const auto refuse = [&resolved](QString error) {
        resolved.error = std::move(error);
        resolved.birth.reset();
        return resolved;
    };
    QString error;
    const std::optional<std::vector<Place>> found = findChartPlaces(request.place, 1, error);
    if (!found) {
        return refuse(error);
    }
    if (found->empty()) {
        return refuse(noPlaceError(request.place));
    }
    const Place* place = &found->front();
    placeBirth(request, *place, resolved);
    if (!request.zoneGiven) {
        const ZoneAtBirth zone = ZoneAtBirthOf(*resolved.birth);
        if (zone.kind == LocalTimeKind::NoZone) {
            return refuse(
                QStringLiteral("the zone %1 of %2 is not in the system's time-zone data: give "
                               "--zone")
                    .arg(QString::fromLatin1(place->TimeZone), PlaceLabel(*place)));
        }
        SetZone(*resolved.birth, zone.offset);
        // --dst is the window's tick after the place filled in the boxes.
        resolved.birth->DST = resolved.birth->DST || request.birth.DST;
    } else {
        if (QString warning = unsignedZoneWarning(*resolved.birth, *place); !warning.isEmpty()) {
            resolved.warnings.push_back(std::move(warning));
        }
    }
    settleZone(resolved);
    return resolved;
}

} // namespace

int runSingle(const ChartRequest& request, ChartStreams& streams) {
    const ResolvedBirth resolved = resolveOptionsBirth(request);
    if (!resolved.birth) {
        return fail(streams.err, resolved.error);
    }
    return writeReading(request, resolved, streams);
}
