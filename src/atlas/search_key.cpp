#include "atlas/search_key.h"

namespace {

// Latin letters that Unicode does not decompose into a base letter and a
// mark, and their plain spelling.
const char* spelledOut(char16_t c) {
    switch (c) {
    case u'ß':
        return "ss";
    case u'ẞ':
        return "SS";
    case u'Æ':
        return "AE";
    case u'æ':
        return "ae";
    case u'Œ':
        return "OE";
    case u'œ':
        return "oe";
    case u'Ø':
        return "O";
    case u'ø':
        return "o";
    case u'Ł':
        return "L";
    case u'ł':
        return "l";
    case u'Đ':
    case u'Ð':
        return "D";
    case u'đ':
    case u'ð':
        return "d";
    case u'Þ':
        return "TH";
    case u'þ':
        return "th";
    case u'Ħ':
        return "H";
    case u'ħ':
        return "h";
    case u'ı':
        return "i";
    default:
        return nullptr;
    }
}

bool isApostrophe(char16_t c) {
    return c == u'\'' || c == u'`' || c == u'\u2018' || c == u'\u2019' || c == u'\u02BB' ||
           c == u'\u02BC' || c == u'\u00B4';
}

bool isAscii(QStringView text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            return false;
        }
    }
    return true;
}

// The text decomposed, without its combining marks, with the undecomposable
// letters spelt out.
QString withoutAccents(QStringView text) {
    if (isAscii(text)) {
        return text.toString();
    }
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() == QChar::Mark_NonSpacing || c.category() == QChar::Mark_Enclosing ||
            c.category() == QChar::Mark_SpacingCombining) {
            continue;
        }
        if (const char* spelling = spelledOut(c.unicode())) {
            out += QLatin1String(spelling);
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QString SearchKey(QStringView text) {
    const QString plain = withoutAccents(text).toCaseFolded();
    QString key;
    key.reserve(plain.size());
    bool blankPending = false;
    for (const QChar c : plain) {
        if (isApostrophe(c.unicode())) {
            continue;
        }
        // Halves of a character beyond the first plane are kept: they are
        // letters of some script far more often than punctuation.
        if (c.isLetterOrNumber() || c.isSurrogate()) {
            if (blankPending && !key.isEmpty()) {
                key += QLatin1Char(' ');
            }
            blankPending = false;
            key += c;
        } else {
            blankPending = true;
        }
    }
    return key;
}

QString AsciiText(QStringView text) {
    const QString plain = withoutAccents(text);
    QString out;
    out.reserve(plain.size());
    for (const QChar c : plain) {
        if (c.unicode() < 0x80) {
            out += c;
        }
    }
    return out;
}
