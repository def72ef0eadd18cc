#include "chart/bhava_chart.h"

#include "engine/translatable.h"
#include "planets/mod_planets.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygonF>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// The chart's bodies as it abbreviates them, for the catalogues.
[[maybe_unused]] constexpr std::array<const char*, 9> kBodyAbbreviations = {
    QT_TRANSLATE_NOOP("ChartBodies", "Su"), QT_TRANSLATE_NOOP("ChartBodies", "Mo"),
    QT_TRANSLATE_NOOP("ChartBodies", "Ma"), QT_TRANSLATE_NOOP("ChartBodies", "Me"),
    QT_TRANSLATE_NOOP("ChartBodies", "Ju"), QT_TRANSLATE_NOOP("ChartBodies", "Ve"),
    QT_TRANSLATE_NOOP("ChartBodies", "Sa"), QT_TRANSLATE_NOOP("ChartBodies", "Ra"),
    QT_TRANSLATE_NOOP("ChartBodies", "Ke")};

// A text of the chart in the language in use.
QString chartText(const char* english) {
    return QCoreApplication::translate("BhavaChart", english);
}

// A sign's three letters ("Ari") in the language in use.
QString signAbbreviation(int sign) {
    const QByteArray english =
        QByteArray(kSignNames.at(static_cast<std::size_t>(sign - 1))).left(3);
    return QCoreApplication::translate("Signs", english.constData());
}

const QColor kPaper(Qt::white);
const QColor kLines(0x33, 0x33, 0x33);
const QColor kInk(Qt::black);
const QColor kSignInk(0x9b, 0x1c, 0x1c);  // the sign numbers and the ascendant's mark
const QColor kNoteInk(0x1f, 0x4e, 0x8c);  // the Bhava numbers beside the bodies
const QColor kFaintInk(0x6b, 0x6b, 0x6b); // the sign names of the South style

// A body drawn in a house or a sign: its short name and, in the South style,
// its Bhava number beside it in smaller type.
struct Token {
    QString text;
    QString note;
};

// What a chart shows, whichever chart it is: the sign of each house, the
// ascendant's sign, the bodies of each house (North style) and of each sign
// (South style), and the South style's middle.
struct ChartContent {
    std::array<int, kChartHouses> houseSign{};
    int ascendantSign = 0;
    std::array<std::vector<Token>, kChartHouses> byHouse;
    std::array<std::vector<Token>, kChartHouses> bySign;
    QString middleCaption;
    QString middleValue;
};

bool named(const PlanetPlacement& planet) {
    return !planet.Name.empty();
}

bool isSign(int sign) {
    return sign >= 1 && sign <= kChartHouses;
}

bool placed(const PlanetPlacement& planet) {
    return !planet.Name.empty() && planet.Bhava >= 1 && planet.Bhava <= kChartHouses &&
           planet.Sign >= 1 && planet.Sign <= kChartHouses;
}

int madhyaSign(const BhavaResult& houses, int house) {
    return SignOf(houses.CuspPoints.at(2 * static_cast<std::size_t>(house - 1)));
}

QString tokenText(const PlanetPlacement& planet) {
    QString text = PlanetAbbreviation(planet.Name);
    if (planet.Retrograde) {
        text += chartText(QT_TRANSLATE_NOOP("BhavaChart", "(R)"));
    }
    return text;
}

// A font of the painter's family whose letters are pixels high in the
// painter's logical coordinates.
QFont fontOfPixels(const QPainter& painter, qreal pixels) {
    QFont font = painter.font();
    const QPaintDevice* device = painter.device();
    const int dpi = device != nullptr && device->logicalDpiY() > 0 ? device->logicalDpiY() : 96;
    font.setPointSizeF(std::max(pixels, 0.5) * 72.0 / dpi);
    return font;
}

QFontMetricsF metricsOf(const QPainter& painter, const QFont& font) {
    return painter.device() != nullptr ? QFontMetricsF(font, painter.device())
                                       : QFontMetricsF(font);
}

// The lines the tokens wrap into at a font size, and whether they fit.
struct TokenLayout {
    std::vector<std::vector<std::size_t>> lines;
    std::vector<qreal> widths;
    qreal lineHeight = 0;
    bool fits = false;
};

constexpr qreal kNoteScale = 0.72;

