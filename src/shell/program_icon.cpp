#include "shell/program_icon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPen>

QPixmap ProgramPixmap(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    const qreal s = size;
    const qreal margin = s * 0.06;
    const QRectF tile(margin, margin, s - 2 * margin, s - 2 * margin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC8, 0x55, 0x1B)); // saffron
    painter.drawRoundedRect(tile, s * 0.12, s * 0.12);

    // The chart: a square, its two diagonals and the diamond through the
    // middles of its sides make the twelve houses.
    const qreal inset = s * 0.2;
    const QRectF chart(inset, inset, s - 2 * inset, s - 2 * inset);
    QPen pen(QColor(0xFF, 0xF4, 0xE0));
    pen.setWidthF(qMax(1.0, s / 24.0));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(chart);
    painter.drawLine(chart.topLeft(), chart.bottomRight());
    painter.drawLine(chart.topRight(), chart.bottomLeft());
    const QPointF centre = chart.center();
    QPainterPath diamond;
    diamond.moveTo(centre.x(), chart.top());
    diamond.lineTo(chart.right(), centre.y());
    diamond.lineTo(centre.x(), chart.bottom());
    diamond.lineTo(chart.left(), centre.y());
    diamond.closeSubpath();
    painter.drawPath(diamond);
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 64}) {
        icon.addPixmap(ProgramPixmap(size));
    }
    return icon;
}
