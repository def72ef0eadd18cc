#include "chart_test_support.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

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

} // namespace
