#include "birth/birth_rules.h"
#include "chart_test_support.h"
#include "tools/chart/options.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

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
    const std::string longName(kMaxNameLength + 1, 'a');
    EXPECT_TRUE(parseChartArguments(delhiWith({"--name", longName.c_str() + 1})).request);
    const std::vector<std::pair<QStringList, const char*>> cases = {
        {delhiWith({"--name", longName.c_str()}),
         "--name is 256 characters long, more than the 255 the window takes"},
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

TEST(ChartArgumentsDraw, OnlyForAPdfOrAPicture) {
    EXPECT_FALSE(chartArgumentsDraw(args(kDelhi2000)));
    EXPECT_FALSE(chartArgumentsDraw(delhiWith({"--json", "--name", "Ram"})));
    EXPECT_FALSE(chartArgumentsDraw(args({"--batch"})));
    EXPECT_FALSE(chartArgumentsDraw(args({"--", "--pdf"})));
    EXPECT_TRUE(chartArgumentsDraw(delhiWith({"--pdf", "r.pdf"})));
    EXPECT_TRUE(chartArgumentsDraw(args({"saved.kvr", "--svg=c.svg"})));
    EXPECT_TRUE(chartArgumentsDraw(args({"saved.kvr", "--png", "c.png"})));
}

} // namespace
