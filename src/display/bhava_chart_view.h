#pragma once

#include "chart/bhava_chart.h"
#include "engine/bhava_result.h"
#include "planets/planet_placement.h"

#include <QWidget>

#include <array>
#include <optional>

// The drawn Bhava chart of the reading window, or one of its divisional charts. It paints with the
// chart painter at the screen's own resolution, and a screen reader finds one child for each house
// whose name is the house's text ("House 1, sign 12 Pisces:
// ..."); the accessible description holds all twelve, one a line.
class BhavaChartView : public QWidget {
    Q_OBJECT
public:
    explicit BhavaChartView(QWidget* parent = nullptr);

    void setReading(const BhavaResult& houses, const PlanetsReading& planets);
    void setChartStyle(ChartStyle style);
    // A divisional chart of the reading instead of its Bhava chart; none goes
    // back to the Bhava chart.
    void setVarga(const std::optional<VargaChartFigure>& figure);
    const std::optional<VargaChartFigure>& vargaFigure() const { return varga; }
    ChartStyle chartStyle() const { return style; }

    // Empty until a reading is set.
    const std::array<QString, kChartHouses>& houseTexts() const { return texts; }
    // Where the chart and each house stand in the widget.
    QRectF chartSquare() const;
    std::array<QRectF, kChartHouses> houseAreas() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override { return width; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateTexts();

private:
    BhavaResult houses;
    PlanetsReading planets;
    ChartStyle style = ChartStyle::North;
    std::optional<VargaChartFigure> varga;
    std::array<QString, kChartHouses> texts;
    bool hasReading = false;
};
