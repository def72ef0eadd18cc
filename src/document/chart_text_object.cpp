#include "document/chart_text_object.h"

#include "document/chart_picture.h"

#include <QPainter>
#include <QTextDocument>

ChartTextObject::ChartTextObject(const ReadingDocument& reading, qreal side)
    : reading(reading), side(side) {}

QSizeF ChartTextObject::intrinsicSize(QTextDocument* /*doc*/, int /*posInDocument*/,
                                      const QTextFormat& /*format*/) {
    return {side, side};
}

void ChartTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc,
                                 int /*posInDocument*/, const QTextFormat& format) {
    painter->save();
    painter->setFont(doc->defaultFont());
    const PlanetsReading& planets = PlanetsOf(reading.reading.planets);
    if (format.hasProperty(kVargaProperty)) {
        const auto index = static_cast<std::size_t>(format.intProperty(kVargaProperty));
        PaintVargaChart(*painter, rect, VargaFigureOf(reading.reading, index), planets,
                        reading.style);
    } else {
        PaintBhavaChart(*painter, rect, reading.reading.houses, planets, reading.style);
    }
    painter->restore();
}
