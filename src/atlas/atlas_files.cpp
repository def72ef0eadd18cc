#include "atlas/atlas_files.h"

#include "atlas/search_key.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

constexpr std::array kCorrections = {
    // Russia's regions that left the zone of their neighbours in 2016.
    ZoneCorrection{CorrectionScope::Division, "RU.81", "Europe/Ulyanovsk"},
    ZoneCorrection{CorrectionScope::Division, "RU.67", "Europe/Saratov"},
    ZoneCorrection{CorrectionScope::Division, "RU.07", "Europe/Astrakhan"},
    ZoneCorrection{CorrectionScope::Division, "RU.33", "Europe/Kirov"},
    ZoneCorrection{CorrectionScope::Division, "RU.04", "Asia/Barnaul"}, // Altai Krai
    ZoneCorrection{CorrectionScope::Division, "RU.03", "Asia/Barnaul"}, // Altai Republic
    ZoneCorrection{CorrectionScope::Division, "RU.75", "Asia/Tomsk"},
    // Magallanes kept summer time all year from 2016.
    ZoneCorrection{CorrectionScope::Division, "CL.10", "America/Punta_Arenas"},
    // Kazakhstan's regions that changed their offset in 2016-2018.
    ZoneCorrection{CorrectionScope::Division, "KZ.06", "Asia/Atyrau"},
    ZoneCorrection{CorrectionScope::Division, "KZ.13", "Asia/Qostanay"},
    // Northern Cyprus's part of 2016-2017; Ciudad Juárez's own zone of 2022.
    ZoneCorrection{CorrectionScope::Place, "146617", "Asia/Famagusta"},
    ZoneCorrection{CorrectionScope::Place, "4013708", "America/Ciudad_Juarez"},
    // Zones renamed since, whose old names only stay as compatibility links.
    ZoneCorrection{CorrectionScope::Zone, "Asia/Rangoon", "Asia/Yangon"},
    ZoneCorrection{CorrectionScope::Zone, "Europe/Kiev", "Europe/Kyiv"},
    ZoneCorrection{CorrectionScope::Zone, "America/Godthab", "America/Nuuk"},
};

// The names given since 2015 that the place list lacks, each for the place
// it renamed.
constexpr std::array kRenamings = {
    // India.
    AlternateName{1278994, "Prayagraj"},                         // Allahabad, 2018
    AlternateName{1270642, "Gurugram"},                          // Gurgaon, 2016
    AlternateName{1270752, "Kalaburagi"},                        // Gulbarga, 2014
    AlternateName{1278149, "Chhatrapati Sambhajinagar"},         // Aurangabad, 2023
    AlternateName{1261012, "Dharashiv"},                         // Osmanabad, 2023
    AlternateName{1279228, "Ahilyanagar"},                       // Ahmadnagar, 2024
    AlternateName{1269939, "Narmadapuram"},                      // Hoshangabad, 2022
    AlternateName{1262634, "Pandit Deen Dayal Upadhyaya Nagar"}, // Mughal Sarai, 2018
    AlternateName{1262634, "Deen Dayal Upadhyaya Nagar"},
    AlternateName{1259385, "Sri Vijaya Puram"}, // Port Blair, 2024
    // Bangladesh's English spellings of 2018.
    AlternateName{1205733, "Chattogram"}, // Chittagong
    AlternateName{1185186, "Cumilla"},    // Comilla
    AlternateName{1336137, "Barishal"},   // Barisal
    AlternateName{1337233, "Bogura"},     // Bogra
    AlternateName{1336140, "Jashore"},    // Jessore
    // Ukraine, 2016 unless said.
    AlternateName{709930, "Dnipro"},           // Dnipropetrovsk
    AlternateName{705812, "Kropyvnytskyi"},    // Kirovohrad
    AlternateName{709932, "Kamianske"},        // Dniprodzerzhynsk
    AlternateName{704422, "Pokrovsk"},         // Krasnoarmiisk
    AlternateName{6559559, "Horishni Plavni"}, // Komsomolsk
    AlternateName{710035, "Myrnohrad"},        // Dymytrov
    AlternateName{709354, "Toretsk"},          // Dzerzhynsk
    AlternateName{707688, "Chornomorsk"},      // Illichivsk
    AlternateName{704679, "Podilsk"},          // Kotovsk
    AlternateName{691037, "Oleshky"},          // Tsiurupynsk
    AlternateName{692975, "Kadiivka"},         // Stakhanov
    AlternateName{704202, "Khrustalnyi"},      // Krasnyi Luch
    AlternateName{704403, "Sorokyne"},         // Krasnodon
    AlternateName{692105, "Dovzhansk"},        // Sverdlovsk
    AlternateName{705809, "Holubivka"},        // Kirovsk
    AlternateName{697637, "Pereiaslav"},       // Pereiaslav-Khmelnytskyi, 2019
    AlternateName{689378, "Volodymyr"},        // Volodymyr-Volynskyi, 2021
    AlternateName{699553, "Zviahel"},          // Novohrad-Volynskyi, 2022
    // Kazakhstan and Tajikistan.
    AlternateName{1526273, "Nur-Sultan"}, // Astana's name of 2019-2022
    AlternateName{1519948, "Konaev"},     // Kapshagay, 2022
    AlternateName{1220747, "Bokhtar"},    // Qurghonteppa, 2018
};

