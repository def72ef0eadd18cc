#include "tools/chart/places.h"

#include "tools/chart/failure.h"

#include <QLatin1Char>
#include <QStringList>

#include <ostream>
#include <utility>
#include <vector>

std::optional<std::vector<Place>> findChartPlaces(const QString& text, std::size_t limit,
                                                  QString& error) {
    // One look-up straight from the atlas's files: a fraction of the time
    // building the whole atlas takes.
    PlacesFound found = FindPlaces(DefaultAtlasFolder(), text, limit);
    if (!found.error.isEmpty()) {
        error = QStringLiteral("the atlas of places cannot be read: %1").arg(found.error);
        return std::nullopt;
    }
    return std::move(found.places);
}

QString noPlaceError(const QString& text) {
    return QStringLiteral("no place of the atlas matches '%1'").arg(text);
}

int runPlaces(const ChartRequest& request, ChartStreams& streams) {
    QString error;
    const std::optional<std::vector<Place>> places =
        findChartPlaces(request.place, kListedPlaces, error);
    if (!places) {
        return fail(streams.err, error);
    }
    if (places->empty()) {
        return fail(streams.err, noPlaceError(request.place));
    }
    for (const Place& place : *places) {
        writeText(streams.out, QStringList{place.Name, place.State, place.Country,
                                           QString::number(place.Latitude, 'f', 5),
                                           QString::number(place.Longitude, 'f', 5),
                                           QString::fromLatin1(place.TimeZone)}
                                       .join(QLatin1Char('\t')) +
                                   QLatin1Char('\n'));
    }
    streams.out.flush();
    if (!streams.out) {
        return fail(streams.err, QStringLiteral("cannot write the places"));
    }
    return kChartDone;
}
