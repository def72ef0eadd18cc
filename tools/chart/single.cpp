#include "tools/chart/single.h"

#include "atlas/atlas.h"
#include "atlas/birth_zone.h"
#include "atlas/zone_at_birth.h"
#include "tools/chart/failure.h"
#include "tools/chart/places.h"
#include "tools/chart/resolved_birth.h"

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
    const std::optional<Atlas> atlas = loadChartAtlas(error);
    if (!atlas) {
        return refuse(error);
    }
    const Place* place = atlas->choose(request.place);
    if (place == nullptr) {
        return refuse(noPlaceError(request.place));
    }
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