TokenLayout layOut(const QPainter& painter, const std::vector<Token>& tokens, const QRectF& rect,
                   qreal pixels) {
    TokenLayout layout;
    const QFontMetricsF main = metricsOf(painter, fontOfPixels(painter, pixels));
    const QFontMetricsF note = metricsOf(painter, fontOfPixels(painter, pixels * kNoteScale));
    const qreal gap = main.horizontalAdvance(QLatin1Char(' '));
    layout.lineHeight = main.height();
    bool tooWide = false;
    qreal lineWidth = 0;
    for (std::size_t i = 0; i < tokens.size(); ++i) {
        qreal width = main.horizontalAdvance(tokens[i].text);
        if (!tokens[i].note.isEmpty()) {
            width += gap / 2 + note.horizontalAdvance(tokens[i].note);
        }
        tooWide = tooWide || width > rect.width();
        if (layout.lines.empty() || lineWidth + gap + width > rect.width()) {
            layout.lines.push_back({i});
            layout.widths.push_back(width);
            lineWidth = width;
        } else {
            layout.lines.back().push_back(i);
            lineWidth += gap + width;
            layout.widths.back() = lineWidth;
        }
    }
    layout.fits =
        !tooWide && static_cast<qreal>(layout.lines.size()) * layout.lineHeight <= rect.height();
    return layout;
}

// Draws the tokens centred in the rectangle, in lines, at the largest size up
// to maxPixels at which they fit.
void drawTokens(QPainter& painter, const QRectF& rect, const std::vector<Token>& tokens,
                qreal maxPixels) {
    if (tokens.empty()) {
        return;
    }
    qreal pixels = maxPixels;
    TokenLayout layout = layOut(painter, tokens, rect, pixels);
    while (!layout.fits && pixels > maxPixels * 0.35) {
        pixels *= 0.9;
        layout = layOut(painter, tokens, rect, pixels);
    }
    const QFont mainFont = fontOfPixels(painter, pixels);
    const QFont noteFont = fontOfPixels(painter, pixels * kNoteScale);
    const QFontMetricsF main = metricsOf(painter, mainFont);
    const QFontMetricsF note = metricsOf(painter, noteFont);
    const qreal gap = main.horizontalAdvance(QLatin1Char(' '));
    const qreal blockHeight = static_cast<qreal>(layout.lines.size()) * layout.lineHeight;
    qreal baseline = rect.center().y() - blockHeight / 2 + main.ascent();
    for (std::size_t line = 0; line < layout.lines.size(); ++line) {
        qreal x = rect.center().x() - layout.widths[line] / 2;
        for (const std::size_t index : layout.lines[line]) {
            const Token& token = tokens[index];
            painter.setFont(mainFont);
            painter.setPen(kInk);
            painter.drawText(QPointF(x, baseline), token.text);
            x += main.horizontalAdvance(token.text);
            if (!token.note.isEmpty()) {
                x += gap / 2;
                painter.setFont(noteFont);
                painter.setPen(kNoteInk);
                painter.drawText(QPointF(x, baseline), token.note);
                x += note.horizontalAdvance(token.note);
            }
            x += gap;
        }
        baseline += layout.lineHeight;
    }
}

void drawCentredText(QPainter& painter, const QPointF& centre, const QString& text, qreal pixels,
                     const QColor& colour) {
    const QFont font = fontOfPixels(painter, pixels);
    const QFontMetricsF metrics = metricsOf(painter, font);
    painter.setFont(font);
    painter.setPen(colour);
    const qreal width = metrics.horizontalAdvance(text);
    painter.drawText(
        QPointF(centre.x() - width / 2, centre.y() + (metrics.ascent() - metrics.descent()) / 2),
        text);
}

// ------------------------------------------------------------- North style

// The places of the North style in a unit square (y downwards). Houses 1, 2
// and 3 are drawn as they are; each further three are the same turned by a
// quarter anticlockwise.
struct NorthHouse {
    QPolygonF outline;
    QPointF signAt; // where the sign number stands: towards the centre
    QRectF bodies;  // where the bodies are written
};

QPointF quarterTurn(const QPointF& p) {
    return {p.y(), 1 - p.x()};
}

QRectF quarterTurn(const QRectF& r) {
    return QRectF(quarterTurn(r.topLeft()), quarterTurn(r.bottomRight())).normalized();
}

NorthHouse turned(NorthHouse house, int quarters) {
    for (int q = 0; q < quarters; ++q) {
        for (QPointF& p : house.outline) {
            p = quarterTurn(p);
        }
        house.signAt = quarterTurn(house.signAt);
        house.bodies = quarterTurn(house.bodies);
    }
    return house;
}

