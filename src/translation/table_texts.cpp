#include "translation/table_texts.h"

#include "translation/translator.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <array>

namespace {

// The signs as the angle texts abbreviate them.
[[maybe_unused]] constexpr std::array<const char*, 12> kSignAbbreviations = {
    QT_TRANSLATE_NOOP("Signs", "Ari"), QT_TRANSLATE_NOOP("Signs", "Tau"),
    QT_TRANSLATE_NOOP("Signs", "Gem"), QT_TRANSLATE_NOOP("Signs", "Can"),
    QT_TRANSLATE_NOOP("Signs", "Leo"), QT_TRANSLATE_NOOP("Signs", "Vir"),
    QT_TRANSLATE_NOOP("Signs", "Lib"), QT_TRANSLATE_NOOP("Signs", "Sco"),
    QT_TRANSLATE_NOOP("Signs", "Sag"), QT_TRANSLATE_NOOP("Signs", "Cap"),
    QT_TRANSLATE_NOOP("Signs", "Aqu"), QT_TRANSLATE_NOOP("Signs", "Pis")};

[[maybe_unused]] const char* const kAscendant = QT_TRANSLATE_NOOP("Planets", "Ascendant");

constexpr qsizetype kAbbreviationLength = 3;

} // namespace

QString PositionText(const QString& angleText) {
    const qsizetype blank = angleText.size() - kAbbreviationLength - 1;
    if (blank < 0 || angleText.at(blank) != QLatin1Char(' ')) {
        return angleText;
    }
    const QString sign = angleText.right(kAbbreviationLength);
    return angleText.left(blank + 1) + TableText("Signs", sign);
}

QString PositionText(const std::string& angleText) {
    return PositionText(QString::fromStdString(angleText));
}

QString PlanetText(const std::string& english) {
    return TableText("Planets", english);
}

QString SignText(const std::string& english) {
    return TableText("Signs", english);
}

QString NakshatraText(const std::string& english) {
    return TableText("Nakshatras", english);
}

QString VargaText(const std::string& english) {
    return TableText("Vargas", english);
}

QString VargaTitleText(const std::string& title) {
    // "D9 Navamsa": the label stays, the name is translated.
    QString english = QString::fromStdString(title);
    const qsizetype blank = english.indexOf(QLatin1Char(' '));
    if (blank < 0) {
        return english;
    }
    return english.left(blank + 1) + VargaText(english.mid(blank + 1).toStdString());
}

const QStringList& MonthNames() {
    static const QStringList names = {QStringLiteral(QT_TRANSLATE_NOOP("Months", "January")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "February")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "March")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "April")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "May")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "June")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "July")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "August")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "September")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "October")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "November")),
                                      QStringLiteral(QT_TRANSLATE_NOOP("Months", "December"))};
    return names;
}

QString MonthText(int month) {
    return QCoreApplication::translate("Months", MonthNames().at(month - 1).toUtf8().constData());
}

QString RetrogradeMark() {
    return QLatin1Char(' ') + QCoreApplication::translate("Planets", "(R)");
}

QString WarningText(const std::string& english) {
    return TableText("Warnings", english);
}
