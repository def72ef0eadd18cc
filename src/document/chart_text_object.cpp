#include "document/chart_text_object.h"

#include <QPainter>
#include <QTextDocument>

ChartTextObject::ChartTextObject(const ReadingDocument& reading, qreal side)
    : reading(reading), side(side) {}

QSizeF ChartTextObject::intrinsicSize(QTextDocument* /*doc*/, int /*posInDocument*/,
                                      const QTextFormat& /*format*/) {
    return {side, side};
}

void ChartTextObject::drawObject(QPainter* painter, const QRectF& rect, QTextDocument* doc,
                                 int /*posInDocument*/, const QTextFormat& /*format*/) {
    painter->save();
    painter->setFont(doc->defaultFont());
    PaintBhavaChart(*painter, rect, reading.reading.houses, PlanetsOf(reading.reading.planets),
                    reading.style);
    painter->restore();
}
