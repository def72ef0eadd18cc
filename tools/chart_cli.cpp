#include "tools/chart_cli.h"

#include "atlas/atlas.h"
#include "atlas/birth_zone.h"
#include "document/chart_picture.h"
#include "engine/mod_bhava.h"
#include "kelvaro_version.h"
#include "planets/ephemeris.h"
#include "planets/mod_planets.h"
#include "reading/reading.h"
#include "reading/reading_rows.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QLatin1StringView>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cstring>
#include <ostream>
#include <thread>
#include <vector>

namespace {

// The warning found on the way to the birth (the zone at the birth), if any.
ReadingOptions readingOptions(const QString& warning) {
    ReadingOptions options;
    if (!warning.isEmpty()) {
        options.warnings.push_back(warning.toStdString());
    }
    return options;
}

constexpr const char* kProgram = "kelvaro-chart";

// ------------------------------------------------------------ arguments

struct ChartOptions {
    QCommandLineOption date{QStringLiteral("date"),
                            QStringLiteral("Date of birth, 1901-01-01 to 2050-12-31.\n"
                                           "Example: --date 2000-01-01"),
                            QStringLiteral("YYYY-MM-DD")};
    QCommandLineOption time{QStringLiteral("time"),
                            QStringLiteral("Local clock time of the birth, 0:00 to 23:59.\n"
                                           "Example: --time 12:00"),
                            QStringLiteral("HH:MM")};
    QCommandLineOption zone{
        QStringLiteral("zone"),
        QStringLiteral("Time-zone offset in hours and minutes, 0:00 to 14:59. Without a sign "
                       "the direction comes from the longitude (East ahead of universal time, "
                       "West behind); + is ahead of universal time, - behind.\n"
                       "Example: --zone 5:30, --zone -5:00"),
        QStringLiteral("[+|-]H:MM")};
    QCommandLineOption place{
        QStringLiteral("place"),
        QStringLiteral("The birth place, looked up in the atlas: its coordinates and the zone in "
                       "force at the birth replace --longitude, --latitude and --zone when those "
                       "are not given.\nExample: --place \"Kolkata\""),
        QStringLiteral("TEXT")};
    QCommandLineOption places{
        QStringLiteral("places"),
        QStringLiteral("List up to 20 places of the atlas for a text, one a line: name, state, "
                       "country, latitude and longitude (North and East positive) and zone id, "
                       "tab-separated.\nExample: --places \"san jose\""),
        QStringLiteral("TEXT")};
    QCommandLineOption longitude{
        QStringLiteral("longitude"),
        QStringLiteral("Longitude: degrees 0 to 179, E or W, minutes 0 to 59. A longitude of 0 "
                       "counts as West.\nExample: --longitude 77E12"),
        QStringLiteral("DDD{E|W}MM")};
    QCommandLineOption latitude{
        QStringLiteral("latitude"),
        QStringLiteral("Latitude: degrees 0 to 89, N or S, minutes 0 to 59.\n"
                       "Example: --latitude 28N36"),
        QStringLiteral("DD{N|S}MM")};
    QCommandLineOption dst{QStringLiteral("dst"),
                           QStringLiteral("Daylight-saving time was in force at the birth.\n"
                                          "Example: --dst")};
    QCommandLineOption name{QStringLiteral("name"),
                            QStringLiteral("The person's name, for the printed reading.\n"
                                           "Example: --name \"Ram Kumar\""),
                            QStringLiteral("NAME")};
    QCommandLineOption pdf{
        QStringLiteral("pdf"),
        QStringLiteral("Write the printed reading as a PDF instead of printing the reading: the "
                       "birth, the drawn chart, the figures, the houses and the interpretation "
                       "of every house.\nExample: --pdf reading.pdf"),
        QStringLiteral("OUT.pdf")};
    QCommandLineOption svg{QStringLiteral("svg"),
                           QStringLiteral("Write the drawn chart alone as an SVG picture.\n"
                                          "Example: --svg chart.svg"),
                           QStringLiteral("OUT.svg")};
    QCommandLineOption png{
        QStringLiteral("png"),
        QStringLiteral("Write the drawn chart alone as a PNG picture, 1200 pixels square.\n"
                       "Example: --png chart.png"),
        QStringLiteral("OUT.png")};
    QCommandLineOption chartStyle{
        QStringLiteral("chart-style"),
        QStringLiteral("How --pdf, --svg and --png draw the chart: north (North Indian, the "
                       "houses fixed; the default) or south (South Indian, the signs fixed).\n"
                       "Example: --chart-style south"),
        QStringLiteral("north|south")};
    QCommandLineOption paper{
        QStringLiteral("paper"),
        QStringLiteral("The paper of --pdf: a4 or letter; without it, the paper of the "
                       "system's locale.\nExample: --paper letter"),
        QStringLiteral("a4|letter")};
    QCommandLineOption json{
        QStringLiteral("json"),
        QStringLiteral("Print the reading as one JSON object instead of a table.\n"
                       "Example: --json")};
    QCommandLineOption batch{
        QStringLiteral("batch"),
        QStringLiteral("Read births as JSON Lines from standard input and write one reading "
                       "a line, in the same order.\n"
                       "Example: kelvaro-chart --batch < births.jsonl > readings.jsonl")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")},
                            QStringLiteral("Show this help.\nExample: kelvaro-chart --help")};
    QCommandLineOption version{
        {QStringLiteral("v"), QStringLiteral("version")},
        QStringLiteral("Show the version.\nExample: kelvaro-chart --version")};

