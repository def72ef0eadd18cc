#include "tools/chart/options.h"

#include "birth/birth_rules.h"

#include <QCommandLineOption>
#include <QLatin1StringView>
#include <QLocale>
#include <QRegularExpression>

#include <array>
#include <cstddef>
#include <optional>
#include <utility>

namespace {

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
    QCommandLineOption dashaYear{
        QStringLiteral("dasha-year"),
        QStringLiteral("The year the Vimshottari dasha's periods are counted in: sidereal "
                       "(365.256363 days; the default), julian (365.25) or savana (360).\n"
                       "Example: --dasha-year savana"),
        QStringLiteral("sidereal|julian|savana")};
    QCommandLineOption language{
        QStringLiteral("language"),
        QStringLiteral("The language of the printed text, --pdf, --svg and --png: en (English; "
                       "the default, whatever the system's locale), hi (Hindi) or ta (Tamil). "
                       "JSON stays English.\nExample: --language hi"),
        QStringLiteral("en|hi|ta")};
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
        parser.addOptions({date,      time,     zone, longitude, latitude, dst,        place,
                           places,    name,     pdf,  svg,       png,      chartStyle, paper,
                           dashaYear, language, json, batch,     help,     version});
    }

    // The options of a single birth, and --places, which takes none of them:
    // in the order a conflict names the first of them.
    std::array<const QCommandLineOption*, 9> birthOptions() const {
        return {&date, &time, &zone, &longitude, &latitude, &dst, &place, &places, &name};
    }
};

// What is wrong with the arguments, in one plain line; nothing when they are
// right.
using Problem = std::optional<QString>;

// "--date": how a message names an option.
QString dashed(const QCommandLineOption& option) {
    return QStringLiteral("--") + option.names().last();
}

// An option given at most once: its value, or nothing when absent.
struct OptionValue {
    std::optional<QString> value;
    Problem problem;
};

// The arguments as Qt's parser read them, with the options it read them by.
struct Given {
    const ChartOptions& options;
    const QCommandLineParser& parser;

    bool isSet(const QCommandLineOption& option) const { return parser.isSet(option); }

    OptionValue single(const QCommandLineOption& option) const {
        const QStringList values = parser.values(option);
        if (values.size() > 1) {
            return {std::nullopt, dashed(option) + QStringLiteral(" is given more than once")};
        }
        if (values.isEmpty()) {
            return {};
        }
        return {values.first(), std::nullopt};
    }

    // The first option that gives a single birth, or nothing.
    const QCommandLineOption* firstBirthOption() const {
        for (const QCommandLineOption* option : options.birthOptions()) {
            if (isSet(*option)) {
                return option;
            }
        }
        return nullptr;
    }
};

// ------------------------------------------------------------ the output

// --batch writes JSON Lines and nothing else.
Problem readBatchOutput(const Given& given) {
    const ChartOptions& o = given.options;
    if (!given.isSet(o.batch)) {
        return std::nullopt;
    }
    for (const QCommandLineOption* option :
         {&o.pdf, &o.svg, &o.png, &o.chartStyle, &o.paper, &o.dashaYear}) {
        if (given.isSet(*option)) {
            return QStringLiteral("--batch writes JSON Lines and takes no ") + dashed(*option);
        }
    }
    return std::nullopt;
}

// --chart-style and --paper, each a choice of two words in any case.
Problem readStyleAndPaper(const Given& given, ChartFiles& files) {
    const OptionValue style = given.single(given.options.chartStyle);
    const OptionValue paper = given.single(given.options.paper);
    for (const OptionValue* value : {&style, &paper}) {
        if (value->problem) {
            return value->problem;
        }
    }
    if (style.value) {
        if (!files.any()) {
            return QStringLiteral("--chart-style is for --pdf, --svg and --png");
        }
        const QString value = style.value->trimmed().toLower();
        if (value != QLatin1StringView("north") && value != QLatin1StringView("south")) {
            return QStringLiteral("--chart-style %1 is not north or south").arg(*style.value);
        }
        files.style = value == QLatin1StringView("south") ? ChartStyle::South : ChartStyle::North;
    }
    files.paper = PaperForLocale(QLocale::system());
    if (paper.value) {
        if (files.pdf.isEmpty()) {
            return QStringLiteral("--paper is for --pdf");
        }
        const QString value = paper.value->trimmed().toLower();
        if (value != QLatin1StringView("a4") && value != QLatin1StringView("letter")) {
            return QStringLiteral("--paper %1 is not a4 or letter").arg(*paper.value);
        }
        files.paper = value == QLatin1StringView("letter") ? Paper::Letter : Paper::A4;
    }
    return std::nullopt;
}

