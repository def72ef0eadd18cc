#include "tools/chart_cli.h"

#include "atlas/atlas.h"
#include "atlas/birth_zone.h"
#include "engine/mod_bhava.h"
#include "kelvaro_version.h"

#include <QByteArray>
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QLatin1StringView>
#include <QRegularExpression>

#include <array>
#include <cstring>
#include <ostream>
#include <vector>

namespace {

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
        parser.addOptions({date, time, zone, longitude, latitude, dst, place, places, json, batch,
                           help, version});
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

void writeReading(std::ostream& out, BhavaResult result, const ResolvedBirth& resolved, bool json) {
    if (!resolved.warning.isEmpty()) {
        result.Warnings.push_back(resolved.warning.toStdString());
    }
    if (json) {
        out << readingJson(result, *resolved.birth, resolved.place ? &*resolved.place : nullptr)
            << '\n';
        return;
    }
    if (!resolved.placeLabel.isEmpty()) {
        write(out, QStringLiteral("Place").leftJustified(20) + resolved.placeLabel +
                       QStringLiteral("\n\n"));
    }
    write(out, readingText(result));
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
                                           &options.place,     &options.places};
    const auto firstSingleBirthOption = [&]() -> QString {
        for (const auto* option : singleBirthOptions) {
            if (parser.isSet(*option)) {
                return option->names().first();
            }
        }
        return {};
    };
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
               "       kelvaro-chart --batch < births.jsonl > readings.jsonl\n"
               "\n"
               "Computes the Bhava chart reading of a birth: the Julian day, the ayanamsa, the\n"
               "sidereal ascendant and midheaven, and for each of the twelve houses its\n"
               "mid-point (Bhava Madhya) and its junction with the next house (Bhava Sandhi).\n"
               "\n"
               "Examples:\n"
               "  kelvaro-chart --date 2000-01-01 --time 12:00 --zone 5:30 --longitude 77E12 "
               "--latitude 28N36\n"
               "  kelvaro-chart --json reading.kvr\n"
               "\n"
               "FILE.kvr is a reading saved by Kelvaro: its birth is read from the file and\n"
               "checked as the options are, and its reading printed as for the options.\n"
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
               "Longitude, TimeZone).\n"
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
               "not be used, or the local time did not exist at the place;\n"
               "2 wrong arguments.\n");
}

// ---------------------------------------------------------------- output

QString readingText(const BhavaResult& result) {
    constexpr int kColumn = 20;
    constexpr int kHouseColumn = 8;
    const auto cell = [](const std::string& text, int width) {
        return QString::fromStdString(text).leftJustified(width);
    };
    QString text;
    text += QStringLiteral("Julian Day").leftJustified(kColumn) + QStringLiteral("Ayanamsa\n");
    text += QString::number(static_cast<qint64>(result.JulianDayValue)).leftJustified(kColumn) +
            QString::fromStdString(result.AyanamsaText) + QLatin1Char('\n');
    text += QLatin1Char('\n');
    text += QStringLiteral("Ascendant").leftJustified(kColumn) + QStringLiteral("Midheaven\n");
    text += cell(result.AscendantText, kColumn) + QString::fromStdString(result.MidheavenText) +
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
    for (const std::string& warning : result.Warnings) {
        text += QLatin1Char('\n') + QStringLiteral("Note: ") + QString::fromStdString(warning) +
                QLatin1Char('\n');
    }
    return text;
}

// ---------------------------------------------------------------- batch

namespace {

// Writes what has gathered and empties it; false when the output failed.
bool flushOutput(std::string& output, std::ostream& out) {
    out.write(output.data(), static_cast<std::streamsize>(output.size()));
    out.flush();
    output.clear();
    return static_cast<bool>(out);
}

} // namespace

int runBatch(std::FILE* in, std::ostream& out, std::ostream& err) {
    // Memory stays bounded whatever the input: a chunk of input, one line of
    // at most kMaxBatchLineBytes, and the output of at most kBatchFlushLines
    // readings are held at a time.
    std::vector<char> chunk(kBatchChunkBytes);
    std::string line;
    line.reserve(kMaxBatchLineBytes);
    std::string output;
    BhavaResult result;
    long long number = 0;
    long long unflushed = 0;
    bool someLineFailed = false;
    bool tooLong = false; // the line now read is past its bound: skip to its end

    const auto finishLine = [&]() -> bool {
        ++number;
        if (tooLong) {
            appendBatchErrorJson(
                output, number,
                QStringLiteral("the line is longer than %1 bytes").arg(kMaxBatchLineBytes));
            someLineFailed = true;
        } else {
            const BatchLine batchLine = readBatchLine(line);
            if (batchLine.birth) {
                ComputeBhava(*batchLine.birth, result);
                appendReadingJson(output, result, *batchLine.birth);
            } else {
                appendBatchErrorJson(output, number, batchLine.error);
                someLineFailed = true;
            }
        }
        output += '\n';
        line.clear();
        tooLong = false;
        if (++unflushed >= kBatchFlushLines || output.size() >= kBatchFlushBytes) {
            unflushed = 0;
            return flushOutput(output, out);
        }
        return true;
    };

    bool outputFailed = false;
    for (;;) {
        const std::size_t got = std::fread(chunk.data(), 1, chunk.size(), in);
        std::size_t from = 0;
        while (from < got && !outputFailed) {
            const char* start = chunk.data() + from;
            const auto* newline = static_cast<const char*>(std::memchr(start, '\n', got - from));
            const std::size_t length =
                newline != nullptr ? static_cast<std::size_t>(newline - start) : got - from;
            if (!tooLong) {
                if (line.size() + length > kMaxBatchLineBytes) {
                    tooLong = true;
                    line.clear();
                } else {
                    line.append(start, length);
                }
            }
            from += length;
            if (newline != nullptr) {
                ++from;
                outputFailed = !finishLine();
            }
        }
        if (outputFailed || got < chunk.size()) {
            break;
        }
    }
    // A last line without its end.
    if (!outputFailed && (!line.empty() || tooLong) && !std::ferror(in)) {
        outputFailed = !finishLine();
    }
    if (!outputFailed) {
        outputFailed = !flushOutput(output, out);
    }
    if (outputFailed) {
        err << kProgram << ": cannot write the readings\n";
        return 1;
    }
    if (std::ferror(in)) {
        err << kProgram << ": cannot read the births from standard input after line " << number
            << '\n';
        return 1;
    }
    return someLineFailed ? 1 : 0;
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
        writeReading(out, ComputeBhava(*resolved.birth), resolved, request.json);
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
        writeReading(out, ComputeBhava(*resolved.birth), resolved, request.json);
        break;
    }
    }
    out.flush();
    if (!out) {
        err << kProgram << ": cannot write the reading\n";
        return 1;
    }
    return 0;
}