    void addTo(QCommandLineParser& parser) const {
        parser.addOptions({date, time, zone, longitude, latitude, dst, place, places, name, pdf,
                           svg, png, chartStyle, paper, json, batch, help, version});
    }
};

// An option given at most once; its value, or nothing when absent.
struct OptionValue {
    std::optional<QString> value;
    QString error;
};

OptionValue singleValue(const QCommandLineParser& parser, const QCommandLineOption& option) {
    const QStringList values = parser.values(option);
    if (values.size() > 1) {
        return {std::nullopt,
                QStringLiteral("--%1 is given more than once").arg(option.names().last())};
    }
    if (values.isEmpty()) {
        return {};
    }
    return {values.first(), {}};
}

const QRegularExpression& datePattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)-([0-9]+)-([0-9]+)$"));
    return pattern;
}
const QRegularExpression& timePattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+):([0-9]+)$"));
    return pattern;
}
const QRegularExpression& zonePattern() {
    static const QRegularExpression pattern(QStringLiteral("^([+-]?)([0-9]+)(?::([0-9]+))?$"));
    return pattern;
}
const QRegularExpression& longitudePattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)([EeWw])([0-9]*)$"));
    return pattern;
}
const QRegularExpression& latitudePattern() {
    static const QRegularExpression pattern(QStringLiteral("^([0-9]+)([NnSs])([0-9]*)$"));
    return pattern;
}

// Which option a field of the birth came from.
const char* optionOfField(BirthField field) {
    switch (field) {
    case BirthField::Month:
    case BirthField::Day:
    case BirthField::Year:
        return "date";
    case BirthField::Hour:
    case BirthField::Minute:
        return "time";
    case BirthField::ZoneHour:
    case BirthField::ZoneMinute:
        return "zone";
    case BirthField::LonD:
    case BirthField::LonM:
        return "longitude";
    default:
        return "latitude";
    }
}

ParsedArguments failure(const QString& error) {
    return {std::nullopt, error};
}

ParsedArguments parseSingleBirth(const QCommandLineParser& parser, const ChartOptions& options,
                                 ChartRequest request) {
    struct Required {
        const QCommandLineOption* option;
        const QRegularExpression* pattern;
        const char* looksLike;
        QString text;
        QRegularExpressionMatch match;
    };
    std::array<Required, 5> required = {{
        {&options.date, &datePattern(), "a date like 2000-01-01", {}, {}},
        {&options.time, &timePattern(), "a time like 12:00", {}, {}},
        {&options.zone, &zonePattern(), "a zone like 5:30, +1:00 or -5:00", {}, {}},
        {&options.longitude, &longitudePattern(), "a longitude like 77E12 or 74W0", {}, {}},
        {&options.latitude, &latitudePattern(), "a latitude like 28N36 or 33S52", {}, {}},
    }};
    const OptionValue place = singleValue(parser, options.place);
    if (!place.error.isEmpty()) {
        return failure(place.error);
    }
    if (place.value) {
        request.place = place.value->trimmed();
        if (request.place.isEmpty()) {
            return failure(QStringLiteral("--place is empty"));
        }
    }
    // With --place, the zone and the coordinates may come from the atlas;
    // until then they stand at 0.
    const std::array<QString, 5> placeholders = {QString(), QString(), QStringLiteral("0"),
                                                 QStringLiteral("0E0"), QStringLiteral("0N0")};
    for (std::size_t i = 0; i < required.size(); ++i) {
        auto& r = required.at(i);
        const QString name = r.option->names().first();
        const OptionValue given = singleValue(parser, *r.option);
        if (!given.error.isEmpty()) {
            return failure(given.error);
        }
        if (!given.value && place.value && !placeholders.at(i).isEmpty()) {
            r.text = placeholders.at(i);
            r.match = r.pattern->match(r.text);
            (i == 2   ? request.zoneGiven
             : i == 3 ? request.longitudeGiven
                      : request.latitudeGiven) = false;
            continue;
        }
        if (!given.value) {
            return failure(
                QStringLiteral("--%1 is missing (%2)").arg(name, QLatin1StringView(r.looksLike)));
        }
        r.text = given.value->trimmed();
        r.match = r.pattern->match(r.text);
        if (!r.match.hasMatch()) {
            return failure(QStringLiteral("--%1 %2 is not %3")
                               .arg(name, *given.value, QLatin1StringView(r.looksLike)));
        }
    }

    // The options' numbers are digits, checked as the birth-data window checks
    // its boxes and lists; a number left out (the minutes of "5") is 0.
    const auto digits = [](const QString& text) {
        return text.isEmpty() ? QStringLiteral("0") : text;
    };
    BirthEntry entry;
    entry.Year = digits(required[0].match.captured(1));
    entry.Month = digits(required[0].match.captured(2));
    entry.Day = digits(required[0].match.captured(3));
    entry.Hour = digits(required[1].match.captured(1));
    entry.Minute = digits(required[1].match.captured(2));
    if (const QString sign = required[2].match.captured(1); !sign.isEmpty()) {
        entry.ZoneAhead = sign == QLatin1StringView("+");
    }
    entry.ZoneHour = digits(required[2].match.captured(2));
    entry.ZoneMinute = digits(required[2].match.captured(3));
    entry.LonD = digits(required[3].match.captured(1));
    entry.LonEast = required[3].match.captured(2).toUpper() == QLatin1StringView("E");
    entry.LonM = digits(required[3].match.captured(3));
    entry.LatD = digits(required[4].match.captured(1));
    entry.LatSouth = required[4].match.captured(2).toUpper() == QLatin1StringView("S");
    entry.LatM = digits(required[4].match.captured(3));
    entry.DST = parser.isSet(options.dst);

    const OptionValue name = singleValue(parser, options.name);
    if (!name.error.isEmpty()) {
        return failure(name.error);
    }
    entry.Name = name.value.value_or(QString());

    CheckedBirth checked = CheckBirth(entry, NameRule::Optional);
    if (!checked.record) {
        const QLatin1StringView option(optionOfField(checked.problem->field));
        for (const auto& r : required) {
            if (r.option->names().first() == option) {
                return failure(
                    QStringLiteral("--%1 %2: %3").arg(option, r.text, checked.problem->message));
            }
        }
        return failure(checked.problem->message);
    }
    request.birth = std::move(*checked.record);
    return {request, {}};
}

