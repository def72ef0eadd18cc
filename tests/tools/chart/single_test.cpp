#include "chart_test_support.h"
#include "tools/chart/options.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

TEST(RunChart, JsonIsOneLine) {
    const ChartRun r = run(delhiWith({"--json"}));
    EXPECT_EQ(r.status, 0);
    ASSERT_FALSE(r.out.empty());
    EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
    EXPECT_EQ(r.out, readingOf(parseChartArguments(args(kDelhi2000)).request->birth) + "\n");
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
        // Unsigned, the zone's direction comes from the longitude, with a word
        // where the atlas knows better.
        {{"--place", "Madrid", "--date", "1990-07-15", "--time", "12:00", "--zone", "1:00"},
         0,
         "-01:00",
         "3",
         "Give --zone +1:00 if that was meant"},
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
        // A zone or daylight saving given with the place counts as the
        // window's boxes and tick: the time must still have existed.
        {{"--place", "New York City", "--date", "2021-03-14", "--time", "2:30", "--zone", "5:00"},
         1,
         "kelvaro-chart: The local time 2021-03-14 02:30 did not exist at New York City",
         "",
         ""},
        {{"--place", "New York City", "--date", "2021-01-14", "--time", "12:00", "--dst"},
         0,
         "-04:00",
         "74",
         ""},
        {{"--place", "New York City", "--date", "2021-07-14", "--time", "12:00", "--dst"},
         0,
         "-04:00",
         "74",
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

} // namespace
