#include "translation/reading_texts.h"

#include "translation/table_texts.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// A text marked below with its context, in the language in use.
QString translated(const char* text) {
    return QCoreApplication::translate("ReadingTexts", text);
}

// "9 hours", "1 hour", or any number when the Moon never leaves its
// nakshatra within the search.
QString hoursText(double hours) {
    if (!std::isfinite(hours)) {
        return translated(QT_TRANSLATE_NOOP("ReadingTexts", "any number of hours"));
    }
    const long rounded = std::lround(hours);
    return (rounded == 1 ? translated(QT_TRANSLATE_NOOP("ReadingTexts", "%1 hour"))
                         : translated(QT_TRANSLATE_NOOP("ReadingTexts", "%1 hours")))
        .arg(rounded);
}

} // namespace

QString ClockEdgeText(const ClockEdge& edge) {
    QString clock = QStringLiteral("%1:%2")
                        .arg(edge.hour, 2, 10, QLatin1Char('0'))
                        .arg(edge.minute, 2, 10, QLatin1Char('0'));
    if (edge.date) {
        clock = translated(QT_TRANSLATE_NOOP("ReadingTexts", "%1 on %2 %3 %4"))
                    .arg(clock, QString::number(edge.date->Day), MonthText(edge.date->Month),
                         QString::number(edge.date->Year));
    }
    if (edge.beyond) {
        clock = (edge.direction < 0 ? translated(QT_TRANSLATE_NOOP("ReadingTexts", "before %1"))
                                    : translated(QT_TRANSLATE_NOOP("ReadingTexts", "after %1")))
                    .arg(clock);
    }
    return clock;
}

QString WindowText(const VargaRow& row) {
    return translated(QT_TRANSLATE_NOOP("ReadingTexts", "%1 holds from %2 to %3"))
        .arg(QString::fromStdString(row.label), ClockEdgeText(row.fromEdge),
             ClockEdgeText(row.toEdge));
}

QString DashaSensitivityText(const DashaTable& table) {
    // Each part is put in whole: a part may hold a placeholder's mark.
    const QString pattern = translated(QT_TRANSLATE_NOOP(
        "ReadingTexts", "Each minute later moves these dates %1 days %2 (while the Moon "
                        "stays in %3: from %4 earlier to %5 later)"));
    return pattern.arg(QString::fromStdString(table.daysPerMinuteText),
                       table.datesMoveEarlier
                           ? translated(QT_TRANSLATE_NOOP("ReadingTexts", "earlier"))
                           : translated(QT_TRANSLATE_NOOP("ReadingTexts", "later")),
                       NakshatraText(table.moonNakshatra), hoursText(table.hoursEarlier),
                       hoursText(table.hoursLater));
}