// The files of --pdf, --svg and --png, the chart's style and the paper.
ParsedArguments parseChartFiles(const QCommandLineParser& parser, const ChartOptions& options,
                                ChartRequest request) {
    ChartFiles& files = request.files;
    for (const auto& [option, path] :
         {std::pair{&options.pdf, &files.pdf}, std::pair{&options.svg, &files.svg},
          std::pair{&options.png, &files.png}}) {
        const OptionValue given = singleValue(parser, *option);
        if (!given.error.isEmpty()) {
            return failure(given.error);
        }
        if (given.value && given.value->isEmpty()) {
            return failure(QStringLiteral("--%1 needs a file name").arg(option->names().first()));
        }
        *path = given.value.value_or(QString());
    }
    const OptionValue style = singleValue(parser, options.chartStyle);
    const OptionValue paper = singleValue(parser, options.paper);
    for (const OptionValue* given : {&style, &paper}) {
        if (!given->error.isEmpty()) {
            return failure(given->error);
        }
    }
    if (style.value) {
        if (!files.any()) {
            return failure(QStringLiteral("--chart-style is for --pdf, --svg and --png"));
        }
        const QString value = style.value->trimmed().toLower();
        if (value != QLatin1StringView("north") && value != QLatin1StringView("south")) {
            return failure(
                QStringLiteral("--chart-style %1 is not north or south").arg(*style.value));
        }
        files.style = value == QLatin1StringView("south") ? ChartStyle::South : ChartStyle::North;
    }
    files.paper = PaperForLocale(QLocale::system());
    if (paper.value) {
        if (files.pdf.isEmpty()) {
            return failure(QStringLiteral("--paper is for --pdf"));
        }
        const QString value = paper.value->trimmed().toLower();
        if (value != QLatin1StringView("a4") && value != QLatin1StringView("letter")) {
            return failure(QStringLiteral("--paper %1 is not a4 or letter").arg(*paper.value));
        }
        files.paper = value == QLatin1StringView("letter") ? Paper::Letter : Paper::A4;
    }
    if (files.any() && request.json) {
        return failure(QStringLiteral(
            "--json prints the reading, --pdf, --svg and --png write it to files: give one or "
            "the other"));
    }
    return {request, {}};
}

void write(std::ostream& stream, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    stream.write(utf8.constData(), utf8.size());
}

// A birth ready to be read: its record, the atlas place it came from, or why
// it cannot be read.
struct ResolvedBirth {
    std::optional<BirthRecord> birth;
    std::optional<ReadingPlace> place;
    QString placeLabel; // "Kolkata, West Bengal, India (Asia/Kolkata)"
    QString warning;    // on the zone at the birth
    QString error;
};

std::optional<Atlas> loadAtlas(QString& error) {
    AtlasLoad load = Atlas::load(DefaultAtlasFolder());
    if (!load.atlas) {
        error = QStringLiteral("the atlas of places cannot be read: %1").arg(load.error);
    }
    return std::move(load.atlas);
}

QString noPlaceError(const QString& text) {
    return QStringLiteral("no place of the atlas matches '%1'").arg(text);
}

// The zone at the birth, when the record has a zone id and its zone boxes
// were not given by the user: a time that did not exist is refused, one that
// happened twice or before standard time is said in the warnings.
void settleZone(ResolvedBirth& resolved, bool zoneGiven) {
    if (zoneGiven && resolved.place) {
        return;
    }
    BirthZoneCheck check = CheckZoneAtBirth(*resolved.birth);
    if (!check.refusal.isEmpty()) {
        resolved.error = std::move(check.refusal);
        resolved.birth.reset();
        return;
    }
    resolved.warning = std::move(check.warning);
}