// The columns of cities15000.txt used here.
enum CityColumn {
    kGeonameId = 0,
    kName = 1,
    kAsciiName = 2,
    kAlternateNames = 3,
    kLatitude = 4,
    kLongitude = 5,
    kCountryCode = 8,
    kAdmin1 = 10,
    kPopulation = 14,
    kTimeZone = 17,
    kCityColumns = 19,
};

QList<QByteArrayView> fields(QByteArrayView line) {
    QList<QByteArrayView> out;
    out.reserve(kCityColumns);
    qsizetype from = 0;
    for (;;) {
        const qsizetype tab = line.indexOf('\t', from);
        if (tab < 0) {
            out.append(line.sliced(from));
            return out;
        }
        out.append(line.sliced(from, tab - from));
        from = tab + 1;
    }
}

QString text(QByteArrayView utf8) {
    return QString::fromUtf8(utf8);
}

QHash<QByteArray, StateNames> readStates(QByteArrayView bytes) {
    QHash<QByteArray, StateNames> states;
    for (const QByteArrayView line : AtlasDataLines(bytes)) {
        const QList<QByteArrayView> f = fields(line);
        if (f.size() >= 3) {
            states.insert(f[0].toByteArray(), {text(f[1]), AsciiText(text(f[2]))});
        }
    }
    return states;
}

QHash<QByteArray, QString> readCountries(QByteArrayView bytes) {
    QHash<QByteArray, QString> countries;
    for (const QByteArrayView line : AtlasDataLines(bytes)) {
        const QList<QByteArrayView> f = fields(line);
        if (f.size() >= 5) {
            countries.insert(f[0].toByteArray(), text(f[4]));
        }
    }
    return countries;
}

QByteArray correctedZone(QByteArray zone, QByteArrayView geonameId, QByteArrayView division) {
    for (const ZoneCorrection& c : kCorrections) {
        const QByteArrayView where(c.where);
        const bool applies = (c.scope == CorrectionScope::Place && where == geonameId) ||
                             (c.scope == CorrectionScope::Division && where == division) ||
                             (c.scope == CorrectionScope::Zone && where == zone);
        if (applies) {
            zone = c.zone;
        }
    }
    return zone;
}

