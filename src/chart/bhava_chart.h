#pragma once

#include "engine/bhava_result.h"
#include "engine/circle.h"
#include "planets/planet_placement.h"

#include <QRectF>
#include <QString>

#include <array>

class QPainter;

// The two common ways of drawing a Bhava chart.
enum class ChartStyle {
    North, // houses fixed: house 1 at the top centre, counted anticlockwise
    South, // signs fixed: Pisces top left, Aries next, clockwise
};

inline constexpr int kChartHouses = 12;

// "Aries" ... "Pisces" for 1 to 12; empty for anything else.
QString SignName(int sign);

// The short name a chart writes for a body ("Su", "Mo", ... "Ke").
QString PlanetAbbreviation(const std::string& name);

// What a screen reader says for each house, house 1 first: its number, the
// sign of its Bhava Madhya and the bodies that stand in it, e.g.
// "House 1, sign 12 Pisces: Sun, Mercury retrograde". Bodies without a name
// or a Bhava (no planets computed) are left out.
std::array<QString, kChartHouses> BhavaChartHouseTexts(const BhavaResult& houses,
                                                       const PlanetsReading& planets);

// Where each house's contents are drawn within the square: in the North style
// the house's own place, in the South style the box of its Bhava Madhya's sign.
std::array<QRectF, kChartHouses> BhavaChartHouseAreas(const QRectF& square,
                                                      const BhavaResult& houses, ChartStyle style);

// Draws the chart into the square, in the painter's logical coordinates and
// with antialiasing, so that it is sharp on any screen scale, in a PDF and in
// an SVG. The text uses the painter's font family, sized to the square. The
// painter's state is restored afterwards.
void PaintBhavaChart(QPainter& painter, const QRectF& square, const BhavaResult& houses,
                     const PlanetsReading& planets, ChartStyle style);

// A divisional chart as the painter draws it: whole-sign houses counted from
// the ascendant's sign in the chart, each body in the sign the chart gives it.
struct VargaChartFigure {
    QString title;              // "D9 Navamsa"
    int ascendantSign = 1;      // 1..12
    std::array<int, 9> signs{}; // each body's sign, in the order of the planets; 0 leaves it out
};

// The same three for a divisional chart: the North style puts the
// ascendant's sign in house 1, the South style marks it and names the chart
// in the middle. The planets give the bodies' names and retrograde marks.
std::array<QString, kChartHouses> VargaChartHouseTexts(const VargaChartFigure& figure,
                                                       const PlanetsReading& planets);
std::array<QRectF, kChartHouses>
VargaChartHouseAreas(const QRectF& square, const VargaChartFigure& figure, ChartStyle style);
void PaintVargaChart(QPainter& painter, const QRectF& square, const VargaChartFigure& figure,
                     const PlanetsReading& planets, ChartStyle style);