// The birth of the options, with --place resolved in the atlas: the place's
// names, its coordinates and zone id, and the zone in force at the birth,
// save what the options gave.
ResolvedBirth resolveOptionsBirth(const ChartRequest& request) {
    ResolvedBirth resolved;
    resolved.birth = request.birth;
    if (request.place.isEmpty()) {
        settleZone(resolved, true);
        return resolved;
    }
    const std::optional<Atlas> atlas = loadAtlas(resolved.error);
    if (!atlas) {
        resolved.birth.reset();
        return resolved;
    }
    const Place* place = atlas->choose(request.place);
    if (place == nullptr) {
        resolved.error = noPlaceError(request.place);
        resolved.birth.reset();
        return resolved;
    }
    BirthRecord& birth = *resolved.birth;
    const BirthRecord given = birth;
    SetPlace(birth, *place);
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
        place->Name.toStdString(), place->State.toStdString(), place->Country.toStdString(),
        place->Latitude,           place->Longitude,           place->TimeZone.toStdString()};
    resolved.placeLabel =
        QStringLiteral("%1 (%2)").arg(PlaceLabel(*place), QString::fromLatin1(place->TimeZone));
    if (!request.zoneGiven) {
        const ZoneAtBirth zone = ZoneAtBirthOf(birth);
        if (zone.kind == LocalTimeKind::NoZone) {
            resolved.error =
                QStringLiteral("the zone %1 of %2 is not in the system's time-zone data: give "
                               "--zone")
                    .arg(QString::fromLatin1(place->TimeZone), PlaceLabel(*place));
            resolved.birth.reset();
            return resolved;
        }
        SetZone(birth, zone.offset);
    }
    settleZone(resolved, request.zoneGiven);
    return resolved;
}

// Writes the reading of a birth; false, after a line on err, when its planets
// could not be computed (the houses are written all the same).
bool writeReading(std::ostream& out, std::ostream& err, const ResolvedBirth& resolved, bool json) {
    const Reading reading = MakeReading(*resolved.birth, readingOptions(resolved.warning));
    const PlanetsOutcome& planets = reading.planets;
    if (json) {
        out << readingJson(reading, resolved.place ? &*resolved.place : nullptr) << '\n';
    } else {
        if (!resolved.placeLabel.isEmpty()) {
            write(out, QStringLiteral("Place").leftJustified(20) + resolved.placeLabel +
                           QStringLiteral("\n\n"));
        }
        write(out, readingText(reading));
    }
    if (!planets.Reading) {
        err << kProgram << ": ";
        write(err, QString::fromStdString(planets.Error));
        err << '\n';
        return false;
    }
    return true;
}

// --places: the places of the atlas for a text, one a line.
int listPlaces(const QString& text, std::ostream& out, std::ostream& err) {
    QString error;
    const std::optional<Atlas> atlas = loadAtlas(error);
    const std::vector<const Place*> places =
        atlas ? atlas->search(text, kListedPlaces) : std::vector<const Place*>{};
    if (!atlas || places.empty()) {
        err << kProgram << ": ";
        write(err, atlas ? noPlaceError(text) : error);
        err << '\n';
        return 1;
    }
    for (const Place* place : places) {
        write(out, QStringList{place->Name, place->State, place->Country,
                               QString::number(place->Latitude, 'f', 5),
                               QString::number(place->Longitude, 'f', 5),
                               QString::fromLatin1(place->TimeZone)}
                           .join(QLatin1Char('\t')) +
                       QLatin1Char('\n'));
    }
    out.flush();
    return out ? 0 : 1;
}

int refuse(std::ostream& err, const QString& what) {
    err << kProgram << ": ";
    write(err, what);
    err << '\n';
    return 1;
}

} // namespace

// ---------------------------------------------------------------- arguments

