#include "engine/mod_bhava.h"
#include "planets/ephemeris.h"
#include "planets/mod_planets.h"
#include "support/pdf_tools.h"
#include "tools/chart_cli.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSize>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

// A reading's text or JSON without the birth used, which names the person
// and the place.
std::string readingPart(const std::string& out) {
    return out.substr(0, out.find(R"("UtcOffset")"));
}

QStringList args(std::initializer_list<const char*> list) {
    QStringList result{QStringLiteral("kelvaro-chart")};
    for (const char* a : list) {
        result << QString::fromUtf8(a);
    }
    return result;
}

const std::initializer_list<const char*> kDelhi2000 = {
    "--date", "2000-01-01",  "--time", "12:00",      "--zone",
    "5:30",   "--longitude", "77E12",  "--latitude", "28N36"};

QStringList delhiWith(std::initializer_list<const char*> more) {
    QStringList result = args(kDelhi2000);
    for (const char* a : more) {
        result << QString::fromUtf8(a);
    }
    return result;
}

// ---------------------------------------------------------------- arguments

TEST(ParseChartArguments, OneBirth) {
    const ParsedArguments parsed = parseChartArguments(args(kDelhi2000));
    ASSERT_TRUE(parsed.request) << parsed.error.toStdString();
    EXPECT_EQ(parsed.request->mode, ChartMode::Single);
    EXPECT_FALSE(parsed.request->json);
    const BirthRecord& b = parsed.request->birth;
    EXPECT_EQ(b.Year, 2000);
    EXPECT_EQ(b.Month, 1);
    EXPECT_EQ(b.Day, 1);
    EXPECT_EQ(b.Hour, 12);
    EXPECT_EQ(b.Minute, 0);
    EXPECT_EQ(b.ZoneHour, 5);
    EXPECT_EQ(b.ZoneMinute, 30);
    EXPECT_EQ(b.LonD, 77);
    EXPECT_EQ(b.LonM, 12);
    EXPECT_TRUE(b.LonEast);
    EXPECT_EQ(b.LatD, 28);
    EXPECT_EQ(b.LatM, 36);
    EXPECT_FALSE(b.LatSouth);
    EXPECT_FALSE(b.DST);
}

TEST(ParseChartArguments, Variants) {
    struct Case {
        QStringList arguments;
        std::function<bool(const ChartRequest&)> holds;
        const char* what;
    };
    const std::vector<Case> cases = {
        {delhiWith({"--json", "--dst"}),
         [](const ChartRequest& r) { return r.json && r.birth.DST; }, "--json --dst"},
        {args({"--date", "1985-6-15", "--time", "6:30", "--zone", "5", "--longitude", "74w",
               "--latitude", "40n43"}),
         [](const ChartRequest& r) {
             return r.birth.Month == 6 && r.birth.Minute == 30 && r.birth.ZoneMinute == 0 &&
                    !r.birth.LonEast && r.birth.LonM == 0 && r.birth.LatM == 43;
         },
         "short forms, lower-case hemispheres"},
        {args({"--date", "1990-03-10", "--time", "20:15", "--zone", "10:00", "--longitude",
               "151E12", "--latitude", "33S52"}),
         [](const ChartRequest& r) { return r.birth.LonEast && r.birth.LatSouth; }, "South"},
        {args({"--date=2000-01-01", "--time=12:00", "--zone=5:30", "--longitude=77E12",
               "--latitude=28N36"}),
         [](const ChartRequest& r) { return r.birth.LonD == 77; }, "option=value"},
        {args({"--batch"}), [](const ChartRequest& r) { return r.mode == ChartMode::Batch; },
         "--batch"},
        {args({"--batch", "--json"}),
         [](const ChartRequest& r) { return r.mode == ChartMode::Batch; }, "--batch --json"},
        {args({"--help"}), [](const ChartRequest& r) { return r.mode == ChartMode::Help; },
         "--help"},
        {args({"-h"}), [](const ChartRequest& r) { return r.mode == ChartMode::Help; }, "-h"},
        {args({"--version"}), [](const ChartRequest& r) { return r.mode == ChartMode::Version; },
         "--version"},
        {args({"saved.kvr"}),
         [](const ChartRequest& r) {
             return r.mode == ChartMode::File && !r.json && r.readingFile == "saved.kvr";
         },
         "a reading file"},
        {delhiWith({"--name", "Ram Kumar", "--pdf", "r.pdf", "--paper", "Letter"}),
         [](const ChartRequest& r) {
             return r.birth.Name == "Ram Kumar" && r.files.pdf == "r.pdf" &&
                    r.files.paper == Paper::Letter && r.files.style == ChartStyle::North &&
                    r.files.svg.isEmpty() && r.files.png.isEmpty();
         },
         "--name --pdf --paper"},
        {delhiWith({"--svg=c.svg", "--png", "c.png", "--chart-style", "south"}),
         [](const ChartRequest& r) {
             return r.files.svg == "c.svg" && r.files.png == "c.png" && r.files.pdf.isEmpty() &&
                    r.files.style == ChartStyle::South;
         },
         "--svg --png --chart-style"},
        {args({"saved.kvr", "--pdf", "r.pdf", "--paper", "a4"}),
         [](const ChartRequest& r) {
             return r.mode == ChartMode::File && r.files.pdf == "r.pdf" &&
                    r.files.paper == Paper::A4;
         },
         "a reading file to a PDF"},
        {args({"--json", "my readings/saved.kvr"}),
         [](const ChartRequest& r) {
             return r.mode == ChartMode::File && r.json && r.readingFile == "my readings/saved.kvr";
         },
         "--json and a reading file"},
    };
    for (const auto& c : cases) {
        const ParsedArguments parsed = parseChartArguments(c.arguments);
        ASSERT_TRUE(parsed.request) << c.what << ": " << parsed.error.toStdString();
        EXPECT_TRUE(c.holds(*parsed.request)) << c.what;
    }
}

