#include "chart_test_support.h"
#include "planets/ephemeris.h"
#include "tools/chart/text.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

TEST(TextColumns, PadEveryCellButTheLastAndPushALongCellAlong) {
    const TextColumns columns{{6, 4}};
    EXPECT_EQ(columns.line({QStringLiteral("Sun"), QStringLiteral("10"), QStringLiteral("40")}),
              QStringLiteral("Sun   10  40\n"));
    EXPECT_EQ(columns.line({QStringLiteral("Saturn (R)"), QStringLiteral("2"), QString()}),
              QStringLiteral("Saturn (R)2   \n"));
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

} // namespace
