#pragma once

#include <QString>
#include <QStringView>

// The form a place name takes for searching, so that what a user types finds
// the name however it is spelt: accents taken off ("Zürich" -> "zurich"),
// letters case-folded, the letters that have no decomposition spelt out
// ("Straße" -> "strasse", "Łódź" -> "lodz"), apostrophes dropped ("Ust'-Kut"
// -> "ust kut") and every other run of punctuation and blanks made one blank,
// none at either end. Letters of other scripts stay as they are, case-folded.
QString SearchKey(QStringView text);

// The text in plain ASCII: accents taken off and the letters without a
// decomposition spelt out as in SearchKey, case kept ("Zürich" -> "Zurich",
// "Łódź" -> "Lodz"); characters with no ASCII form are left out.
QString AsciiText(QStringView text);