ParsedArguments parseChartArguments(const QStringList& arguments) {
    const ChartOptions options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        return failure(parser.errorText());
    }
    ChartRequest request;
    if (parser.isSet(options.help)) {
        request.mode = ChartMode::Help;
        return {request, {}};
    }
    if (parser.isSet(options.version)) {
        request.mode = ChartMode::Version;
        return {request, {}};
    }
    request.json = parser.isSet(options.json);
    // A birth comes from one of three places: a saved reading file, standard
    // input with --batch, or the options.
    const std::array singleBirthOptions = {&options.date,      &options.time,     &options.zone,
                                           &options.longitude, &options.latitude, &options.dst,
                                           &options.place,     &options.places,   &options.name};
    const auto firstSingleBirthOption = [&]() -> QString {
        for (const auto* option : singleBirthOptions) {
            if (parser.isSet(*option)) {
                return option->names().first();
            }
        }
        return {};
    };
    if (parser.isSet(options.batch)) {
        for (const auto* option :
             {&options.pdf, &options.svg, &options.png, &options.chartStyle, &options.paper}) {
            if (parser.isSet(*option)) {
                return failure(QStringLiteral("--batch writes JSON Lines and takes no --%1")
                                   .arg(option->names().first()));
            }
        }
    }
    ParsedArguments withFiles = parseChartFiles(parser, options, request);
    if (!withFiles.request) {
        return withFiles;
    }
    request = *withFiles.request;
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return failure(QStringLiteral("one reading file at a time: unexpected argument '%1'")
                           .arg(files.at(1)));
    }
    if (files.size() == 1) {
        if (parser.isSet(options.batch)) {
            return failure(QStringLiteral("--batch reads the births from standard input and "
                                          "takes no reading file ('%1')")
                               .arg(files.first()));
        }
        if (const QString option = firstSingleBirthOption(); !option.isEmpty()) {
            return failure(QStringLiteral("the reading file '%1' holds the birth and takes no --%2")
                               .arg(files.first(), option));
        }
        request.mode = ChartMode::File;
        request.readingFile = files.first();
        return {request, {}};
    }
    if (parser.isSet(options.places)) {
        const OptionValue text = singleValue(parser, options.places);
        if (!text.error.isEmpty()) {
            return failure(text.error);
        }
        for (const auto* option : singleBirthOptions) {
            if (option != &options.places && parser.isSet(*option)) {
                return failure(QStringLiteral("--places lists places and takes no --%1")
                                   .arg(option->names().first()));
            }
        }
        if (parser.isSet(options.batch)) {
            return failure(QStringLiteral("--places lists places and takes no --batch"));
        }
        request.mode = ChartMode::Places;
        request.place = text.value->trimmed();
        return {request, {}};
    }
    if (parser.isSet(options.batch)) {
        if (const QString option = firstSingleBirthOption(); !option.isEmpty()) {
            return failure(
                QStringLiteral("--batch reads the births from standard input and takes no --%1")
                    .arg(option));
        }
        request.mode = ChartMode::Batch;
        return {request, {}};
    }
    return parseSingleBirth(parser, options, request);
}

QString chartUsageText() {
    return QStringLiteral(
        "Usage: kelvaro-chart --date YYYY-MM-DD --time HH:MM --zone H:MM\n"
        "                     --longitude DDD{E|W}MM --latitude DD{N|S}MM [--dst] [--json]\n"
        "       kelvaro-chart --place TEXT --date YYYY-MM-DD --time HH:MM [--json]\n"
        "       kelvaro-chart --places TEXT\n"
        "       kelvaro-chart [--json] FILE.kvr\n"
        "       kelvaro-chart BIRTH-OPTIONS|FILE.kvr [--pdf OUT.pdf] [--svg OUT.svg]\n"
        "                     [--png OUT.png] [--chart-style north|south] [--paper a4|letter]\n"
        "       kelvaro-chart --batch < births.jsonl > readings.jsonl\n"
        "Run 'kelvaro-chart --help' for every option with an example.\n");
}

QString chartHelpText() {
    const ChartOptions options;
    QCommandLineParser parser;
    options.addTo(parser);
    QString optionsPart = parser.helpText();
    // Qt's text begins with a usage line named after however the program was
    // started; the one here is fixed.
    if (const auto at = optionsPart.indexOf(QLatin1StringView("Options:")); at >= 0) {
        optionsPart = optionsPart.mid(at);
    }
    return QStringLiteral(
               "Usage: kelvaro-chart --date YYYY-MM-DD --time HH:MM --zone H:MM\n"
               "                     --longitude DDD{E|W}MM --latitude DD{N|S}MM [--dst] "
               "[--json]\n"
               "       kelvaro-chart --place TEXT --date YYYY-MM-DD --time HH:MM [--json]\n"
               "       kelvaro-chart --places TEXT\n"
               "       kelvaro-chart [--json] FILE.kvr\n"
               "       kelvaro-chart BIRTH-OPTIONS|FILE.kvr [--pdf OUT.pdf] [--svg OUT.svg]\n"
               "                     [--png OUT.png] [--chart-style north|south] "
               "[--paper a4|letter]\n"
               "       kelvaro-chart --batch < births.jsonl > readings.jsonl\n"
               "\n"
               "Computes the Bhava chart reading of a birth: the Julian day, the ayanamsa, the\n"
               "sidereal ascendant and midheaven, for each of the twelve houses its mid-point\n"
               "(Bhava Madhya) and its junction with the next house (Bhava Sandhi), and the\n"
               "planets in the houses with how many minutes of birth time move each one.\n"
               "\n"
               "Examples:\n"
               "  kelvaro-chart --date 2000-01-01 --time 12:00 --zone 5:30 --longitude 77E12 "
               "--latitude 28N36\n"
               "  kelvaro-chart --json reading.kvr\n"
               "  kelvaro-chart reading.kvr --pdf reading.pdf --chart-style south\n"
               "\n"
               "FILE.kvr is a reading saved by Kelvaro: its birth is read from the file and\n"
               "checked as the options are, and its reading printed as for the options.\n"
               "\n"
               "--pdf, --svg and --png write files instead of printing the reading; they need\n"
               "no display.\n"
               "\n") +
           optionsPart +
           QStringLiteral(
               "\n"
               "With --json or --batch a reading is one JSON object with the keys\n"
               "JulianDayValue, AyanamsaValue, Ascendant, Midheaven (numbers), AyanamsaText,\n"
               "AscendantText, MidheavenText (texts), CuspPoints (25 numbers), BhavaMadhyaText\n"
               "and BhavaSandhiText (12 texts each, house 1 first), Warnings (texts),\n"
               "UtcOffset (the offset used, \"+05:30\"), Birth (the birth used, with the keys\n"
               "of a --batch line) and, with --place, Place (Name, State, Country, Latitude,\n"
               "Longitude, TimeZone), then Planets, AscendantSignMinutesEarlier and\n"
               "AscendantSignMinutesLater. Planets lists the Sun, Moon, Mars, Mercury,\n"
               "Jupiter, Venus, Saturn, Rahu and Ketu, each as {Name, Longitude (sidereal\n"
               "degrees), LongitudeText, Retrograde, Sign (1-12, Aries 1), Bhava (1-12),\n"
               "MinutesEarlier, MinutesLater}: the fewest minutes of birth time, earlier and\n"
               "later, that put the planet in another Bhava (the ascendant in another sign),\n"
               "null beyond 240. Planets is null, with a line on standard error, when the\n"
               "Swiss Ephemeris files are missing.\n"
               "\n"
               "A --batch input line holds one birth, for example:\n"
               "  {\"Month\": 1, \"Day\": 1, \"Year\": 2000, \"Hour\": 12, \"Minute\": 0, "
               "\"ZoneHour\": 5, \"ZoneMinute\": 30,\n"
               "   \"LonD\": 77, \"LonM\": 12, \"LonEast\": true, \"LatD\": 28, \"LatM\": 36, "
               "\"LatSouth\": false, \"DST\": false}\n"
               "Name, City, State and Country may be added as texts, and ZoneAhead as true\n"
               "(ahead of universal time) or false (behind). A line that cannot be\n"
               "used gives {\"line\": N, \"error\": \"...\"} in its place and the batch goes "
               "on.\n"
               "\n"
               "Exit status: 0 done; 1 the reading file, the place or some batch line could\n"
               "not be used, the local time did not exist at the place, a file could not be\n"
               "written or the planets could not be computed;\n"
               "2 wrong arguments.\n");
}