TEST(ParseChartArguments, WrongArguments) {
    const std::vector<std::pair<QStringList, const char*>> cases = {
        {args({}), "--date is missing"},
        {args({"--date", "2000-01-01"}), "--time is missing"},
        {args({"--date", "2000/01/01", "--time", "12:00"}), "--date 2000/01/01 is not a date like"},
        {delhiWith({"--bogus"}), "Unknown option 'bogus'"},
        {delhiWith({"extra.kvr"}),
         "the reading file 'extra.kvr' holds the birth and takes no --date"},
        {args({"saved.kvr", "--dst"}),
         "the reading file 'saved.kvr' holds the birth and takes no --dst"},
        {args({"saved.kvr", "--batch"}),
         "--batch reads the births from standard input and takes no reading file ('saved.kvr')"},
        {args({"a.kvr", "b.kvr"}), "one reading file at a time: unexpected argument 'b.kvr'"},
        {delhiWith({"--date", "2000-01-02"}), "--date is given more than once"},
        {args({"--date"}), "Missing value after '--date'"},
        {args({"--batch", "--date", "2000-01-01"}), "--batch reads the births from standard input"},
        {args({"--batch", "--dst"}), "takes no --dst"},
        {args({"--batch", "--pdf", "r.pdf"}), "--batch writes JSON Lines and takes no --pdf"},
        {args({"saved.kvr", "--name", "Ram"}),
         "the reading file 'saved.kvr' holds the birth and takes no --name"},
        {delhiWith({"--chart-style", "south"}), "--chart-style is for --pdf, --svg and --png"},
        {delhiWith({"--svg", "c.svg", "--paper", "a4"}), "--paper is for --pdf"},
        {delhiWith({"--svg", "c.svg", "--chart-style", "east"}),
         "--chart-style east is not north or south"},
        {delhiWith({"--pdf", "r.pdf", "--paper", "a5"}), "--paper a5 is not a4 or letter"},
        {delhiWith({"--pdf", ""}), "--pdf needs a file name"},
        {delhiWith({"--pdf", "a.pdf", "--pdf", "b.pdf"}), "--pdf is given more than once"},
        {delhiWith({"--json", "--png", "c.png"}), "--json prints the reading"},
    };
    for (const auto& [arguments, expected] : cases) {
        const ParsedArguments parsed = parseChartArguments(arguments);
        EXPECT_FALSE(parsed.request) << arguments.join(' ').toStdString();
        EXPECT_NE(parsed.error.toStdString().find(expected), std::string::npos)
            << "gave: " << parsed.error.toStdString() << "\nwant: " << expected;
        EXPECT_EQ(parsed.error.count('\n'), 0) << "one plain line";
    }
}