// --dasha-year: one of the three words, in any case.
Problem readDashaYear(const Given& given, ChartRequest& request) {
    const OptionValue year = given.single(given.options.dashaYear);
    if (year.problem) {
        return year.problem;
    }
    if (year.value) {
        const std::optional<DashaYear> parsed =
            parseDashaYear(year.value->trimmed().toLower().toStdString());
        if (!parsed) {
            return QStringLiteral("--dasha-year %1 is not sidereal, julian or savana")
                .arg(*year.value);
        }
        request.dashaYear = *parsed;
    }
    return std::nullopt;
}

// --language: en, hi or ta, in any case.
Problem readLanguage(const Given& given, ChartRequest& request) {
    const OptionValue language = given.single(given.options.language);
    if (language.problem) {
        return language.problem;
    }
    if (language.value) {
        const std::optional<Language> parsed =
            LanguageFromCode(language.value->trimmed().toLower());
        if (!parsed) {
            return QStringLiteral("--language %1 is not en, hi or ta").arg(*language.value);
        }
        request.language = *parsed;
    }
    return std::nullopt;
}

// How the reading is given out: printed, as JSON, or written to files.
Problem readOutput(const Given& given, ChartRequest& request) {
    const ChartOptions& o = given.options;
    request.json = given.isSet(o.json);
    if (Problem problem = readLanguage(given, request)) {
        return problem;
    }
    if (Problem problem = readBatchOutput(given)) {
        return problem;
    }
    if (Problem problem = readDashaYear(given, request)) {
        return problem;
    }
    ChartFiles& files = request.files;
    for (const auto& [option, path] : {std::pair{&o.pdf, &files.pdf}, std::pair{&o.svg, &files.svg},
                                       std::pair{&o.png, &files.png}}) {
        const OptionValue value = given.single(*option);
        if (value.problem) {
            return value.problem;
        }
        if (value.value && value.value->isEmpty()) {
            return dashed(*option) + QStringLiteral(" needs a file name");
        }
        *path = value.value.value_or(QString());
    }
    if (Problem problem = readStyleAndPaper(given, files)) {
        return problem;
    }
    if (files.any() && request.json) {
        return QStringLiteral("--json prints the reading, --pdf, --svg and --png write it to "
                              "files: give one or the other");
    }
    return std::nullopt;
}

// ------------------------------------------------------------ the modes

// A saved reading file: the birth is the file's.
Problem readReadingFile(const Given& given, const QString& file, ChartRequest& request) {
    if (given.isSet(given.options.batch)) {
        return QStringLiteral(
                   "--batch reads the births from standard input and takes no reading file "
                   "('%1')")
            .arg(file);
    }
    if (const QCommandLineOption* option = given.firstBirthOption()) {
        return QStringLiteral("the reading file '%1' holds the birth and takes no %2")
            .arg(file, dashed(*option));
    }
    request.mode = ChartMode::File;
    request.readingFile = file;
    return std::nullopt;
}

// --places: a text to look up, and nothing else.
Problem readPlaces(const Given& given, ChartRequest& request) {
    const ChartOptions& o = given.options;
    const OptionValue text = given.single(o.places);
    if (text.problem) {
        return text.problem;
    }
    for (const QCommandLineOption* option : o.birthOptions()) {
        if (option != &o.places && given.isSet(*option)) {
            return QStringLiteral("--places lists places and takes no ") + dashed(*option);
        }
    }
    if (given.isSet(o.batch)) {
        return QStringLiteral("--places lists places and takes no --batch");
    }
    request.mode = ChartMode::Places;
    request.place = text.value->trimmed();
    return std::nullopt;
}

