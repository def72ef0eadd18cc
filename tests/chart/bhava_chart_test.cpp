#include "chart/bhava_chart.h"
#include "engine/mod_bhava.h"
#include "support/make_birth.h"
#include "support/sample_planets.h"

#include <QBuffer>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgGenerator>
#include <QTransform>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr qreal kSide = 600;
const QRectF kSquare(0, 0, kSide, kSide);

BhavaResult firstExampleHouses() {
    return ComputeBhava(firstExampleBirth());
}

BhavaResult newYorkHouses() {
    return ComputeBhava(MakeBirth(6, 15, 1985, 6, 30, 5, 0, 74, 0, false, 40, 43, false, true));
}

// A text the painter drew and the point where it begins, on its baseline.
struct DrawnText {
    QString text;
    QPointF at;
};

QTransform transformOf(const QString& attribute) {
    static const QRegularExpression matrix(QStringLiteral(R"(matrix\(([^)]*)\))"));
    const QRegularExpressionMatch match = matrix.match(attribute);
    if (!match.hasMatch()) {
        return {};
    }
    const QStringList v = match.captured(1).split(QLatin1Char(','));
    if (v.size() != 6) {
        return {};
    }
    return {v[0].toDouble(), v[1].toDouble(), v[2].toDouble(),
            v[3].toDouble(), v[4].toDouble(), v[5].toDouble()};
}

// Every text a painting draws into an SVG, in the square's coordinates.
std::vector<DrawnText> drawnTexts(const std::function<void(QPainter&)>& paint) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QSvgGenerator svg;
        svg.setOutputDevice(&buffer);
        svg.setSize(QSize(static_cast<int>(kSide), static_cast<int>(kSide)));
        svg.setViewBox(kSquare);
        QPainter painter(&svg);
        paint(painter);
    }
    std::vector<DrawnText> texts;
    std::vector<QTransform> transforms{QTransform()};
    QXmlStreamReader xml(buffer.data());
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1StringView("g")) {
            transforms.push_back(
                transformOf(xml.attributes().value(QLatin1StringView("transform")).toString()) *
                transforms.back());
        } else if (xml.isEndElement() && xml.name() == QLatin1StringView("g")) {
            transforms.pop_back();
        } else if (xml.isStartElement() && xml.name() == QLatin1StringView("text")) {
            const QPointF at(xml.attributes().value(QLatin1StringView("x")).toDouble(),
                             xml.attributes().value(QLatin1StringView("y")).toDouble());
            const QString text = xml.readElementText();
            texts.push_back({text, transforms.back().map(at)});
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return texts;
}

std::vector<DrawnText> drawnTexts(const BhavaResult& houses, const PlanetsReading& planets,
                                  ChartStyle style) {
    return drawnTexts(
        [&](QPainter& painter) { PaintBhavaChart(painter, kSquare, houses, planets, style); });
}

// The texts drawn inside the area.
QStringList textsIn(const std::vector<DrawnText>& texts, const QRectF& area) {
    QStringList found;
    for (const DrawnText& drawn : texts) {
        if (area.contains(drawn.at + QPointF(1, -1))) {
            found << drawn.text;
        }
    }
    return found;
}

int count(const std::vector<DrawnText>& texts, const QString& text) {
    return static_cast<int>(std::count_if(texts.begin(), texts.end(),
                                          [&](const DrawnText& d) { return d.text == text; }));
}

QString token(const PlanetPlacement& planet) {
    return PlanetAbbreviation(planet.Name) +
           (planet.Retrograde ? QStringLiteral("(R)") : QString());
}

} // namespace

// ------------------------------------------------------------------- signs

TEST(SignOf, NamesTheSignTheAngleTextNames) {
    for (const BhavaResult& houses : {firstExampleHouses(), newYorkHouses()}) {
        for (const double point : houses.CuspPoints) {
            double copy = point;
            const std::string text = ZodiacText(copy);
            EXPECT_EQ(SignName(SignOf(point)).left(3).toStdString(), text.substr(text.size() - 3))
                << point;
        }
    }
    EXPECT_EQ(SignName(12), QStringLiteral("Pisces"));
    EXPECT_TRUE(SignName(0).isEmpty());
    EXPECT_TRUE(SignName(13).isEmpty());
}

// ----------------------------------------------------- texts for screen readers