NorthHouse northHouse(int house) {
    static const std::array<NorthHouse, 3> first = {{
        // House 1: the rhombus at the top centre.
        {QPolygonF({{0.5, 0}, {0.75, 0.25}, {0.5, 0.5}, {0.25, 0.25}}),
         {0.5, 0.425},
         QRectF(QPointF(0.34, 0.13), QPointF(0.66, 0.35))},
        // House 2: the triangle left of it along the top edge.
        {QPolygonF({{0, 0}, {0.5, 0}, {0.25, 0.25}}),
         {0.25, 0.175},
         QRectF(QPointF(0.12, 0.015), QPointF(0.38, 0.13))},
        // House 3: the triangle below that along the left edge.
        {QPolygonF({{0, 0}, {0.25, 0.25}, {0, 0.5}}),
         {0.175, 0.25},
         QRectF(QPointF(0.015, 0.12), QPointF(0.13, 0.38))},
    }};
    const int index = (house - 1) % 3;
    const int quarters = (house - 1) / 3;
    return turned(first.at(static_cast<std::size_t>(index)), quarters);
}

QPointF inSquare(const QRectF& square, const QPointF& unit) {
    return {square.left() + unit.x() * square.width(), square.top() + unit.y() * square.height()};
}

QRectF inSquare(const QRectF& square, const QRectF& unit) {
    return {inSquare(square, unit.topLeft()), inSquare(square, unit.bottomRight())};
}

void paintNorth(QPainter& painter, const QRectF& square, const ChartContent& content, qreal side) {
    const QPointF top = inSquare(square, QPointF(0.5, 0));
    const QPointF right = inSquare(square, QPointF(1, 0.5));
    const QPointF bottom = inSquare(square, QPointF(0.5, 1));
    const QPointF left = inSquare(square, QPointF(0, 0.5));
    painter.drawLine(square.topLeft(), square.bottomRight());
    painter.drawLine(square.topRight(), square.bottomLeft());
    painter.drawPolygon(QPolygonF({top, right, bottom, left}));

    for (int house = 1; house <= kChartHouses; ++house) {
        const auto slot = static_cast<std::size_t>(house - 1);
        const NorthHouse place = northHouse(house);
        drawCentredText(painter, inSquare(square, place.signAt),
                        QString::number(content.houseSign.at(slot)), side * 0.04, kSignInk);
        drawTokens(painter, inSquare(square, place.bodies), content.byHouse.at(slot), side * 0.042);
    }
}

// ------------------------------------------------------------- South style

// The box of a sign (1..12) in the South style's four-by-four grid: Pisces
// top left, then clockwise round the edge.
QRectF southBox(const QRectF& square, int sign) {
    static constexpr std::array<std::array<int, 2>, kChartHouses> kColumnRow = {{
        {1, 0},
        {2, 0},
        {3, 0},
        {3, 1},
        {3, 2},
        {3, 3}, // Aries .. Virgo
        {2, 3},
        {1, 3},
        {0, 3},
        {0, 2},
        {0, 1},
        {0, 0}, // Libra .. Pisces
    }};
    const auto& [column, row] = kColumnRow.at(static_cast<std::size_t>(sign - 1));
    const qreal cell = square.width() / 4;
    return {square.left() + column * cell, square.top() + row * cell, cell, cell};
}