// ---------------------------------------------------------------- output

namespace {

// A sensitivity as the tables write it: the minutes, a star when close, and
// "> 240" beyond four hours.
QString minutesCell(const SensitivityCell& cell) {
    if (cell.beyondLimit()) {
        return QStringLiteral("> %1").arg(kMaxSensitivityMinutes);
    }
    return cell.close ? QStringLiteral("%1 *").arg(*cell.minutes) : QString::number(*cell.minutes);
}

QString planetsText(const Reading& reading) {
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    if (rows.empty()) {
        return QString::fromStdString(reading.planets.Error) + QLatin1Char('\n');
    }
    QString text =
        QStringLiteral("Planet").leftJustified(12) + QStringLiteral("Position").leftJustified(20) +
        QStringLiteral("Sign").leftJustified(13) + QStringLiteral("Bhava").leftJustified(7) +
        QStringLiteral("Earlier").leftJustified(10) + QStringLiteral("Later\n");
    for (const PlanetRow& p : rows) {
        const QString name =
            QString::fromStdString(p.name) + (p.retrograde ? QStringLiteral(" (R)") : QString());
        text += name.leftJustified(12) + QString::fromStdString(p.position).leftJustified(20) +
                QString::fromStdString(p.signName).leftJustified(13) +
                QString::number(p.bhava).leftJustified(7) +
                minutesCell(p.earlier).leftJustified(10) + minutesCell(p.later) + QLatin1Char('\n');
    }
    text += QStringLiteral("\n"
                           "Earlier, Later: the minutes of birth time that put the planet in "
                           "another Bhava,\n"
                           "the ascendant in another sign; * within 15 minutes. (R) retrograde.\n");
    return text;
}

} // namespace

QString readingText(const Reading& reading) {
    const BhavaResult& result = reading.houses;
    const ReadingFigures figures = FiguresOf(reading);
    constexpr int kColumn = 20;
    constexpr int kHouseColumn = 8;
    const auto cell = [](const std::string& text, int width) {
        return QString::fromStdString(text).leftJustified(width);
    };
    QString text;
    text += QStringLiteral("Julian Day").leftJustified(kColumn) + QStringLiteral("Ayanamsa\n");
    text += QString::fromStdString(figures.julianDay).leftJustified(kColumn) +
            QString::fromStdString(figures.ayanamsa) + QLatin1Char('\n');
    text += QLatin1Char('\n');
    text += QStringLiteral("Ascendant").leftJustified(kColumn) + QStringLiteral("Midheaven\n");
    text += cell(figures.ascendant, kColumn) + QString::fromStdString(figures.midheaven) +
            QLatin1Char('\n');
    text += QLatin1Char('\n');
    text += QStringLiteral("House").leftJustified(kHouseColumn) +
            QStringLiteral("Bhava Madhya").leftJustified(kColumn) +
            QStringLiteral("Bhava Sandhi\n");
    for (std::size_t i = 0; i < 12; ++i) {
        text += QString::number(i + 1).leftJustified(kHouseColumn) +
                cell(result.BhavaMadhyaText[i], kColumn) +
                QString::fromStdString(result.BhavaSandhiText[i]) + QLatin1Char('\n');
    }
    for (const std::string& warning : reading.warnings()) {
        text += QLatin1Char('\n') + QStringLiteral("Note: ") + QString::fromStdString(warning) +
                QLatin1Char('\n');
    }
    text += QLatin1Char('\n') + planetsText(reading);
    return text;
}

