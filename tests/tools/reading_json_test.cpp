#include "engine/mod_bhava.h"
#include "planets/mod_planets.h"
#include "reading/reading.h"
#include "tools/birth_input.h"
#include "tools/reading_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSet>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
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

// A reading whose planets could not be computed.
const PlanetsOutcome kNoPlanets{std::nullopt, "no ephemeris"};

TEST(ReadingJson, HasExactlyTheKeysWithTheReadingsValues) {
    const BhavaResult r = ComputeBhava(delhi2000());
    const std::string json = readingJson(Reading{delhi2000(), r, computePlanets(delhi2000(), r)});
    EXPECT_EQ(json.find('\n'), std::string::npos);
    const QJsonObject object = parsed(json);

    const QStringList keys = object.keys();
    EXPECT_EQ(QSet<QString>(keys.begin(), keys.end()), (QSet<QString>{"JulianDayValue",
                                                                      "AyanamsaValue",
                                                                      "Ascendant",
                                                                      "Midheaven",
                                                                      "AyanamsaText",
                                                                      "AscendantText",
                                                                      "MidheavenText",
                                                                      "CuspPoints",
                                                                      "BhavaMadhyaText",
                                                                      "BhavaSandhiText",
                                                                      "Warnings",
                                                                      "UtcOffset",
                                                                      "Birth",
                                                                      "Planets",
                                                                      "AscendantSignMinutesEarlier",
                                                                      "AscendantSignMinutesLater",
                                                                      "AscendantNakshatra",
                                                                      "AscendantNakshatraNumber",
                                                                      "AscendantPada",
                                                                      "AscendantNakshatraLord",
                                                                      "Vargas",
                                                                      "Dasha"}));
    // The new keys come last, in this order, so that readers of the old keys
    // see the same bytes.
    std::size_t previous = json.find(",\"BhavaSandhiText\":");
    ASSERT_NE(previous, std::string::npos);
    for (const char* key :
         {",\"Warnings\":[]", ",\"UtcOffset\":", ",\"Birth\":", ",\"Planets\":[",
          ",\"AscendantSignMinutesEarlier\":", ",\"AscendantSignMinutesLater\":",
          ",\"AscendantNakshatra\":", ",\"AscendantNakshatraNumber\":", ",\"AscendantPada\":",
          ",\"AscendantNakshatraLord\":", ",\"Vargas\":[", "}],\"Dasha\":{"}) {
        const std::size_t at = json.find(key);
        ASSERT_NE(at, std::string::npos) << key;
        EXPECT_LT(previous, at) << key;
        previous = at;
    }

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

TEST(ReadingJson, PlanetsInTheirOrderWithTheirValues) {
    const BirthRecord birth = delhi2000();
    const BhavaResult r = ComputeBhava(birth);
    const PlanetsOutcome planets = computePlanets(birth, r);
    ASSERT_TRUE(planets.Reading) << planets.Error;
    const std::string json = readingJson(Reading{delhi2000(), r, planets});
    const QJsonObject object = parsed(json);

    const QJsonArray list = object["Planets"].toArray();
    ASSERT_EQ(list.size(), 9);
    for (qsizetype i = 0; i < 9; ++i) {
        const PlanetPlacement& p = planets.Reading->Planets[static_cast<std::size_t>(i)];
        const QJsonObject o = list[i].toObject();
        SCOPED_TRACE(p.Name);
        EXPECT_EQ(o.keys().size(), 12);
        EXPECT_EQ(o["Name"].toString().toStdString(), kPlanetNames[static_cast<std::size_t>(i)]);
        EXPECT_EQ(o["Longitude"].toDouble(), p.Longitude);
        EXPECT_EQ(o["LongitudeText"].toString().toStdString(), p.LongitudeText);
        EXPECT_EQ(o["Retrograde"].toBool(!p.Retrograde), p.Retrograde);
        EXPECT_EQ(o["Sign"].toInt(), p.Sign);
        EXPECT_EQ(o["Bhava"].toInt(), p.Bhava);
        EXPECT_EQ(o["MinutesEarlier"].toInt(), p.MinutesEarlier.value_or(-1));
        EXPECT_EQ(o["MinutesLater"].toInt(), p.MinutesLater.value_or(-1));
    }
    // Each body's keys in the order of the record.
    const auto sun = json.find("{\"Name\":\"Sun\",\"Longitude\":");
    ASSERT_NE(sun, std::string::npos);
    const std::string sunObject = json.substr(sun, json.find('}', sun) - sun);
    std::size_t at = 0;
    for (const char* key :
         {"Name", "Longitude", "LongitudeText", "Retrograde", "Sign", "Bhava", "MinutesEarlier",
          "MinutesLater", "Nakshatra", "NakshatraNumber", "Pada", "NakshatraLord"}) {
        const auto next = sunObject.find("\"" + std::string(key) + "\":", at);
        ASSERT_NE(next, std::string::npos) << key;
        at = next + 1;
    }
    EXPECT_EQ(object["AscendantSignMinutesEarlier"].toInt(), 37);
    EXPECT_EQ(object["AscendantSignMinutesLater"].toInt(), 49);
}

TEST(ReadingJson, BeyondFourHoursAndWithoutPlanetsIsNull) {
    const BhavaResult r = ComputeBhava(delhi2000());
    PlanetsOutcome far = computePlanets(delhi2000(), r);
    ASSERT_TRUE(far.Reading) << far.Error;
    far.Reading->Planets[1].MinutesEarlier.reset();
    far.Reading->AscendantSignMinutesLater.reset();
    const QJsonObject object = parsed(readingJson(Reading{delhi2000(), r, far}));
    EXPECT_TRUE(object["Planets"].toArray()[1].toObject()["MinutesEarlier"].isNull());
    EXPECT_TRUE(object["AscendantSignMinutesLater"].isNull());
    EXPECT_FALSE(object["AscendantSignMinutesEarlier"].isNull());

    const std::string none = readingJson(Reading{delhi2000(), r, kNoPlanets});
    EXPECT_NE(none.find(",\"Planets\":null,\"AscendantSignMinutesEarlier\":null,"
                        "\"AscendantSignMinutesLater\":null,"),
              std::string::npos);
    EXPECT_EQ(parsed(none)["AscendantText"].toString(), QStringLiteral("13° 10' 47\" Pis"));
    // Without planets the ascendant keeps its nakshatra and its divisional
    // signs; the bodies' signs and the dasha are null.
    const QJsonObject noPlanets = parsed(none);
    EXPECT_EQ(noPlanets["AscendantNakshatra"].toString(), QStringLiteral("Uttara Bhadrapada"));
    EXPECT_EQ(noPlanets["AscendantPada"].toInt(), 3);
    EXPECT_EQ(noPlanets["AscendantNakshatraLord"].toString(), QStringLiteral("Saturn"));
    const QJsonArray vargas = noPlanets["Vargas"].toArray();
    ASSERT_EQ(vargas.size(), 16);
    EXPECT_EQ(vargas[5].toObject()["Name"].toString(), QStringLiteral("Navamsa"));
    EXPECT_EQ(vargas[5].toObject()["Ascendant"].toInt(), 7);
    EXPECT_TRUE(vargas[5].toObject()["Signs"].isNull());
    EXPECT_TRUE(noPlanets["Dasha"].isNull());
}

TEST(ReadingJson, VargasAndDashaOfTheReading) {
    const QJsonObject object = parsed(readingJson(MakeReading(delhi2000())));
    const QJsonArray vargas = object["Vargas"].toArray();
    ASSERT_EQ(vargas.size(), 16);
    const int divisions[] = {1, 2, 3, 4, 7, 9, 10, 12, 16, 20, 24, 27, 30, 40, 45, 60};
    for (qsizetype v = 0; v < 16; ++v) {
        const QJsonObject chart = vargas[v].toObject();
        EXPECT_EQ(chart["Division"].toInt(), divisions[v]);
        EXPECT_EQ(chart["Signs"].toObject().keys().size(), 9);
        EXPECT_GE(chart["AscendantSignMinutesEarlier"].toInt(), 1);
    }
    // D1 is the Rasi chart: each body's sign as in "Planets".
    const QJsonObject rasi = vargas[0].toObject()["Signs"].toObject();
    for (const QJsonValue planet : object["Planets"].toArray()) {
        EXPECT_EQ(rasi[planet["Name"].toString()].toInt(), planet["Sign"].toInt());
    }
    EXPECT_EQ(vargas[0].toObject()["AscendantSignMinutesLater"],
              object["AscendantSignMinutesLater"]);

    // The Moon in Swati: Rahu's dasha at birth.
    const QJsonObject dasha = object["Dasha"].toObject();
    EXPECT_EQ(dasha["System"].toString(), QStringLiteral("Vimshottari"));
    EXPECT_EQ(dasha["YearDays"].toDouble(), 365.256363);
    EXPECT_EQ(dasha["Balance"].toObject()["Lord"].toString(), QStringLiteral("Rahu"));
    EXPECT_LT(dasha["DaysPerBirthMinute"].toDouble(), 0);
    const QJsonArray periods = dasha["Periods"].toArray();
    ASSERT_EQ(periods.size(), 9);
    for (qsizetype m = 0; m < 9; ++m) {
        const QJsonObject maha = periods[m].toObject();
        const QJsonArray antar = maha["Antar"].toArray();
        ASSERT_EQ(antar.size(), 9);
        EXPECT_EQ(antar[0].toObject()["Lord"], maha["Lord"]);
        EXPECT_EQ(antar[0].toObject()["Start"], maha["Start"]);
        EXPECT_EQ(antar[8].toObject()["End"], maha["End"]);
        if (m > 0) {
            EXPECT_EQ(maha["Start"], periods[m - 1].toObject()["End"]);
        }
    }
    EXPECT_EQ(periods[0].toObject()["Start"].toString(), QStringLiteral("1986-06-10T17:48+05:30"));
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
    const QJsonArray warnings =
        parsed(readingJson(Reading{polar, r, kNoPlanets}))["Warnings"].toArray();
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
        // Where a general-purpose writer would put "2451545.0" and "1e-7".
        {2451545, "2451545"},
        {1e-7, "1e-07"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
        {std::numeric_limits<double>::infinity(), "null"},
    };
    for (const auto& c : cases) {
        BhavaResult r;
        r.Ascendant = c.value;
        EXPECT_EQ(rawValue(readingJson(Reading{BirthRecord{}, r, kNoPlanets}), "Ascendant"), c.text)
            << c.value;
    }
}

TEST(ReadingJson, TextsAreEscaped) {
    BhavaResult r;
    r.AyanamsaText = "a\"b\\c\nd\x01\x1f\x7f";
    const std::string json = readingJson(Reading{BirthRecord{}, r, kNoPlanets});
    EXPECT_EQ(parsed(json)["AyanamsaText"].toString(),
              QString::fromLatin1("a\"b\\c\nd\x01\x1f\x7f"));
    // Control characters as \u00xx, in lower case, as readers already have them.
    EXPECT_EQ(rawValue(json, "AyanamsaText"), R"("a\"b\\c\u000ad\u0001\u001f)"
                                              "\x7f\"");
}

TEST(ReadingJson, LongTextsFit) {
    // Texts of angles no reading produces are long; the writer makes room.
    BhavaResult r;
    double huge = 1e300;
    r.MidheavenText = ZodiacText(huge);
    r.BhavaMadhyaText[3] = std::string(5000, '"');
    const QJsonObject object = parsed(readingJson(Reading{BirthRecord{}, r, kNoPlanets}));
    EXPECT_EQ(object["MidheavenText"].toString().toStdString(), r.MidheavenText);
    EXPECT_EQ(object["BhavaMadhyaText"].toArray()[3].toString().size(), 5000);
}

// The offset used and the birth record used, with the zone's direction only
// when it was given; the atlas's place only when there is one.
TEST(ReadingJson, TheOffsetTheBirthAndThePlace) {
    struct Case {
        std::optional<bool> ahead;
        bool east;
        bool dst;
        const char* offset;
        const char* zoneAhead; // the Birth's "ZoneAhead" as written, or "" for none
    };
    const Case cases[] = {
        {std::nullopt, true, false, "+05:30", ""},
        {std::nullopt, false, true, "-04:30", ""},
        {false, true, false, "-05:30", "false"},
        {true, false, true, "+06:30", "true"},
    };
    for (const Case& c : cases) {
        BirthRecord birth = delhi2000();
        birth.ZoneAhead = c.ahead;
        birth.LonEast = c.east;
        birth.DST = c.dst;
        const std::string json = readingJson(Reading{birth, ComputeBhava(birth), kNoPlanets});
        const QJsonObject object = parsed(json);
        EXPECT_EQ(object["UtcOffset"].toString(), QLatin1String(c.offset));
        const QJsonObject written = object["Birth"].toObject();
        EXPECT_EQ(written["ZoneHour"].toInt(), 5);
        EXPECT_EQ(written["LonEast"].toBool(), c.east);
        EXPECT_EQ(rawValue(json, "ZoneAhead"), c.zoneAhead);
        EXPECT_FALSE(object.contains(QStringLiteral("Place")));
        // What "Birth" holds is a batch line that gives the same reading.
        const QByteArray line = QJsonDocument(written).toJson(QJsonDocument::Compact);
        const BatchLine again = readBatchLine(line.toStdString());
        ASSERT_TRUE(again.birth) << again.error.toStdString();
        EXPECT_EQ(*again.birth, birth);
    }
    const ReadingPlace place{"Zürich", "Zurich", "Switzerland", 47.36667, 8.55, "Europe/Zurich"};
    const BirthRecord birth = delhi2000();
    const std::string json = readingJson(Reading{birth, ComputeBhava(birth), kNoPlanets}, &place);
    EXPECT_LT(json.find(R"("Birth":)"), json.find(R"("Place":)"));
    const QJsonObject written = parsed(json)["Place"].toObject();
    EXPECT_EQ(written.keys().size(), 6);
    EXPECT_EQ(written["Name"].toString(), QStringLiteral("Zürich"));
    EXPECT_EQ(written["Latitude"].toDouble(), 47.36667);
    EXPECT_EQ(written["TimeZone"].toString(), QStringLiteral("Europe/Zurich"));
}

TEST(BatchErrorJson, LineAndErrorOnly) {
    const std::string json = batchErrorJson(12, QStringLiteral("Month \"13\" is outside"));
    EXPECT_EQ(json, R"({"line":12,"error":"Month \"13\" is outside"})");
    const QJsonObject object = parsed(json);
    EXPECT_EQ(object.size(), 2);
    EXPECT_EQ(object["line"].toInt(), 12);
}

} // namespace
