#pragma once

// Reading the GeoNames files of the atlas: what the index of the whole atlas
// and the look-up of one place share.

#include "atlas/atlas.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

struct StateNames {
    QString name;
    QString ascii;
};

// The states of admin1Codes.txt by their division, "RU.81", and the countries
// of countryInfo.txt by their code.
struct AtlasNames {
    QHash<QByteArray, StateNames> states;
    QHash<QByteArray, QString> countries;
};

// The bytes of one file of folder, or the error that names it.
std::optional<QByteArray> ReadAtlasFile(const QString& folder, const char* name, QString& error);

// The two small files of folder.
std::optional<AtlasNames> ReadAtlasNames(const QString& folder, QString& error);

// The lines of a file, without their ends, leaving out empty lines and
// comments (lines beginning with #).
QList<QByteArrayView> AtlasDataLines(QByteArrayView bytes);

// The fields of one line of cities15000.txt, when it is a place: enough
// fields, coordinates on the globe and a name.
std::optional<QList<QByteArrayView>> PlaceFields(QByteArrayView line);

// The place of the fields, its zone corrected.
Place PlaceOf(const QList<QByteArrayView>& fields, const AtlasNames& names);

// The population column, as Place::Population holds it.
std::int64_t PopulationOf(const QList<QByteArrayView>& fields);

// The division of the fields, "RU.81".
QByteArray DivisionOf(const QList<QByteArrayView>& fields);

// Every name a place is searched by, UTF-8, with the kind of key it makes:
// its name, its ASCII name, the alternate names of the line and those of
// AlternateNames(). A name may come more than once.
void ForEachPlaceName(const QList<QByteArrayView>& fields,
                      const std::function<void(QByteArrayView, Atlas::KeyKind)>& visit);
