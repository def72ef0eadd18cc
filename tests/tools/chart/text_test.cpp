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
    // A word of another script as wide as its column keeps a blank after it.
    EXPECT_EQ(columns.line({QStringLiteral("वृश्चिक"), QStringLiteral("2"), QString()}),
              QStringLiteral("वृश्चिक 2   \n"));
}

TEST(RunChart, PrintsTheReadingAsTheReadingWindowShowsIt) {
    const ChartRun r = run(args(kDelhi2000));
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const std::string start =
        "Julian Day          Ayanamsa\n"
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
        "Planet      Position            Sign         Bhava  Earlier   Later   "
        "Nakshatra          Pada  Lord\n"
        "Sun         16° 16' 52\" Sag     Sagittarius  10     40        81      "
        "Purva Ashadha      1     Venus\n"
        "Moon        16° 42' 39\" Lib     Libra        8      36        60      "
        "Swati              4     Rahu\n"
        "Mars        3° 55' 53\" Aqu      Aquarius     12     72        25      "
        "Dhanishta          4     Mars\n"
        "Mercury     7° 40' 43\" Sag      Sagittarius  10     74        47      "
        "Mula               3     Ketu\n"
        "Jupiter     1° 23' 23\" Ari      Aries        2      88        11 *    "
        "Ashwini            1     Ketu\n"
        "Venus       7° 26' 5\" Sco       Scorpio      9      75        37      "
        "Anuradha           2     Saturn\n"
        "Saturn (R)  16° 32' 46\" Ari     Aries        2      36        58      "
        "Bharani            1     Venus\n"
        "Rahu (R)    11° 11' 55\" Can     Cancer       5      54        61      "
        "Pushya             3     Saturn\n"
        "Ketu (R)    11° 11' 55\" Cap     Capricorn    11     54        61      "
        "Shravana           1     Moon\n"
        "Ascendant   13° 10' 47\" Pis     Pisces       1      37        49      "
        "Uttara Bhadrapada  3     Saturn\n"
        "\n"
        "Earlier, Later: the minutes of birth time that put the planet in another "
        "Bhava,\n"
        "the ascendant in another sign; * within 15 minutes. (R) retrograde.\n"
        "\n"
        "Chart               Asc  Sun  Moon Mars Merc Jupi Venu Satu Rahu Ketu "
        "Window of the ascendant's sign\n"
        "D1 Rasi             Pis  Sag  Lib  Aqu  Sag  Ari  Sco  Ari  Can  Cap  "
        "D1 holds from 11:24 to 12:48\n";
    EXPECT_EQ(r.out.substr(0, start.size()), start);
    // The Moon three quarters through Swati: about a quarter of Rahu's 18
    // years left.
    for (const char* line :
         {"\nD9 Navamsa          Lib  Leo  Pis  Sco  Gem  Ari  Vir  Leo  Lib  Ari  "
          "D9 holds from 11:52 to 12:00\n",
          "\nVimshottari dasha (a year of 365.256363 days)\n"
          "Balance at birth: Rahu: 4 years, 5 months, 8 days\n"
          "Each minute later moves these dates 4.1 days earlier (while the Moon stays in Swati: "
          "from 20 hours earlier to 7 hours later)\n",
          "\nRahu                1986-06-10   2004-06-10\n"
          "          Rahu      1986-06-10   1989-02-20\n"}) {
        EXPECT_NE(r.out.find(line), std::string::npos) << line;
    }
}

TEST(RunChart, BeyondFourHoursTheTableSaysSo) {
    // Above the polar circle at midsummer midnight Ketu keeps its Bhava for
    // more than four hours earlier.
    const ChartRun r = run(args({"--date", "2000-06-21", "--time", "0:00", "--zone", "1:00",
                                 "--longitude", "18E57", "--latitude", "69N39"}));
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(
        r.out.find("\nKetu (R)    2° 6' 3\" Cap        Capricorn    2      > 240     31      "),
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