TEST(ParseChartArguments, ValuesAreCheckedAsTheBatchChecksThem) {
    // The rules and their messages are the birth-data window's; here each
    // option's message names the option and what was typed.
    struct Case {
        const char* option;
        const char* value;
        const char* error; // nullptr when accepted
    };
    const std::vector<Case> cases = {
        {"--date", "2050-12-31", nullptr},
        {"--date", "1901-02-29", "--date 1901-02-29: Please Enter Correct Date Or Month!"},
        {"--date", "2000-65537-01", "--date 2000-65537-01: Month 65537 is outside 1 to 12"},
        {"--time", "24:00", "--time 24:00: Hour 24 is outside 0 to 23"},
        {"--time", "12", "--time 12 is not a time like 12:00"},
        // Digits of other scripts are not read as a silent 0.
        {"--time", "12:\xD9\xA3\xD9\xA0", "is not a time like 12:00"},
        {"--zone", "14:59", nullptr},
        {"--zone", "15:00", "--zone 15:00: Please Enter Value Between 0 And 14 in the Zone Hour"},
        {"--zone", "--5:30", "--zone --5:30 is not a zone like 5:30"},
        {"--longitude", "179W59", nullptr},
        {"--longitude", "77E60",
         "--longitude 77E60: Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {"--longitude", "77N12", "is not a longitude like 77E12"},
        {"--latitude", "90N0",
         "--latitude 90N0: Please Enter Value Between 0 And 89 in the Degree of Latitude"},
        {"--latitude", "99999999999999999999N0",
         "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    };
    for (const auto& c : cases) {
        QStringList arguments = args(kDelhi2000);
        const auto at = arguments.indexOf(QString::fromUtf8(c.option));
        arguments[at + 1] = QString::fromUtf8(c.value);
        const ParsedArguments parsed = parseChartArguments(arguments);
        const std::string what = std::string(c.option) + " " + c.value;
        if (c.error == nullptr) {
            EXPECT_TRUE(parsed.request) << what << ": " << parsed.error.toStdString();
        } else {
            EXPECT_FALSE(parsed.request) << what;
            EXPECT_NE(parsed.error.toStdString().find(c.error), std::string::npos)
                << what << "\n  gave: " << parsed.error.toStdString() << "\n  want: " << c.error;
        }
    }
}

TEST(ChartHelpText, ExplainsEveryOptionWithAnExample) {
    const QString help = chartHelpText();
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage: kelvaro-chart ")));
    const QStringList options = {"--date",     "--time",  "--zone",        "--longitude",
                                 "--latitude", "--dst",   "--name",        "--pdf",
                                 "--svg",      "--png",   "--chart-style", "--paper",
                                 "--json",     "--batch", "--help",        "--version"};
    for (const QString& option : options) {
        EXPECT_TRUE(help.contains(QStringLiteral("Example: ") + option) ||
                    help.contains(QStringLiteral("Example: kelvaro-chart ") + option))
            << option.toStdString();
    }
    EXPECT_TRUE(help.contains(QStringLiteral("\n  kelvaro-chart --json reading.kvr\n")));
    for (const char* key : {"JulianDayValue", "CuspPoints", "BhavaSandhiText", "Planets",
                            "MinutesEarlier", "AscendantSignMinutesLater", "\"line\""}) {
        EXPECT_TRUE(help.contains(QString::fromUtf8(key))) << key;
    }
}

TEST(ChartArgumentsDraw, OnlyForAPdfOrAPicture) {
    EXPECT_FALSE(chartArgumentsDraw(args(kDelhi2000)));
    EXPECT_FALSE(chartArgumentsDraw(delhiWith({"--json", "--name", "Ram"})));
    EXPECT_FALSE(chartArgumentsDraw(args({"--batch"})));
    EXPECT_FALSE(chartArgumentsDraw(args({"--", "--pdf"})));
    EXPECT_TRUE(chartArgumentsDraw(delhiWith({"--pdf", "r.pdf"})));
    EXPECT_TRUE(chartArgumentsDraw(args({"saved.kvr", "--svg=c.svg"})));
    EXPECT_TRUE(chartArgumentsDraw(args({"saved.kvr", "--png", "c.png"})));
}

// ---------------------------------------------------------------- runChart

struct ChartRun {
    int status;
    std::string out;
    std::string err;
};

// The JSON reading of a birth, planets and all.
std::string readingOf(const BirthRecord& birth) {
    const BhavaResult houses = ComputeBhava(birth);
    return readingJson(Reading{birth, houses, computePlanets(birth, houses)});
}

ChartRun run(const QStringList& arguments, const std::string& input = {}) {
    std::FILE* in = std::tmpfile();
    EXPECT_NE(in, nullptr);
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runChart(arguments, in, out, err);
    std::fclose(in);
    return {status, out.str(), err.str()};
}

TEST(RunChart, PrintsTheReadingAsTheReadingWindowShowsIt) {
    const ChartRun r = run(args(kDelhi2000));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, "Julian Day          Ayanamsa\n"
                     "2451545             -23° 51' 14\"\n"
                     "\n"
                     "Ascendant           Midheaven\n"
                     "13° 10' 47\" Pis     10° 40' 32\" Sag\n"
                     "\n"
                     "House   Bhava Madhya        Bhava Sandhi\n"
                     "1       13° 10' 47\" Pis     27° 45' 45\" Pis\n"
                     "2       12° 20' 42\" Ari     26° 55' 39\" Ari\n"
                     "3       11° 30' 37\" Tau     26° 5' 34\" Tau\n"
                     "4       10° 40' 32\" Gem     26° 5' 34\" Gem\n"
                     "5       11° 30' 37\" Can     26° 55' 39\" Can\n"
                     "6       12° 20' 42\" Leo     27° 45' 45\" Leo\n"
                     "7       13° 10' 47\" Vir     27° 45' 45\" Vir\n"
                     "8       12° 20' 42\" Lib     26° 55' 39\" Lib\n"
                     "9       11° 30' 37\" Sco     26° 5' 34\" Sco\n"
                     "10      10° 40' 32\" Sag     26° 5' 34\" Sag\n"
                     "11      11° 30' 37\" Cap     26° 55' 39\" Cap\n"
                     "12      12° 20' 42\" Aqu     27° 45' 45\" Aqu\n"
                     "\n"
                     "Planet      Position            Sign         Bhava  Earlier   Later\n"
                     "Sun         16° 16' 52\" Sag     Sagittarius  10     40        81\n"
                     "Moon        16° 42' 39\" Lib     Libra        8      36        60\n"
                     "Mars        3° 55' 53\" Aqu      Aquarius     12     72        25\n"
                     "Mercury     7° 40' 43\" Sag      Sagittarius  10     74        47\n"
                     "Jupiter     1° 23' 23\" Ari      Aries        2      88        11 *\n"
                     "Venus       7° 26' 5\" Sco       Scorpio      9      75        37\n"
                     "Saturn (R)  16° 32' 46\" Ari     Aries        2      36        58\n"
                     "Rahu (R)    11° 11' 55\" Can     Cancer       5      54        61\n"
                     "Ketu (R)    11° 11' 55\" Cap     Capricorn    11     54        61\n"
                     "Ascendant   13° 10' 47\" Pis     Pisces       1      37        49\n"
                     "\n"
                     "Earlier, Later: the minutes of birth time that put the planet in another "
                     "Bhava,\n"
                     "the ascendant in another sign; * within 15 minutes. (R) retrograde.\n");
}

TEST(RunChart, BeyondFourHoursTheTableSaysSo) {
    // Above the polar circle at midsummer midnight Ketu keeps its Bhava for
    // more than four hours earlier.
    const ChartRun r = run(args({"--date", "2000-06-21", "--time", "0:00", "--zone", "1:00",
                                 "--longitude", "18E57", "--latitude", "69N39"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\nKetu (R)    2° 6' 3\" Cap        Capricorn    2      > 240     31\n"),
              std::string::npos)
        << r.out;
}

TEST(RunChart, WithoutTheEphemerisFilesTheHousesAndOneLineStatus1) {
    if (const char* variable = std::getenv("SE_EPHE_PATH"); variable != nullptr && *variable) {
        GTEST_SKIP() << "SE_EPHE_PATH comes before the folder the test sets";
    }
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    const std::string folder = ephemerisFolder();
    setEphemerisFolder(empty.path().toStdString());
    const ChartRun text = run(args(kDelhi2000));
    const ChartRun json = run(delhiWith({"--json"}));
    setEphemerisFolder(folder);

    const std::string line = "kelvaro-chart: Planet positions need the Swiss Ephemeris files "
                             "(Debian package swe-basic-data), which were not found in " +
                             empty.path().toStdString() + ".\n";
    for (const ChartRun* r : {&text, &json}) {
        EXPECT_EQ(r->status, 1);
        EXPECT_EQ(r->err, line);
    }
    EXPECT_NE(text.out.find("12      12° 20' 42\" Aqu     27° 45' 45\" Aqu\n\nPlanet positions "
                            "need the Swiss Ephemeris files"),
              std::string::npos)
        << text.out;
    EXPECT_EQ(text.out.find("Sun "), std::string::npos);
    const QJsonObject object =
        QJsonDocument::fromJson(QByteArray::fromStdString(json.out)).object();
    EXPECT_EQ(object["AscendantText"].toString(), QStringLiteral("13° 10' 47\" Pis"));
    EXPECT_TRUE(object["Planets"].isNull());
}

TEST(RunChart, JsonIsOneLine) {
    const ChartRun r = run(delhiWith({"--json"}));
    EXPECT_EQ(r.status, 0);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
    EXPECT_EQ(r.out, readingOf(parseChartArguments(args(kDelhi2000)).request->birth) + "\n");
}

TEST(RunChart, WrongArgumentsGiveOneLineTheUsageAndStatus2) {
    const ChartRun r = run(delhiWith({"--zone", "1:00"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    const std::string firstLine = r.err.substr(0, r.err.find('\n'));
    EXPECT_EQ(firstLine, "kelvaro-chart: --zone is given more than once");
    EXPECT_NE(r.err.find("\nUsage: kelvaro-chart --date"), std::string::npos);
}

TEST(RunChart, HelpAndVersion) {
    const ChartRun help = run(args({"--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out, chartHelpText().toStdString());
    const ChartRun version = run(args({"--version"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("kelvaro-chart ", 0), 0U);
}

// ---------------------------------------------------------------- reading file

// A text as a reading file stores it, worked out here byte by byte: every
// code of an ASCII text raised by 85.
QByteArray stored(const std::string& text) {
    QByteArray bytes;
    for (const char c : text) {
        bytes.append(static_cast<char>(static_cast<unsigned char>(c) + 85));
    }
    return bytes;
}

using FileLines = std::vector<std::string>;

// Worked examples 1 (Delhi, East, North) and 2 (New York, West, daylight saving).
const FileLines kDelhiFile = {"Asha", "1",     "1",     "2000",      "12",    "0",
                              "5",    "30",    "77",    "12",        "28",    "36",
                              "True", "False", "False", "New Delhi", "Delhi", "India"};
const FileLines kNewYorkFile = {"Ben",   "6",     "15",   "1985",     "6",  "30",
                                "5",     "0",     "74",   "0",        "40", "43",
                                "False", "False", "True", "New York", "",   "USA"};

QByteArray fileBytes(const FileLines& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += stored(line) + "\r\n";
    }
    return bytes;
}

// The Delhi file with some lines (1..18) changed.
QByteArray delhiFileWith(std::initializer_list<std::pair<int, std::string>> changes) {
    FileLines lines = kDelhiFile;
    for (const auto& [line, text] : changes) {
        lines.at(static_cast<std::size_t>(line - 1)) = text;
    }
    return fileBytes(lines);
}

// Writes bytes to name in dir and returns the path.
QString put(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
    return path;
}

TEST(RunChartFile, TheFlagsAreStoredAsTheKnownBytes) {
    EXPECT_EQ(stored("True"), QByteArray("\xA9\xC7\xCA\xBA"));
    EXPECT_EQ(stored("False"), QByteArray("\x9B\xB6\xC1\xC8\xBA"));
}

TEST(RunChartFile, PrintsTheSameReadingAsTheOptions) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString delhi = put(dir, "delhi.kvr", fileBytes(kDelhiFile));
    const QString newYork = put(dir, "new york.kvr", fileBytes(kNewYorkFile));
    struct Case {
        QStringList fromFile;
        QStringList fromOptions;
    };
    const std::vector<Case> cases = {
        {args({}) << delhi, args(kDelhi2000)},
        {args({"--json"}) << delhi, delhiWith({"--json"})},
        {args({}) << newYork << QStringLiteral("--json"),
         args({"--date", "1985-06-15", "--time", "6:30", "--zone", "5:00", "--longitude", "74W0",
               "--latitude", "40N43", "--dst", "--json"})},
    };
    for (const auto& c : cases) {
        const ChartRun file = run(c.fromFile);
        const ChartRun options = run(c.fromOptions);
        const std::string what = c.fromFile.join(' ').toStdString();
        EXPECT_EQ(file.status, 0) << what;
        EXPECT_EQ(file.err, "") << what;
        ASSERT_EQ(options.status, 0) << options.err;
        // The same reading; the birth used differs by the file's name and place.
        EXPECT_EQ(readingPart(file.out), readingPart(options.out)) << what;
    }
    // The reading is that of the worked example, not merely the same wrong one.
    EXPECT_NE(run(args({}) << delhi).out.find("13° 10' 47\" Pis     10° 40' 32\" Sag"),
              std::string::npos);
}

TEST(RunChartFile, ABadFileGivesTheWindowsMessageAndStatus1) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    struct Case {
        const char* name;
        std::optional<QByteArray> bytes; // no file when absent
        std::string error;               // after "kelvaro-chart: '<path>': "
    };
    const std::string checkFile = "Please Check The File.\n";
    const std::vector<Case> cases = {
        // The reason is the system's, in the user's language.
        {"missing.kvr", std::nullopt, checkFile + "The file cannot be opened: "},
        {"empty.kvr", QByteArray(), checkFile + "The file is empty.\n"},
        {"day.kvr", delhiFileWith({{3, "1a"}}),
         checkFile + "Line 3 (Day): \"1a\" is not one of the list's values 1 to 31\n"},
        {"flag.kvr", delhiFileWith({{15, "yes"}}),
         checkFile + "Line 15 (DST): \"yes\" is neither True, False nor a whole number\n"},
        // Values the window takes, then refuses with its own message.
        {"name.kvr", delhiFileWith({{1, ""}}), "Please Enter Name\n"},
        {"zone.kvr", delhiFileWith({{7, "15"}}),
         "Please Enter Value Between 0 And 14 in the Zone Hour\n"},
        {"april.kvr", delhiFileWith({{2, "4"}, {3, "31"}}),
         "Please Enter Correct Date Or Month !\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path =
            c.bytes ? put(dir, c.name, *c.bytes) : dir.filePath(QString::fromUtf8(c.name));
        const ChartRun r = run(args({}) << path);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.out, "");
        const std::string expected = "kelvaro-chart: '" + path.toStdString() + "': " + c.error;
        EXPECT_EQ(r.err.substr(0, expected.size()), expected);
    }
}

TEST(RunChartFile, AZoneWithAMinusReadsAsTheWindowReadsIt) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const ChartRun minus = run(args({}) << put(dir, "minus.kvr", delhiFileWith({{7, "-5"}})));
    const ChartRun plain = run(args({}) << put(dir, "plain.kvr", fileBytes(kDelhiFile)));
    EXPECT_EQ(minus.status, 0) << minus.err;
    EXPECT_EQ(minus.out, plain.out);
}

// ---------------------------------------------------------------- batch

const std::string kDelhiLine =
    R"({"Month":1,"Day":1,"Year":2000,"Hour":12,"Minute":0,"ZoneHour":5,"ZoneMinute":30,)"
    R"("LonD":77,"LonM":12,"LonEast":true,"LatD":28,"LatM":36,"LatSouth":false,"DST":false})";
const std::string kNewYorkLine =
    R"({"Month":6,"Day":15,"Year":1985,"Hour":6,"Minute":30,"ZoneHour":5,"ZoneMinute":0,)"
    R"("LonD":74,"LonM":0,"LonEast":false,"LatD":40,"LatM":43,"LatSouth":false,"DST":true})";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

// --place resolves the place and the zone in force at the birth as the
// window does; the options given win over the atlas.
TEST(RunChart, ThePlaceFromTheAtlas) {
    struct Case {
        std::vector<const char*> arguments;
        int status;
        const char* offset;    // "UtcOffset", or the start of the error
        const char* longitude; // the Birth's "LonD", or ""
        const char* warning;   // a part of the warnings, or ""
    };
    const Case cases[] = {
        {{"--place", "Kolkata", "--date", "1943-06-15", "--time", "12:00"}, 0, "+06:30", "88", ""},
        {{"--place", "Madrid", "--date", "1990-07-15", "--time", "12:00"}, 0, "+02:00", "3", ""},
        {{"--place", "Madrid", "--date", "1990-07-15", "--time", "12:00", "--zone", "-1:00"},
         0,
         "-01:00",
         "3",
         ""},
        {{"--place", "Kolkata", "--date", "2000-01-01", "--time", "12:00", "--longitude", "80E0"},
         0,
         "+05:30",
         "80",
         ""},
        {{"--place", "Pokhara", "--date", "1910-06-01", "--time", "12:00"},
         0,
         "+05:36",
         "83",
         "local mean time of Pokhara"},
        {{"--place", "New York City", "--date", "2021-11-07", "--time", "1:30"},
         0,
         "-04:00",
         "74",
         "ambiguous"},
        {{"--place", "New York City", "--date", "2021-03-14", "--time", "2:30"},
         1,
         "kelvaro-chart: The local time 2021-03-14 02:30 did not exist at New York City: the "
         "clocks moved forward from UT-5:00 to UT-4:00",
         "",
         ""},
        {{"--place", "Nowhere At All", "--date", "2000-01-01", "--time", "12:00"},
         1,
         "kelvaro-chart: no place of the atlas matches 'Nowhere At All'",
         "",
         ""},
    };
    for (const Case& c : cases) {
        QStringList arguments = args({"--json"});
        for (const char* a : c.arguments) {
            arguments << QString::fromUtf8(a);
        }
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const ChartRun r = run(arguments);
        EXPECT_EQ(r.status, c.status) << r.err;
        if (c.status != 0) {
            EXPECT_EQ(r.err.rfind(c.offset, 0), 0U) << r.err;
            continue;
        }
        const QJsonObject reading =
            QJsonDocument::fromJson(QByteArray::fromStdString(r.out)).object();
        EXPECT_EQ(reading["UtcOffset"].toString(), QLatin1String(c.offset));
        EXPECT_EQ(reading["Birth"].toObject()["LonD"].toInt(), std::atoi(c.longitude));
        EXPECT_TRUE(reading.contains(QStringLiteral("Place")));
        const QString warnings =
            reading["Warnings"].toVariant().toStringList().join(QLatin1Char(' '));
        if (*c.warning == '\0') {
            EXPECT_TRUE(warnings.isEmpty()) << warnings.toStdString();
        } else {
            EXPECT_TRUE(warnings.contains(QLatin1String(c.warning))) << warnings.toStdString();
        }
    }
    // The text names the place chosen.
    const ChartRun text =
        run(args({"--place", "kolkata", "--date", "2000-01-01", "--time", "12:00"}));
    EXPECT_EQ(text.out.rfind("Place               Kolkata, West Bengal, India (Asia/Kolkata)\n", 0),
              0U);
}

TEST(RunChart, PlacesListsUpToTwentyTabSeparated) {
    const ChartRun many = run(args({"--places", "san"}));
    EXPECT_EQ(many.status, 0);
    const auto rows = lines(many.out);
    EXPECT_EQ(rows.size(), kListedPlaces);
    const ChartRun one = run(args({"--places", "Kathmandu"}));
    EXPECT_EQ(lines(one.out).front(),
              "Kathmandu\tCentral Region\tNepal\t27.70169\t85.32060\tAsia/Kathmandu");
    const ChartRun none = run(args({"--places", "zzzqqq"}));
    EXPECT_EQ(none.status, 1);
    EXPECT_TRUE(none.out.empty());
}

TEST(RunBatch, OneObjectALineInInputOrder) {
    const ChartRun r = run(args({"--batch"}), kDelhiLine + "\n" + kNewYorkLine + "\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2U);
    EXPECT_EQ(out[0], readingOf(*readBatchLine(kDelhiLine).birth));
    EXPECT_EQ(out[1], readingOf(*readBatchLine(kNewYorkLine).birth));
    const QJsonObject second = QJsonDocument::fromJson(QByteArray::fromStdString(out[1])).object();
    EXPECT_EQ(second["AscendantText"].toString(), QStringLiteral("14° 25' 41\" Gem"));
}

TEST(RunBatch, ALineMayGiveTheZonesDirection) {
    const std::string behind =
        kDelhiLine.substr(0, kDelhiLine.size() - 1) + R"(,"ZoneAhead":false})";
    const std::string wrong = kDelhiLine.substr(0, kDelhiLine.size() - 1) + R"(,"ZoneAhead":1})";
    const ChartRun r = run(args({"--batch"}), behind + "\n" + wrong + "\n");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2U);
    const QJsonObject reading = QJsonDocument::fromJson(QByteArray::fromStdString(out[0])).object();
    EXPECT_EQ(reading["UtcOffset"].toString(), QStringLiteral("-05:30"));
    EXPECT_FALSE(reading["Birth"].toObject()["ZoneAhead"].toBool(true));
    EXPECT_EQ(out[1], R"({"line":2,"error":"ZoneAhead must be true or false"})");
}

TEST(RunBatch, ABadLineGivesAnErrorInItsPlaceAndTheBatchGoesOn) {
    const std::string input = kDelhiLine + "\n" + "{\"Month\": 1}\n" + "\n" + kNewYorkLine;
    const ChartRun r = run(args({"--batch"}), input); // the last line has no line end
    EXPECT_EQ(r.status, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 4U);
    EXPECT_EQ(out[1], R"({"line":2,"error":"Day is missing"})");
    EXPECT_EQ(out[2], R"({"line":3,"error":"the line is empty"})");
    EXPECT_EQ(out[3], readingOf(*readBatchLine(kNewYorkLine).birth));
}

TEST(RunBatch, ManyLinesKeepTheirOrderAcrossProcessorsAndBlocks) {
    // More lines than one block (1024) holds, so that the work is shared out
    // twice; every seventh line is bad.
    const std::string delhi = readingOf(*readBatchLine(kDelhiLine).birth);
    const std::string newYork = readingOf(*readBatchLine(kNewYorkLine).birth);
    std::string input;
    constexpr int kLines = 1100;
    for (int n = 1; n <= kLines; ++n) {
        input += n % 7 == 0 ? "[]" : n % 2 == 0 ? kDelhiLine : kNewYorkLine;
        input += '\n';
    }
    const ChartRun r = run(args({"--batch"}), input);
    EXPECT_EQ(r.status, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(kLines));
    for (int n = 1; n <= kLines; ++n) {
        const std::string& line = out[static_cast<std::size_t>(n - 1)];
        if (n % 7 == 0) {
            ASSERT_EQ(line, R"({"line":)" + std::to_string(n) +
                                R"(,"error":"the line is not a JSON object"})");
        } else {
            ASSERT_EQ(line, n % 2 == 0 ? delhi : newYork) << "line " << n;
        }
    }
}

TEST(RunBatch, AnOverlongLineIsAnErrorOfItsOwnAndNotHeld) {
    // A run of zeros before 12 must not be cut into another month.
    const std::string longLine = R"({"Month":)" + std::string(kMaxBatchLineBytes, '0') + "12}";
    const ChartRun r = run(args({"--batch"}), kDelhiLine + "\n" + longLine + "\n" + kDelhiLine);
    EXPECT_EQ(r.status, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 3U);
    EXPECT_EQ(out[1], R"({"line":2,"error":"the line is longer than 65536 bytes"})");
    EXPECT_EQ(out[2], out[0]);
}

TEST(RunBatch, AnInputThatCannotBeReadIsStatus1) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::FILE* folder = std::fopen(dir.path().toLocal8Bit().constData(), "r");
    ASSERT_NE(folder, nullptr);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBatch(folder, out, err), 1);
    std::fclose(folder);
    EXPECT_NE(err.str().find("cannot read the births"), std::string::npos) << err.str();
}

TEST(RunBatch, EmptyInput) {
    const ChartRun r = run(args({"--batch"}), "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

// ---------------------------------------------------------------- the program

struct Process {
    int status;
    QByteArray out;
    QByteArray err;
};

Process
runProgram(const QStringList& arguments, const QByteArray& input = {},
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment()) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVARO_CHART_PATH), arguments);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished());
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

TEST(KelvaroChart, EndToEnd) {
    QStringList single = args(kDelhi2000);
    single.removeFirst();
    single << QStringLiteral("--json");
    const Process json = runProgram(single);
    EXPECT_EQ(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(object["JulianDayValue"].toInteger(), 2451545);
    EXPECT_EQ(object["MidheavenText"].toString(), QStringLiteral("10° 40' 32\" Sag"));

    const Process batch = runProgram(
        {QStringLiteral("--batch")},
        QByteArray::fromStdString(kDelhiLine + "\r\n" + "[]\r\n" + kNewYorkLine + "\r\n"));
    EXPECT_EQ(batch.status, 1);
    const QList<QByteArray> out = batch.out.split('\n');
    ASSERT_EQ(out.size(), 4); // three lines and the empty rest after the last line end
    EXPECT_EQ(out[1], QByteArray(R"({"line":2,"error":"the line is not a JSON object"})"));
    EXPECT_EQ(QJsonDocument::fromJson(out[2]).object()["JulianDayValue"].toInteger(), 2446232);

    EXPECT_EQ(object["Planets"].toArray()[0].toObject()["LongitudeText"].toString(),
              QStringLiteral("16° 16' 52\" Sag"));

    // Swiss Ephemeris reads SE_EPHE_PATH before the folder it is handed.
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SE_EPHE_PATH"), empty.path());
    const Process noFiles = runProgram(single, {}, environment);
    EXPECT_EQ(noFiles.status, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(noFiles.out).object()["Planets"].isNull());
    EXPECT_TRUE(noFiles.err.contains("which were not found in " + empty.path().toUtf8()));

    const Process wrong = runProgram({QStringLiteral("--date"), QStringLiteral("2000-01-01")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith("kelvaro-chart: --time is missing"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = put(dir, "saved.kvr", fileBytes(kDelhiFile));
    const Process file = runProgram({QStringLiteral("--json"), saved});
    EXPECT_EQ(file.status, 0);
    EXPECT_EQ(readingPart(file.out.toStdString()), readingPart(json.out.toStdString()));

    const Process fileAndDate =
        runProgram({saved, QStringLiteral("--date"), QStringLiteral("2000-01-01")});
    EXPECT_EQ(fileAndDate.status, 2);
    EXPECT_TRUE(fileAndDate.out.isEmpty());
    EXPECT_TRUE(fileAndDate.err.startsWith("kelvaro-chart: the reading file '" + saved.toUtf8() +
                                           "' holds the birth and takes no --date\n"));
}

// Runs the program as it runs without a display: none of the variables that
// name one is set.
Process runWithoutDisplay(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVARO_CHART_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

// The width and height a PNG file's header gives.
QSize pngSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray head = file.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n")) {
        return {};
    }
    const auto word = [&](int at) {
        int value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value * 256 + static_cast<unsigned char>(head.at(at + i));
        }
        return value;
    };
    return {word(16), word(20)};
}

TEST(KelvaroChart, WritesThePrintedReadingAndThePicturesWithoutADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QStringList options = args(kDelhi2000);
    options.removeFirst();
    options << QStringLiteral("--name") << QStringLiteral("Ram Kumar") << QStringLiteral("--pdf")
            << pdf << QStringLiteral("--svg") << svg << QStringLiteral("--png") << png
            << QStringLiteral("--chart-style") << QStringLiteral("south");
    const Process run = runWithoutDisplay(options);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());

    EXPECT_GE(pdfInfo(pdf, QStringLiteral("Pages")).toInt(), 2);
    const QString text = pdfText(pdf);
    for (const char* expected :
         {"Ram Kumar", "13° 10' 47\" Pis", "27° 45' 45\" Aqu", "The House of Shortcomings"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    EXPECT_EQ(pngSize(png), QSize(1200, 1200));
    QFile picture(svg);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_TRUE(picture.readAll().contains("<svg"));

    // A saved reading gives the same document, its name included.
    const QString saved = put(dir, "saved.kvr", fileBytes(kDelhiFile));
    const QString fromFile = dir.filePath(QStringLiteral("from file.pdf"));
    const Process file = runWithoutDisplay({saved, QStringLiteral("--pdf"), fromFile,
                                            QStringLiteral("--paper"), QStringLiteral("letter")});
    EXPECT_EQ(file.status, 0) << file.err.toStdString();
    EXPECT_TRUE(pdfText(fromFile).contains(QStringLiteral("Asha")));
    EXPECT_TRUE(
        pdfInfo(fromFile, QStringLiteral("Page size")).endsWith(QStringLiteral("(letter)")));
}

TEST(KelvaroChart, AFileThatCannotBeWrittenIsToldAndLeftOut) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing/reading.pdf"));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QStringList options = args(kDelhi2000);
    options.removeFirst();
    options << QStringLiteral("--pdf") << missing << QStringLiteral("--png") << png;
    const Process run = runWithoutDisplay(options);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("kelvaro-chart: the reading could not be saved to '" +
                                 missing.toUtf8() + "': "));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(pngSize(png), QSize(1200, 1200)); // the other file is written all the same
}

} // namespace