void paintSouth(QPainter& painter, const QRectF& square, const ChartContent& content, qreal side) {
    const qreal cell = side / 4;
    const qreal x0 = square.left();
    const qreal y0 = square.top();
    // Whole lines between the outer boxes, and the short ones that leave the
    // middle open.
    for (const int k : {1, 3}) {
        painter.drawLine(QPointF(x0 + k * cell, y0), QPointF(x0 + k * cell, y0 + side));
        painter.drawLine(QPointF(x0, y0 + k * cell), QPointF(x0 + side, y0 + k * cell));
    }
    painter.drawLine(QPointF(x0 + 2 * cell, y0), QPointF(x0 + 2 * cell, y0 + cell));
    painter.drawLine(QPointF(x0 + 2 * cell, y0 + 3 * cell), QPointF(x0 + 2 * cell, y0 + side));
    painter.drawLine(QPointF(x0, y0 + 2 * cell), QPointF(x0 + cell, y0 + 2 * cell));
    painter.drawLine(QPointF(x0 + 3 * cell, y0 + 2 * cell), QPointF(x0 + side, y0 + 2 * cell));

    const int ascendantSign = content.ascendantSign;
    const qreal margin = cell * 0.06;
    for (int sign = 1; sign <= kChartHouses; ++sign) {
        const QRectF box = southBox(square, sign);
        // The sign's name, small, in the lower right corner.
        const QFont faint = fontOfPixels(painter, side * 0.026);
        painter.setFont(faint);
        painter.setPen(kFaintInk);
        painter.drawText(box.adjusted(margin, margin, -margin, -margin),
                         Qt::AlignRight | Qt::AlignBottom, signAbbreviation(sign));
        if (sign == ascendantSign) {
            // The ascendant's sign: a stroke across the upper left corner.
            QPen mark(kSignInk, side * 0.006);
            painter.setPen(mark);
            painter.drawLine(QPointF(box.left(), box.top() + cell * 0.28),
                             QPointF(box.left() + cell * 0.28, box.top()));
            drawCentredText(painter, QPointF(box.left() + cell * 0.42, box.top() + cell * 0.12),
                            chartText(QT_TRANSLATE_NOOP("BhavaChart", "Asc")), side * 0.026,
                            kSignInk);
        }
        const QRectF bodies(box.left() + margin, box.top() + cell * 0.22, cell - 2 * margin,
                            cell * 0.56);
        drawTokens(painter, bodies, content.bySign.at(static_cast<std::size_t>(sign - 1)),
                   side * 0.036);
    }
    // The middle: the ascendant's degree, or the chart's name.
    const QPointF middle = square.center();
    drawCentredText(painter, QPointF(middle.x(), middle.y() - side * 0.03), content.middleCaption,
                    side * 0.03, kFaintInk);
    drawCentredText(painter, QPointF(middle.x(), middle.y() + side * 0.02), content.middleValue,
                    side * 0.034, kInk);
}

// The Bhava chart: houses from the Bhava Madhya, bodies by their Bhava.
ChartContent bhavaContent(const BhavaResult& houses, const PlanetsReading& planets) {
    ChartContent content;
    for (int house = 1; house <= kChartHouses; ++house) {
        content.houseSign.at(static_cast<std::size_t>(house - 1)) = madhyaSign(houses, house);
    }
    content.ascendantSign = SignOf(houses.Ascendant);
    for (const PlanetPlacement& planet : planets.Planets) {
        if (placed(planet)) {
            content.byHouse.at(static_cast<std::size_t>(planet.Bhava - 1))
                .push_back({tokenText(planet), {}});
            content.bySign.at(static_cast<std::size_t>(planet.Sign - 1))
                .push_back({tokenText(planet), QString::number(planet.Bhava)});
        }
    }
    content.middleCaption = QCoreApplication::translate("Planets", "Ascendant");
    content.middleValue = QString::fromStdString(houses.AscendantText);
    return content;
}

// The house of a sign counted from the ascendant's sign, whole signs: the
// ascendant's sign is house 1.
int wholeSignHouse(int ascendantSign, int sign) {
    return (sign - ascendantSign + kChartHouses) % kChartHouses + 1;
}

// A divisional chart: whole-sign houses from its ascendant, bodies by their
// signs in it.
ChartContent vargaContent(const VargaChartFigure& figure, const PlanetsReading& planets) {
    ChartContent content;
    const int ascendant = isSign(figure.ascendantSign) ? figure.ascendantSign : 1;
    for (int house = 1; house <= kChartHouses; ++house) {
        content.houseSign.at(static_cast<std::size_t>(house - 1)) =
            (ascendant + house - 2) % kChartHouses + 1;
    }
    content.ascendantSign = ascendant;
    for (std::size_t b = 0; b < planets.Planets.size() && b < figure.signs.size(); ++b) {
        const PlanetPlacement& planet = planets.Planets.at(b);
        const int sign = figure.signs.at(b);
        if (named(planet) && isSign(sign)) {
            content.byHouse.at(static_cast<std::size_t>(wholeSignHouse(ascendant, sign) - 1))
                .push_back({tokenText(planet), {}});
            content.bySign.at(static_cast<std::size_t>(sign - 1))
                .push_back({tokenText(planet), {}});
        }
    }
    content.middleCaption = figure.title;
    content.middleValue =
        chartText(QT_TRANSLATE_NOOP("BhavaChart", "%1 rising")).arg(SignName(ascendant));
    return content;
}

// What a screen reader says for each house of a chart.
std::array<QString, kChartHouses> houseTexts(const ChartContent& content,
                                             const std::array<QStringList, kChartHouses>& bodies) {
    std::array<QString, kChartHouses> texts;
    for (std::size_t h = 0; h < texts.size(); ++h) {
        const int sign = content.houseSign.at(h);
        texts.at(h) =
            chartText(QT_TRANSLATE_NOOP("BhavaChart", "House %1, sign %2 %3: %4"))
                .arg(h + 1)
                .arg(sign)
                .arg(SignName(sign), bodies.at(h).isEmpty()
                                         ? chartText(QT_TRANSLATE_NOOP("BhavaChart", "no planets"))
                                         : bodies.at(h).join(u", "));
    }
    return texts;
}