// ---------------------------------------------------------------- files

bool chartArgumentsDraw(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1StringView("--")) {
            break;
        }
        for (const char* option : {"--pdf", "--svg", "--png"}) {
            const QLatin1StringView name(option);
            if (argument == name || argument.startsWith(name + QLatin1Char('='))) {
                return true;
            }
        }
    }
    return false;
}

int writeChartFiles(const ChartFiles& files, const BirthRecord& birth, const QString& warning,
                    std::ostream& err) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) {
        err << kProgram << ": drawing needs Qt's GUI application\n";
        return 1;
    }
    ReadingDocument document;
    document.reading = MakeReading(birth, readingOptions(warning));
    document.style = files.style;
    int status = 0;
    // Without the ephemeris the files still hold the houses, and the status
    // says what is missing.
    const PlanetsOutcome& planets = document.reading.planets;
    if (!planets.Reading) {
        err << kProgram << ": ";
        write(err, QString::fromStdString(planets.Error));
        err << '\n';
        status = 1;
    }
    const auto report = [&](const QString& path, bool saved, const QString& error) {
        if (!saved) {
            err << kProgram << ": ";
            write(err,
                  QStringLiteral("the reading could not be saved to '%1': %2").arg(path, error));
            err << '\n';
            status = 1;
        }
    };
    if (!files.pdf.isEmpty()) {
        const DocumentSaveResult saved = WriteReadingPdf(files.pdf, document, files.paper);
        report(files.pdf, saved.saved, saved.error);
    }
    for (const auto& [path, format] :
         {std::pair{files.svg, PictureFormat::Svg}, std::pair{files.png, PictureFormat::Png}}) {
        if (!path.isEmpty()) {
            const PictureSaveResult saved =
                WriteChartPicture(path, document.reading, document.style, format);
            report(path, saved.saved, saved.error);
        }
    }
    return status;
}

// ---------------------------------------------------------------- batch

namespace {

// One batch line as read: its text, or too long to be held.
struct BatchInputLine {
    std::string text;
    bool tooLong = false;
};

// What one worker made of its share of a block of batch lines.
struct BatchShare {
    std::string output;
    bool someLineFailed = false;
    std::string planetsError; // the first, when the planets could not be computed
};

void computeShare(const std::vector<BatchInputLine>& lines, std::size_t begin, std::size_t end,
                  long long firstNumber, BatchShare& share) {
    Reading reading;
    for (std::size_t i = begin; i < end; ++i) {
        const long long number = firstNumber + static_cast<long long>(i);
        if (lines[i].tooLong) {
            appendBatchErrorJson(
                share.output, number,
                QStringLiteral("the line is longer than %1 bytes").arg(kMaxBatchLineBytes));
            share.someLineFailed = true;
        } else if (const BatchLine batchLine = readBatchLine(lines[i].text); batchLine.birth) {
            MakeReading(*batchLine.birth, {}, reading);
            if (!reading.planets.Reading && share.planetsError.empty()) {
                share.planetsError = reading.planets.Error;
            }
            appendReadingJson(share.output, reading);
        } else {
            appendBatchErrorJson(share.output, number, batchLine.error);
            share.someLineFailed = true;
        }
        share.output += '\n';
    }
}

// Lines are gathered into blocks; the processors share each block in
// consecutive runs, and the runs are written in input order.
class BatchBlocks {
public:
    BatchBlocks(std::ostream& out)
        : out_(out), processors_(std::max(1U, std::thread::hardware_concurrency())) {}

    void add(BatchInputLine line) {
        blockBytes_ += line.text.size();
        lines_.push_back(std::move(line));
    }
    bool full() const {
        return lines_.size() >= static_cast<std::size_t>(kBatchFlushLines) ||
               blockBytes_ >= kBatchFlushBytes;
    }
    // Computes the block, writes it out and empties it; false when the
    // output failed.
    bool flush() {
        if (!lines_.empty()) {
            compute();
        }
        out_.flush();
        return static_cast<bool>(out_);
    }
    long long linesDone() const { return number_; }
    bool someLineFailed() const { return someLineFailed_; }
    const std::string& planetsError() const { return planetsError_; }

private:
    static constexpr std::size_t kLinesPerWorker = 32;