std::optional<double> number(QByteArrayView field) {
    bool ok = false;
    const double value = field.toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

bool isAscii(QByteArrayView bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The ASCII name of the line, or of its name when the line has none.
QString asciiNameOf(const QList<QByteArrayView>& f) {
    QString ascii = AsciiText(text(f[kAsciiName]).trimmed());
    return ascii.isEmpty() ? AsciiText(text(f[kName])) : ascii;
}

// Codes among the alternate names (airports, abbreviations) are a few
// capital letters.
bool isCode(QByteArrayView name) {
    constexpr qsizetype kLongestCode = 4;
    return name.size() >= 2 && name.size() <= kLongestCode &&
           std::all_of(name.begin(), name.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

} // namespace

std::span<const ZoneCorrection> ZoneCorrections() {
    return kCorrections;
}

std::span<const AlternateName> AlternateNames() {
    return kRenamings;
}

std::optional<QByteArray> ReadAtlasFile(const QString& folder, const char* name, QString& error) {
    QFile file(QDir(folder).filePath(QString::fromLatin1(name)));
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("The atlas file %1 could not be read: %2")
                    .arg(file.fileName(), file.errorString());
        return std::nullopt;
    }
    QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        error = QStringLiteral("The atlas file %1 is empty").arg(file.fileName());
        return std::nullopt;
    }
    return bytes;
}

std::optional<AtlasNames> ReadAtlasNames(const QString& folder, QString& error) {
    const auto admin1 = ReadAtlasFile(folder, "admin1Codes.txt", error);
    if (!admin1) {
        return std::nullopt;
    }
    const auto countryInfo = ReadAtlasFile(folder, "countryInfo.txt", error);
    if (!countryInfo) {
        return std::nullopt;
    }
    return AtlasNames{readStates(*admin1), readCountries(*countryInfo)};
}

QList<QByteArrayView> AtlasDataLines(QByteArrayView bytes) {
    QList<QByteArrayView> lines;
    qsizetype from = 0;
    while (from < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', from);
        if (end < 0) {
            end = bytes.size();
        }
        QByteArrayView line = bytes.sliced(from, end - from);
        if (line.endsWith('\r')) {
            line.chop(1);
        }
        if (!line.isEmpty() && !line.startsWith('#')) {
            lines.append(line);
        }
        from = end + 1;
    }
    return lines;
}

std::optional<QList<QByteArrayView>> PlaceFields(QByteArrayView line) {
    QList<QByteArrayView> f = fields(line);
    if (f.size() < kCityColumns) {
        return std::nullopt;
    }
    const auto latitude = number(f[kLatitude]);
    const auto longitude = number(f[kLongitude]);
    if (!latitude || !longitude || std::fabs(*latitude) > 90 || std::fabs(*longitude) > 180 ||
        f[kName].isEmpty()) {
        return std::nullopt;
    }
    return f;
}

std::int64_t PopulationOf(const QList<QByteArrayView>& fields) {
    return static_cast<std::int64_t>(number(fields[kPopulation]).value_or(0));
}

QByteArray DivisionOf(const QList<QByteArrayView>& fields) {
    return fields[kCountryCode].toByteArray() + '.' + fields[kAdmin1].toByteArray();
}

Place PlaceOf(const QList<QByteArrayView>& f, const AtlasNames& names) {
    Place p;
    p.Name = text(f[kName]);
    p.AsciiName = asciiNameOf(f);
    p.CountryCode = f[kCountryCode].toByteArray();
    const QByteArray division = DivisionOf(f);
    if (const auto state = names.states.constFind(division); state != names.states.cend()) {
        p.State = state->name;
        p.StateAscii = state->ascii;
    }
    p.Country = names.countries.value(p.CountryCode, text(p.CountryCode));
    p.CountryAscii = AsciiText(p.Country);
    p.Latitude = number(f[kLatitude]).value_or(0);
    p.Longitude = number(f[kLongitude]).value_or(0);
    p.Population = PopulationOf(f);
    p.GeonameId = f[kGeonameId].toUInt();
    p.TimeZone = correctedZone(f[kTimeZone].toByteArray(), f[kGeonameId], division);
    return p;
}

void ForEachPlaceName(const QList<QByteArrayView>& f,
                      const std::function<void(QByteArrayView, Atlas::KeyKind)>& visit) {
    visit(f[kName], Atlas::KeyKind::Name);
    // A plain ASCII name is its own ASCII text (its blanks at either end make
    // no key).
    if (isAscii(f[kAsciiName]) && !f[kAsciiName].trimmed().isEmpty()) {
        visit(f[kAsciiName], Atlas::KeyKind::Name);
    } else {
        visit(asciiNameOf(f).toUtf8(), Atlas::KeyKind::Name);
    }
    const QByteArrayView alternates = f[kAlternateNames];
    qsizetype from = 0;
    while (from < alternates.size()) {
        qsizetype comma = alternates.indexOf(',', from);
        if (comma < 0) {
            comma = alternates.size();
        }
        const QByteArrayView alternate = alternates.sliced(from, comma - from);
        visit(alternate, isCode(alternate) ? Atlas::KeyKind::Code : Atlas::KeyKind::Alternate);
        from = comma + 1;
    }
    const std::uint32_t id = f[kGeonameId].toUInt();
    for (const AlternateName& a : kRenamings) {
        if (a.geonameId == id) {
            visit(QByteArrayView(a.name), Atlas::KeyKind::Alternate);
        }
    }
}