TEST(BhavaChartHouseTexts, NameEachHouseItsSignAndItsBodies) {
    const auto texts = BhavaChartHouseTexts(firstExampleHouses(), firstExamplePlanets());
    EXPECT_EQ(texts[0], QStringLiteral("House 1, sign 12 Pisces: no planets"));
    EXPECT_EQ(texts[1], QStringLiteral("House 2, sign 1 Aries: Jupiter, Saturn retrograde"));
    EXPECT_EQ(texts[7], QStringLiteral("House 8, sign 7 Libra: Moon"));
    EXPECT_EQ(texts[9], QStringLiteral("House 10, sign 9 Sagittarius: Sun, Mercury retrograde"));
    EXPECT_EQ(texts[11], QStringLiteral("House 12, sign 11 Aquarius: Mars"));

    // Without planets every house names its sign alone.
    const auto bare = BhavaChartHouseTexts(newYorkHouses(), PlanetsReading{});
    EXPECT_EQ(bare[0], QStringLiteral("House 1, sign 3 Gemini: no planets"));
    EXPECT_EQ(bare[3], QStringLiteral("House 4, sign 5 Leo: no planets"));
}

// ------------------------------------------------------------ North style

TEST(PaintBhavaChart, NorthHousesRunAnticlockwiseFromTheTopCentre) {
    const auto areas = BhavaChartHouseAreas(kSquare, firstExampleHouses(), ChartStyle::North);
    struct Place {
        int house;
        QPointF inside; // in the unit square
    };
    for (const Place place :
         {Place{1, {0.5, 0.25}}, Place{2, {0.25, 0.06}}, Place{3, {0.06, 0.25}},
          Place{4, {0.25, 0.5}}, Place{6, {0.25, 0.94}}, Place{7, {0.5, 0.75}},
          Place{9, {0.94, 0.75}}, Place{10, {0.75, 0.5}}, Place{12, {0.75, 0.06}}}) {
        EXPECT_TRUE(
            areas.at(static_cast<std::size_t>(place.house - 1)).contains(place.inside * kSide))
            << "house " << place.house;
    }
}

TEST(PaintBhavaChart, NorthPutsEachSignNumberAndBodyInItsHouse) {
    for (const BhavaResult& houses : {firstExampleHouses(), newYorkHouses()}) {
        const PlanetsReading planets = firstExamplePlanets();
        const auto texts = drawnTexts(houses, planets, ChartStyle::North);
        const auto areas = BhavaChartHouseAreas(kSquare, houses, ChartStyle::North);
        for (int house = 1; house <= kChartHouses; ++house) {
            const auto slot = static_cast<std::size_t>(house - 1);
            EXPECT_TRUE(textsIn(texts, areas.at(slot))
                            .contains(QString::number(SignOf(houses.CuspPoints.at(2 * slot)))))
                << "house " << house;
        }
        for (const PlanetPlacement& planet : planets.Planets) {
            ASSERT_EQ(count(texts, token(planet)), 1) << planet.Name;
            EXPECT_TRUE(textsIn(texts, areas.at(static_cast<std::size_t>(planet.Bhava - 1)))
                            .contains(token(planet)))
                << planet.Name;
        }
    }
}

TEST(PaintBhavaChart, NineBodiesInOneNarrowHouseStayInside) {
    const BhavaResult houses = firstExampleHouses();
    PlanetsReading crowded = firstExamplePlanets();
    for (PlanetPlacement& planet : crowded.Planets) {
        planet.Bhava = 3;
    }
    const auto texts = drawnTexts(houses, crowded, ChartStyle::North);
    const QRectF house3 = BhavaChartHouseAreas(kSquare, houses, ChartStyle::North)[2];
    for (const PlanetPlacement& planet : crowded.Planets) {
        const auto drawn = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& d) {
            return d.text == token(planet);
        });
        ASSERT_NE(drawn, texts.end()) << planet.Name;
        EXPECT_TRUE(house3.contains(drawn->at + QPointF(1, -1))) << planet.Name;
    }
}

TEST(PaintBhavaChart, WithoutPlanetsOnlyTheSignsAreWritten) {
    const auto texts = drawnTexts(firstExampleHouses(), PlanetsReading{}, ChartStyle::North);
    EXPECT_EQ(texts.size(), static_cast<std::size_t>(kChartHouses));
}

// ------------------------------------------------------------ South style

TEST(PaintBhavaChart, SouthSignsRunClockwiseFromPiscesTopLeft) {
    // The house areas of the South style are the boxes of the Madhya signs;
    // the first example's houses 1 to 12 stand in Pisces, Aries, ... Aquarius.
    const auto areas = BhavaChartHouseAreas(kSquare, firstExampleHouses(), ChartStyle::South);
    struct Box {
        int house;
        QPointF inside;
    };
    for (const Box box : {Box{1, {0.1, 0.1}}, Box{2, {0.35, 0.1}}, Box{4, {0.9, 0.1}},
                          Box{5, {0.9, 0.35}}, Box{7, {0.9, 0.9}}, Box{8, {0.6, 0.9}},
                          Box{10, {0.1, 0.9}}, Box{11, {0.1, 0.6}}, Box{12, {0.1, 0.35}}}) {
        EXPECT_TRUE(areas.at(static_cast<std::size_t>(box.house - 1)).contains(box.inside * kSide))
            << "house " << box.house;
    }
}

