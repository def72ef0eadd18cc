#include "engine/mod_bhava.h"
#include "tools/reading_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

BirthRecord delhi2000() {
    BirthRecord b;
    b.Month = 1;
    b.Day = 1;
    b.Year = 2000;
    b.Hour = 12;
    b.ZoneHour = 5;
    b.ZoneMinute = 30;
    b.LonD = 77;
    b.LonM = 12;
    b.LonEast = true;
    b.LatD = 28;
    b.LatM = 36;
    return b;
}

QJsonObject parsed(const std::string& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(json), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
    EXPECT_TRUE(document.isObject());
    return document.object();
}

// The text of one member's value as written, e.g. "2451545" for a key.
std::string rawValue(const std::string& json, const std::string& key) {
    const std::string marker = "\"" + key + "\":";
    const auto at = json.find(marker);
    if (at == std::string::npos) {
        return {};
    }
    const auto start = at + marker.size();
    return json.substr(start, json.find_first_of(",}", start) - start);
}

TEST(ReadingJson, HasExactlyTheKeysWithTheReadingsValues) {
    const BhavaResult r = ComputeBhava(delhi2000());
    const std::string json = readingJson(r);
    EXPECT_EQ(json.find('\n'), std::string::npos);
    const QJsonObject object = parsed(json);

    const QStringList keys = object.keys();
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()),
              (QSet<QString>{"JulianDayValue", "AyanamsaValue", "Ascendant", "Midheaven",
                             "AyanamsaText", "AscendantText", "MidheavenText", "CuspPoints",
                             "BhavaMadhyaText", "BhavaSandhiText", "Warnings"}));
    // The new key comes last, so that readers of the old keys see the same bytes.
    EXPECT_EQ(json.substr(json.size() - 15), R"(,"Warnings":[]})");

    EXPECT_EQ(rawValue(json, "JulianDayValue"), "2451545"); // an integer, not 2451545.0
    // Every number reads back to the very same double.
    EXPECT_EQ(object["AyanamsaValue"].toDouble(), r.AyanamsaValue);
    EXPECT_EQ(object["Ascendant"].toDouble(), r.Ascendant);
    EXPECT_EQ(object["Midheaven"].toDouble(), r.Midheaven);
    const QJsonArray cusps = object["CuspPoints"].toArray();
    ASSERT_EQ(cusps.size(), 25);
    for (qsizetype i = 0; i < 25; ++i) {
        EXPECT_EQ(cusps[i].toDouble(), r.CuspPoints[static_cast<std::size_t>(i)]) << i;
    }

    EXPECT_EQ(object["AyanamsaText"].toString(), QStringLiteral("-23° 51' 14\""));
    EXPECT_EQ(object["AscendantText"].toString(), QStringLiteral("13° 10' 47\" Pis"));
    EXPECT_EQ(object["MidheavenText"].toString(), QStringLiteral("10° 40' 32\" Sag"));
    const QJsonArray madhya = object["BhavaMadhyaText"].toArray();
    const QJsonArray sandhi = object["BhavaSandhiText"].toArray();
    ASSERT_EQ(madhya.size(), 12);
    ASSERT_EQ(sandhi.size(), 12);
    for (qsizetype i = 0; i < 12; ++i) {
        const auto index = static_cast<std::size_t>(i);
        EXPECT_EQ(madhya[i].toString().toStdString(), r.BhavaMadhyaText[index]);
        EXPECT_EQ(sandhi[i].toString().toStdString(), r.BhavaSandhiText[index]);
    }
}

TEST(ReadingJson, APolarReadingWarnsOfTheOverlap) {
    // 70° N at a sidereal time where the arc from the midheaven to the
    // ascendant passes 180°.
    BirthRecord polar = delhi2000();
    polar.LatD = 70;
    polar.Hour = 0;
    BhavaResult r = ComputeBhava(polar);
    for (int hour = 1; hour < 24 && !r.QuadrantsOverlap; ++hour) {
        polar.Hour = static_cast<std::int16_t>(hour);
        r = ComputeBhava(polar);
    }
    ASSERT_TRUE(r.QuadrantsOverlap);
    const QJsonArray warnings = parsed(readingJson(r))["Warnings"].toArray();
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].toString().contains(QStringLiteral("overlap")));
}

TEST(ReadingJson, NumbersInTheShortestForm) {
    struct Case {
        double value;
        const char* text;
    };
    const Case cases[] = {
        {0.1, "0.1"},
        {360, "360"},
        {-23.5, "-23.5"},
        {343.179963796336, "343.179963796336"},
        {1.0 / 3, "0.3333333333333333"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
        {std::numeric_limits<double>::infinity(), "null"},
    };
    for (const auto& c : cases) {
        BhavaResult r;
        r.Ascendant = c.value;
        EXPECT_EQ(rawValue(readingJson(r), "Ascendant"), c.text) << c.value;
    }
}

TEST(ReadingJson, TextsAreEscaped) {
    BhavaResult r;
    r.AyanamsaText = "a\"b\\c\nd\x01";
    const QJsonObject object = parsed(readingJson(r));
    EXPECT_EQ(object["AyanamsaText"].toString(), QStringLiteral("a\"b\\c\nd\x01"));
}

TEST(ReadingJson, LongTextsFit) {
    // Texts of angles no reading produces are long; the writer makes room.
    BhavaResult r;
    double huge = 1e300;
    r.MidheavenText = ZodiacText(huge);
    r.BhavaMadhyaText[3] = std::string(5000, '"');
    const QJsonObject object = parsed(readingJson(r));
    EXPECT_EQ(object["MidheavenText"].toString().toStdString(), r.MidheavenText);
    EXPECT_EQ(object["BhavaMadhyaText"].toArray()[3].toString().size(), 5000);
}

TEST(BatchErrorJson, LineAndErrorOnly) {
    const std::string json = batchErrorJson(12, QStringLiteral("Month \"13\" is outside"));
    EXPECT_EQ(json, R"({"line":12,"error":"Month \"13\" is outside"})");
    const QJsonObject object = parsed(json);
    EXPECT_EQ(object.size(), 2);
    EXPECT_EQ(object["line"].toInt(), 12);
}

} // namespace