// --batch: the births come from standard input.
Problem readBatch(const Given& given, ChartRequest& request) {
    if (const QCommandLineOption* option = given.firstBirthOption()) {
        return QStringLiteral("--batch reads the births from standard input and takes no ") +
               dashed(*option);
    }
    request.mode = ChartMode::Batch;
    return std::nullopt;
}

// ------------------------------------------------------------ one birth

// One of the five options a birth needs: the form of its value and, when
// --place may give it instead, what stands for it until the atlas has.
struct BirthOption {
    const QCommandLineOption* option;
    QRegularExpression pattern;
    const char* looksLike;
    const char* untilThePlace = nullptr;
    bool ChartRequest::*given = nullptr;
};

std::array<BirthOption, 5> birthOptionsOf(const ChartOptions& o) {
    return {{
        {&o.date, QRegularExpression(QStringLiteral("^([0-9]+)-([0-9]+)-([0-9]+)$")),
         "a date like 2000-01-01"},
        {&o.time, QRegularExpression(QStringLiteral("^([0-9]+):([0-9]+)$")), "a time like 12:00"},
        {&o.zone, QRegularExpression(QStringLiteral("^([+-]?)([0-9]+)(?::([0-9]+))?$")),
         "a zone like 5:30, +1:00 or -5:00", "0", &ChartRequest::zoneGiven},
        {&o.longitude, QRegularExpression(QStringLiteral("^([0-9]+)([EeWw])([0-9]*)$")),
         "a longitude like 77E12 or 74W0", "0E0", &ChartRequest::longitudeGiven},
        {&o.latitude, QRegularExpression(QStringLiteral("^([0-9]+)([NnSs])([0-9]*)$")),
         "a latitude like 28N36 or 33S52", "0N0", &ChartRequest::latitudeGiven},
    }};
}

// The value of a birth option as read: its text, trimmed, and its parts.
struct BirthText {
    QString text;
    QRegularExpressionMatch match;
};

Problem readBirthOption(const Given& given, const BirthOption& b, bool withPlace,
                        ChartRequest& request, BirthText& read) {
    const OptionValue value = given.single(*b.option);
    if (value.problem) {
        return value.problem;
    }
    if (!value.value && withPlace && b.untilThePlace != nullptr) {
        read.text = QLatin1StringView(b.untilThePlace);
        read.match = b.pattern.match(read.text);
        request.*b.given = false;
        return std::nullopt;
    }
    if (!value.value) {
        return QStringLiteral("%1 is missing (%2)")
            .arg(dashed(*b.option), QLatin1StringView(b.looksLike));
    }
    read.text = value.value->trimmed();
    read.match = b.pattern.match(read.text);
    if (!read.match.hasMatch()) {
        return QStringLiteral("%1 %2 is not %3")
            .arg(dashed(*b.option), *value.value, QLatin1StringView(b.looksLike));
    }
    return std::nullopt;
}

// The options' numbers are digits, checked as the birth-data window checks
// its boxes and lists; a number left out (the minutes of "5") is 0.
BirthEntry entryOf(const std::array<BirthText, 5>& read) {
    const auto part = [&read](std::size_t option, int n) {
        const QString text = read.at(option).match.captured(n);
        return text.isEmpty() ? QStringLiteral("0") : text;
    };
    BirthEntry entry;
    entry.Year = part(0, 1);
    entry.Month = part(0, 2);
    entry.Day = part(0, 3);
    entry.Hour = part(1, 1);
    entry.Minute = part(1, 2);
    if (const QString sign = read[2].match.captured(1); !sign.isEmpty()) {
        entry.ZoneAhead = sign == QLatin1StringView("+");
    }
    entry.ZoneHour = part(2, 2);
    entry.ZoneMinute = part(2, 3);
    entry.LonD = part(3, 1);
    entry.LonEast = read[3].match.captured(2).toUpper() == QLatin1StringView("E");
    entry.LonM = part(3, 3);
    entry.LatD = part(4, 1);
    entry.LatSouth = read[4].match.captured(2).toUpper() == QLatin1StringView("S");
    entry.LatM = part(4, 3);
    return entry;
}

