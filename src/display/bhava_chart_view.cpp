#include "display/bhava_chart_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPainter>
#include <QPointer>
#include <QStringList>

#include <algorithm>
#include <cstddef>
#include <vector>

namespace {

constexpr int kPreferredSide = 320;
constexpr int kSmallestSide = 220;

// One house of the chart as a screen reader sees it.
class HouseAccessible : public QAccessibleInterface {
public:
    HouseAccessible(BhavaChartView* view, int index) : view(view), index(index) {}

    bool isValid() const override { return !view.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return view.isNull() ? nullptr : parent()->window(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(view.data());
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        if (view.isNull() || (t != QAccessible::Name && t != QAccessible::Description)) {
            return {};
        }
        return view->houseTexts().at(static_cast<std::size_t>(index));
    }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

    QRect rect() const override {
        if (view.isNull()) {
            return {};
        }
        const QRect local = view->houseAreas().at(static_cast<std::size_t>(index)).toRect();
        return {view->mapToGlobal(local.topLeft()), local.size()};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        s.invisible = view.isNull() || !view->isVisible();
        return s;
    }

private:
    QPointer<BhavaChartView> view;
    int index;
};

// The chart with its twelve houses as children.
class ChartAccessible : public QAccessibleWidget {
public:
    explicit ChartAccessible(BhavaChartView* view) : QAccessibleWidget(view, QAccessible::Graphic) {
        for (int i = 0; i < kChartHouses; ++i) {
            ids.push_back(QAccessible::registerAccessibleInterface(new HouseAccessible(view, i)));
        }
    }
    ChartAccessible(const ChartAccessible&) = delete;
    ChartAccessible& operator=(const ChartAccessible&) = delete;
    ChartAccessible(ChartAccessible&&) = delete;
    ChartAccessible& operator=(ChartAccessible&&) = delete;
    ~ChartAccessible() override {
        for (const QAccessible::Id id : ids) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }

    int childCount() const override { return kChartHouses; }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= kChartHouses) {
            return nullptr;
        }
        return QAccessible::accessibleInterface(ids.at(static_cast<std::size_t>(index)));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < kChartHouses; ++i) {
            if (QAccessible::accessibleInterface(ids.at(static_cast<std::size_t>(i))) == child) {
                return i;
            }
        }
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < kChartHouses; ++i) {
            QAccessibleInterface* house = child(i);
            if (house != nullptr && house->rect().contains(x, y)) {
                return house;
            }
        }
        return nullptr;
    }

private:
    std::vector<QAccessible::Id> ids;
};

QAccessibleInterface* chartAccessibleFactory(const QString& className, QObject* object) {
    if (className == QLatin1StringView("BhavaChartView") && object != nullptr &&
        object->isWidgetType()) {
        return new ChartAccessible(static_cast<BhavaChartView*>(object));
    }
    return nullptr;
}

} // namespace

BhavaChartView::BhavaChartView(QWidget* parent) : QWidget(parent) {
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(&chartAccessibleFactory);
        return true;
    }();
    (void)factoryInstalled;
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void BhavaChartView::setReading(const BhavaResult& newHouses, const PlanetsReading& newPlanets) {
    houses = newHouses;
    planets = newPlanets;
    hasReading = true;
    updateTexts();
}

void BhavaChartView::setVarga(const std::optional<VargaChartFigure>& figure) {
    varga = figure;
    updateTexts();
}

void BhavaChartView::updateTexts() {
    texts = varga ? VargaChartHouseTexts(*varga, planets) : BhavaChartHouseTexts(houses, planets);
    QStringList lines;
    for (const QString& text : texts) {
        lines << text;
    }
    setAccessibleDescription(lines.join(u'\n'));
    update();
}

void BhavaChartView::setChartStyle(ChartStyle newStyle) {
    if (style != newStyle) {
        style = newStyle;
        update();
    }
}

QRectF BhavaChartView::chartSquare() const {
    const qreal side = std::min(width(), height()) - 2.0;
    return {(width() - side) / 2, (height() - side) / 2, side, side};
}

std::array<QRectF, kChartHouses> BhavaChartView::houseAreas() const {
    return varga ? VargaChartHouseAreas(chartSquare(), *varga, style)
                 : BhavaChartHouseAreas(chartSquare(), houses, style);
}

QSize BhavaChartView::sizeHint() const {
    return {kPreferredSide, kPreferredSide};
}

QSize BhavaChartView::minimumSizeHint() const {
    return {kSmallestSide, kSmallestSide};
}

void BhavaChartView::paintEvent(QPaintEvent* /*event*/) {
    if (!hasReading) {
        return;
    }
    QPainter painter(this);
    if (varga) {
        PaintVargaChart(painter, chartSquare(), *varga, planets, style);
    } else {
        PaintBhavaChart(painter, chartSquare(), houses, planets, style);
    }
}
