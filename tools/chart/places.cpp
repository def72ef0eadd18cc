#include "tools/chart/places.h"

#include "tools/chart/failure.h"

#include <QLatin1Char>
#include <QStringList>

#include <ostream>
#include <utility>
#include <vector>

std::optional<Atlas> loadChartAtlas(QString& error) {
    AtlasLoad load = Atlas::load(DefaultAtlasFolder());
    if (!load.atlas) {
        error = QStringLiteral("the atlas of places cannot be read: %1").arg(load.error);
    }
    return std::move(load.atlas);
}

QString noPlaceError(const QString& text) {
    return QStringLiteral("no place of the atlas matches '%1'").arg(text);
}

int runPlaces(const ChartRequest& request, ChartStreams& streams) {
    QString error;
    const std::optional<Atlas> atlas = loadChartAtlas(error);
    if (!atlas) {
        return fail(streams.err, error);
    }
    const std::vector<const Place*> places = atlas->search(request.place, kListedPlaces);
    if (places.empty()) {
        return fail(streams.err, noPlaceError(request.place));
    }
    for (const Place* place : places) {
        writeText(streams.out, QStringList{place->Name, place->State, place->Country,
                                           QString::number(place->Latitude, 'f', 5),
                                           QString::number(place->Longitude, 'f', 5),
                                           QString::fromLatin1(place->TimeZone)}
                                       .join(QLatin1Char('\t')) +
                                   QLatin1Char('\n'));
    }
    streams.out.flush();
    if (!streams.out) {
        return fail(streams.err, QStringLiteral("cannot write the places"));
    }
    return kChartDone;
}