// Which of the five options a field of the birth came from.
std::optional<std::size_t> optionOfField(BirthField field) {
    switch (field) {
    case BirthField::Month:
    case BirthField::Day:
    case BirthField::Year:
        return 0;
    case BirthField::Hour:
    case BirthField::Minute:
        return 1;
    case BirthField::ZoneHour:
    case BirthField::ZoneMinute:
        return 2;
    case BirthField::LonD:
    case BirthField::LonM:
        return 3;
    case BirthField::LatD:
    case BirthField::LatM:
        return 4;
    default:
        return std::nullopt;
    }
}

// The birth of the options, checked by the birth-data rules; a problem names
// the option and what was typed.
Problem readSingleBirth(const Given& given, ChartRequest& request) {
    const OptionValue place = given.single(given.options.place);
    if (place.problem) {
        return place.problem;
    }
    if (place.value) {
        request.place = place.value->trimmed();
        if (request.place.isEmpty()) {
            return QStringLiteral("--place is empty");
        }
    }
    const std::array<BirthOption, 5> options = birthOptionsOf(given.options);
    std::array<BirthText, 5> read;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (Problem problem = readBirthOption(given, options.at(i), place.value.has_value(),
                                              request, read.at(i))) {
            return problem;
        }
    }
    BirthEntry entry = entryOf(read);
    entry.DST = given.isSet(given.options.dst);
    const OptionValue name = given.single(given.options.name);
    if (name.problem) {
        return name.problem;
    }
    entry.Name = name.value.value_or(QString());
    if (entry.Name.size() > kMaxNameLength) {
        return QStringLiteral("--name is %1 characters long, more than the %2 the window takes")
            .arg(entry.Name.size())
            .arg(kMaxNameLength);
    }

    CheckedBirth checked = CheckBirth(entry, NameRule::Optional);
    if (!checked.record) {
        const std::optional<std::size_t> option = optionOfField(checked.problem->field);
        if (!option) {
            return checked.problem->message;
        }
        return QStringLiteral("%1 %2: %3")
            .arg(dashed(*options.at(*option).option), read.at(*option).text,
                 checked.problem->message);
    }
    request.birth = std::move(*checked.record);
    return std::nullopt;
}

// The mode the arguments ask for, and what it needs.
Problem readRequest(const Given& given, ChartRequest& request) {
    if (given.isSet(given.options.help)) {
        request.mode = ChartMode::Help;
        return std::nullopt;
    }
    if (given.isSet(given.options.version)) {
        request.mode = ChartMode::Version;
        return std::nullopt;
    }
    if (Problem problem = readOutput(given, request)) {
        return problem;
    }
    // A birth comes from one of three places: a saved reading file, standard
    // input with --batch, or the options.
    const QStringList files = given.parser.positionalArguments();
    if (files.size() > 1) {
        return QStringLiteral("one reading file at a time: unexpected argument '%1'")
            .arg(files.at(1));
    }
    if (files.size() == 1) {
        return readReadingFile(given, files.first(), request);
    }
    if (given.isSet(given.options.places)) {
        return readPlaces(given, request);
    }
    if (given.isSet(given.options.batch)) {
        return readBatch(given, request);
    }
    return readSingleBirth(given, request);
}

} // namespace

void addChartOptions(QCommandLineParser& parser) {
    ChartOptions().addTo(parser);
}

ParsedArguments parseChartArguments(const QStringList& arguments) {
    const ChartOptions options;
    QCommandLineParser parser;
    options.addTo(parser);
    if (!parser.parse(arguments)) {
        return {std::nullopt, parser.errorText()};
    }
    ChartRequest request;
    if (Problem problem = readRequest(Given{options, parser}, request)) {
        return {std::nullopt, *problem};
    }
    return {request, {}};
}

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