    void compute() {
        const std::size_t workers =
            std::min(processors_, (lines_.size() + kLinesPerWorker - 1) / kLinesPerWorker);
        shares_.assign(workers, BatchShare{});
        const auto bounds = [&](std::size_t w) { return w * lines_.size() / workers; };
        std::vector<std::thread> threads;
        for (std::size_t w = 1; w < workers; ++w) {
            threads.emplace_back([this, begin = bounds(w), end = bounds(w + 1), w] {
                computeShare(lines_, begin, end, number_ + 1, shares_[w]);
                releaseEphemerisOfThisThread();
            });
        }
        computeShare(lines_, 0, bounds(1), number_ + 1, shares_[0]);
        for (std::thread& thread : threads) {
            thread.join();
        }
        for (const BatchShare& share : shares_) {
            out_.write(share.output.data(), static_cast<std::streamsize>(share.output.size()));
            someLineFailed_ = someLineFailed_ || share.someLineFailed;
            if (planetsError_.empty()) {
                planetsError_ = share.planetsError;
            }
        }
        number_ += static_cast<long long>(lines_.size());
        lines_.clear();
        blockBytes_ = 0;
    }

    std::ostream& out_;
    std::size_t processors_;
    std::vector<BatchInputLine> lines_;
    std::size_t blockBytes_ = 0;
    std::vector<BatchShare> shares_;
    long long number_ = 0;
    bool someLineFailed_ = false;
    std::string planetsError_;
};

} // namespace

int runBatch(std::FILE* in, std::ostream& out, std::ostream& err) {
    // Memory stays bounded whatever the input: a chunk of input, one line of
    // at most kMaxBatchLineBytes, and a block of at most kBatchFlushLines
    // lines or kBatchFlushBytes of input with their readings are held at a time.
    std::vector<char> chunk(kBatchChunkBytes);
    BatchInputLine line;
    BatchBlocks blocks(out);
    bool outputFailed = false;
    const auto finishLine = [&] {
        blocks.add(std::move(line));
        line = BatchInputLine{};
        if (blocks.full()) {
            outputFailed = !blocks.flush();
        }
    };
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        std::size_t from = 0;
        while (from < got && !outputFailed) {
            const char* start = chunk.data() + from;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', got - from));
            const std::size_t length =
                newline != nullptr ? static_cast<std::size_t>(newline - start) : got - from;
            if (!line.tooLong) {
                if (line.text.size() + length > kMaxBatchLineBytes) {
                    line.tooLong = true;
                    line.text = std::string();
                } else {
                    line.text.append(start, length);
                }
            }
            from += length;
            if (newline != nullptr) {
                ++from;
                finishLine();
            }
        }
        if (outputFailed || got < chunk.size()) {
            break;
        }
    }
    // A last line without its end.
    if (!outputFailed && (!line.text.empty() || line.tooLong) && !std::ferror(in)) {
        finishLine();
    }
    if (!outputFailed) {
        outputFailed = !blocks.flush();
    }
    if (outputFailed) {
        err << kProgram << ": cannot write the readings\n";
        return 1;
    }
    if (std::ferror(in)) {
        err << kProgram << ": cannot read the births from standard input after line "
            << blocks.linesDone() << '\n';
        return 1;
    }
    if (!blocks.planetsError().empty()) {
        err << kProgram << ": ";
        write(err, QString::fromStdString(blocks.planetsError()));
        err << '\n';
        return 1;
    }
    return blocks.someLineFailed() ? 1 : 0;
}

int runChart(const QStringList& arguments, std::FILE* in, std::ostream& out, std::ostream& err) {
    const ParsedArguments parsed = parseChartArguments(arguments);
    if (!parsed.request) {
        err << kProgram << ": ";
        write(err, parsed.error);
        err << '\n';
        write(err, chartUsageText());
        return 2;
    }
    const ChartRequest& request = *parsed.request;
    // The planets' failure still leaves the houses written: status 1 after them.
    bool planetsComputed = true;
    switch (request.mode) {
    case ChartMode::Help:
        write(out, chartHelpText());
        break;
    case ChartMode::Version:
        out << kProgram << ' ' << kKelvaroVersion << '\n';
        break;
    case ChartMode::Batch:
        return runBatch(in, out, err);
    case ChartMode::Places:
        return listPlaces(request.place, out, err);
    case ChartMode::Single: {
        const ResolvedBirth resolved = resolveOptionsBirth(request);
        if (!resolved.birth) {
            return refuse(err, resolved.error);
        }
        if (request.files.any()) {
            return writeChartFiles(request.files, *resolved.birth, resolved.warning, err);
        }
        planetsComputed = writeReading(out, err, resolved, request.json);
        break;
    }
    case ChartMode::File: {
        const ReadingFileBirth file = readReadingFileBirth(request.readingFile);
        if (!file.birth) {
            // The window's own message, after the file's name.
            err << kProgram << ": ";
            write(err, QStringLiteral("'%1': %2").arg(request.readingFile, file.error));
            err << '\n';
            return 1;
        }
        ResolvedBirth resolved;
        resolved.birth = file.birth;
        settleZone(resolved, false);
        if (!resolved.birth) {
            return refuse(err, QStringLiteral("'%1': %2").arg(request.readingFile, resolved.error));
        }
        if (request.files.any()) {
            return writeChartFiles(request.files, *resolved.birth, resolved.warning, err);
        }
        planetsComputed = writeReading(out, err, resolved, request.json);
        break;
    }
    }
    out.flush();
    if (!out) {
        err << kProgram << ": cannot write the reading\n";
        return 1;
    }
    return planetsComputed ? 0 : 1;
}
