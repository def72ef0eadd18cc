#include "platform/wrapping_button.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

QSize WrappingButton::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    const int lineWidth =
        std::min(metrics.horizontalAdvance(shownText()), metrics.averageCharWidth() * 20);
    const int width = std::max(lineWidth, widestWord()) + 2 * margin();
    return {width, heightForWidth(width)};
}

QSize WrappingButton::minimumSizeHint() const {
    return {widestWord() + 2 * margin(), fontMetrics().height() + 2 * margin()};
}

int WrappingButton::heightForWidth(int width) const {
    const QRect bounds(0, 0, std::max(1, width - 2 * margin()), 10000);
    const int textHeight =
        fontMetrics().boundingRect(bounds, Qt::TextWordWrap, shownText()).height();
    return textHeight + 2 * margin();
}

void WrappingButton::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect textArea = rect().adjusted(margin(), margin(), -margin(), -margin());
    style()->drawItemText(&painter, textArea,
                          Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                          isEnabled(), text(), QPalette::ButtonText);
}

int WrappingButton::margin() const {
    return style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
           2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
}

QString WrappingButton::shownText() const {
    return QString(text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

int WrappingButton::widestWord() const {
    int widest = 0;
    const QFontMetrics metrics = fontMetrics();
    for (const QString& word : shownText().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        widest = std::max(widest, metrics.horizontalAdvance(word));
    }
    return widest;
}
