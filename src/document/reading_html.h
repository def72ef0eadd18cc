#pragma once

// What the pages of the printed reading share as they write their HTML: the
// escaping, a caption row, the table style and the captions in the language
// in use.

#include "reading/reading.h"
#include "reading/reading_rows.h"

#include <QCoreApplication>
#include <QString>

#include <string>

// The printed reading's captions: ReadingText::tr("Houses").
struct ReadingText {
    Q_DECLARE_TR_FUNCTIONS(ReadingDocument)
};

inline QString esc(const QString& text) {
    return text.toHtmlEscaped();
}

inline QString esc(const std::string& text) {
    return QString::fromStdString(text).toHtmlEscaped();
}

// A caption in bold and its value.
inline QString row(const QString& caption, const QString& value) {
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(esc(caption), esc(value));
}

inline constexpr const char* kTableStyle = "border-collapse: collapse; border-color: #999999";
// Angle texts stay on one line.
inline constexpr const char* kNoWrap = "style=\"white-space: nowrap\"";

// Page two: the Rasi and Navamsa charts side by side (at the anchors
// "kelvaro-chart", whose pictures the caller places), then each body's
// nakshatra with its pada, its lord and its signs in both charts.
QString VargaPageHtml(const Reading& reading);

// The Maha dashas, each with its nine Antar dashas three to a row, and how
// the dates follow the birth time.
QString DashaPageHtml(const DashaTable& dasha);