TEST(PaintBhavaChart, SouthPutsEachBodyInItsSignWithItsBhavaBeside) {
    const BhavaResult houses = newYorkHouses(); // ascendant in Gemini
    const PlanetsReading planets = firstExamplePlanets();
    const auto texts = drawnTexts(houses, planets, ChartStyle::South);
    const auto boxOfSign = [&](int sign) {
        const qreal cell = kSide / 4;
        // Pisces top left, then clockwise round the edge.
        static constexpr int kColumn[] = {1, 2, 3, 3, 3, 3, 2, 1, 0, 0, 0, 0};
        static constexpr int kRow[] = {0, 0, 0, 1, 2, 3, 3, 3, 3, 2, 1, 0};
        return QRectF(kColumn[sign - 1] * cell, kRow[sign - 1] * cell, cell, cell);
    };
    for (const PlanetPlacement& planet : planets.Planets) {
        const auto drawn = std::find_if(texts.begin(), texts.end(), [&](const DrawnText& d) {
            return d.text == token(planet);
        });
        ASSERT_NE(drawn, texts.end()) << planet.Name;
        EXPECT_TRUE(boxOfSign(planet.Sign).contains(drawn->at)) << planet.Name;
        // The Bhava number is the next text, on the same line to its right.
        const auto note = std::next(drawn);
        ASSERT_NE(note, texts.end());
        EXPECT_EQ(note->text, QString::number(planet.Bhava)) << planet.Name;
        EXPECT_GT(note->at.x(), drawn->at.x());
        EXPECT_NEAR(note->at.y(), drawn->at.y(), 0.01);
    }
    EXPECT_EQ(count(texts, QStringLiteral("Asc")), 1);
    EXPECT_TRUE(textsIn(texts, boxOfSign(3)).contains(QStringLiteral("Asc")));
    EXPECT_EQ(count(texts, QString::fromStdString(houses.AscendantText)), 1);
}

// ------------------------------------------------------- divisional charts

// A Navamsa rising in Leo with the Sun in Leo, the Moon in Scorpio and the
// rest left out: whole-sign houses from Leo in the North style, Leo marked in
// the South style.
TEST(PaintVargaChart, HousesCountFromTheAscendantsSignInTheChart) {
    VargaChartFigure figure;
    figure.title = QStringLiteral("D9 Navamsa");
    figure.ascendantSign = 5;
    figure.signs = {5, 8, 0, 0, 0, 0, 0, 0, 0};
    const PlanetsReading planets = firstExamplePlanets();
    const auto spoken = VargaChartHouseTexts(figure, planets);
    EXPECT_EQ(spoken[0], QStringLiteral("House 1, sign 5 Leo: Sun"));
    EXPECT_EQ(spoken[3], QStringLiteral("House 4, sign 8 Scorpio: Moon"));
    EXPECT_EQ(spoken[8], QStringLiteral("House 9, sign 1 Aries: no planets"));

    for (const ChartStyle style : {ChartStyle::North, ChartStyle::South}) {
        SCOPED_TRACE(style == ChartStyle::North ? "North" : "South");
        const auto texts = drawnTexts(
            [&](QPainter& painter) { PaintVargaChart(painter, kSquare, figure, planets, style); });
        const auto areas = VargaChartHouseAreas(kSquare, figure, style);
        EXPECT_TRUE(textsIn(texts, areas[0]).contains(QStringLiteral("Su")));
        EXPECT_TRUE(textsIn(texts, areas[3]).contains(QStringLiteral("Mo")));
        EXPECT_EQ(count(texts, QStringLiteral("Ma")), 0);
        if (style == ChartStyle::North) {
            EXPECT_TRUE(textsIn(texts, areas[0]).contains(QStringLiteral("5")));
            EXPECT_TRUE(textsIn(texts, areas[11]).contains(QStringLiteral("4")));
        } else {
            EXPECT_TRUE(textsIn(texts, areas[0]).contains(QStringLiteral("Asc")));
            EXPECT_EQ(count(texts, QStringLiteral("D9 Navamsa")), 1);
            EXPECT_EQ(count(texts, QStringLiteral("4")), 0); // no Bhava numbers
        }
    }
}