QString spokenBody(const PlanetPlacement& planet) {
    const QString name = QCoreApplication::translate("Planets", planet.Name.c_str());
    return planet.Retrograde ? chartText(QT_TRANSLATE_NOOP("BhavaChart", "%1 retrograde")).arg(name)
                             : name;
}

std::array<QRectF, kChartHouses> areasOf(const QRectF& square, const ChartContent& content,
                                         ChartStyle style) {
    std::array<QRectF, kChartHouses> areas;
    for (std::size_t h = 0; h < areas.size(); ++h) {
        areas.at(h) =
            style == ChartStyle::North
                ? inSquare(square, northHouse(static_cast<int>(h) + 1).outline.boundingRect())
                : southBox(square, content.houseSign.at(h));
    }
    return areas;
}

void paintChart(QPainter& painter, const QRectF& square, const ChartContent& content,
                ChartStyle style) {
    const qreal side = std::min(square.width(), square.height());
    if (!(side > 0)) {
        return;
    }
    const QRectF chart(square.center().x() - side / 2, square.center().y() - side / 2, side, side);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.fillRect(chart, kPaper);
    QPen lines(kLines, std::max(side * 0.004, 0.5));
    lines.setJoinStyle(Qt::MiterJoin);
    painter.setPen(lines);
    painter.setBrush(Qt::NoBrush);
    // The frame lies inside the square, so that nothing is cut at its edges.
    const qreal inset = lines.widthF() / 2;
    const QRectF frame = chart.adjusted(inset, inset, -inset, -inset);
    painter.drawRect(frame);
    if (style == ChartStyle::North) {
        paintNorth(painter, frame, content, side);
    } else {
        paintSouth(painter, frame, content, side);
    }
    painter.restore();
}

} // namespace

QString SignName(int sign) {
    if (sign < 1 || sign > kChartHouses) {
        return {};
    }
    return QCoreApplication::translate("Signs", kSignNames.at(static_cast<std::size_t>(sign - 1)));
}

QString PlanetAbbreviation(const std::string& name) {
    return QCoreApplication::translate("ChartBodies",
                                       QString::fromStdString(name).left(2).toUtf8());
}

std::array<QString, kChartHouses> BhavaChartHouseTexts(const BhavaResult& houses,
                                                       const PlanetsReading& planets) {
    std::array<QStringList, kChartHouses> bodies;
    for (const PlanetPlacement& planet : planets.Planets) {
        if (placed(planet)) {
            bodies.at(static_cast<std::size_t>(planet.Bhava - 1)) << spokenBody(planet);
        }
    }
    return houseTexts(bhavaContent(houses, planets), bodies);
}

std::array<QRectF, kChartHouses> BhavaChartHouseAreas(const QRectF& square,
                                                      const BhavaResult& houses, ChartStyle style) {
    return areasOf(square, bhavaContent(houses, {}), style);
}

void PaintBhavaChart(QPainter& painter, const QRectF& square, const BhavaResult& houses,
                     const PlanetsReading& planets, ChartStyle style) {
    paintChart(painter, square, bhavaContent(houses, planets), style);
}

std::array<QString, kChartHouses> VargaChartHouseTexts(const VargaChartFigure& figure,
                                                       const PlanetsReading& planets) {
    const ChartContent content = vargaContent(figure, planets);
    std::array<QStringList, kChartHouses> bodies;
    for (std::size_t b = 0; b < planets.Planets.size() && b < figure.signs.size(); ++b) {
        const PlanetPlacement& planet = planets.Planets.at(b);
        if (named(planet) && isSign(figure.signs.at(b))) {
            const int house = wholeSignHouse(content.ascendantSign, figure.signs.at(b));
            bodies.at(static_cast<std::size_t>(house - 1)) << spokenBody(planet);
        }
    }
    return houseTexts(content, bodies);
}

std::array<QRectF, kChartHouses>
VargaChartHouseAreas(const QRectF& square, const VargaChartFigure& figure, ChartStyle style) {
    return areasOf(square, vargaContent(figure, {}), style);
}

void PaintVargaChart(QPainter& painter, const QRectF& square, const VargaChartFigure& figure,
                     const PlanetsReading& planets, ChartStyle style) {
    paintChart(painter, square, vargaContent(figure, planets), style);
}
