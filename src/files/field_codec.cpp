#include "files/field_codec.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

constexpr int kShift = 85;
constexpr char32_t kNoCharacter = 0xFFFFFFFF;

// The code page's character for each of its 256 codes, and the same pairs
// sorted by character for the way back. Learnt once from Qt's converter; a Qt
// without it gets Latin-1, which differs only in the codes 128..159.
class CodePage {
public:
    CodePage() {
        QStringDecoder decoder("windows-1252");
        for (int code = 0; code < 256; ++code) {
            const char byte = static_cast<char>(code);
            QString text = decoder.isValid() ? decoder.decode(QByteArrayView(&byte, 1))
                                             : QString(QChar(static_cast<char16_t>(code)));
            char32_t ch = kNoCharacter;
            if (text.size() == 1 && text.at(0) != QChar::ReplacementCharacter) {
                ch = text.at(0).unicode();
            }
            charOf[code] = ch;
            byChar[code] = {ch, static_cast<unsigned char>(code)};
        }
        std::sort(byChar.begin(), byChar.end());
    }

    char32_t character(unsigned char code) const { return charOf[code]; }

    std::optional<unsigned char> code(char32_t ch) const {
        const auto it = std::lower_bound(byChar.begin(), byChar.end(),
                                         std::pair<char32_t, unsigned char>{ch, 0});
        if (it == byChar.end() || it->first != ch || ch == kNoCharacter) {
            return std::nullopt;
        }
        return it->second;
    }

private:
    std::array<char32_t, 256> charOf{};
    std::array<std::pair<char32_t, unsigned char>, 256> byChar{};
};

const CodePage& codePage() {
    static const CodePage page;
    return page;
}

// Calls f(character, codePoint) for each character of text; a surrogate pair
// is one character, a lone surrogate one character of its own.
template <typename F> void forEachCharacter(const QString& text, F f) {
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            f(QStringView(text).mid(i, 2), QChar::surrogateToUcs4(c, text.at(i + 1)));
            ++i;
        } else {
            f(QStringView(text).mid(i, 1), static_cast<char32_t>(c.unicode()));
        }
    }
}

} // namespace

QByteArray EncodeField(QByteArrayView codePageText) {
    QByteArray stored;
    stored.reserve(codePageText.size());
    for (const char byte : codePageText) {
        const int code = static_cast<unsigned char>(byte);
        if (code <= kHighestStorableCode) {
            stored.append(static_cast<char>(code + kShift));
        }
    }
    return stored;
}

QByteArray DecodeField(QByteArrayView storedText) {
    QByteArray text;
    text.reserve(storedText.size());
    for (const char byte : storedText) {
        const int code = static_cast<unsigned char>(byte);
        if (code >= kShift) {
            text.append(static_cast<char>(code - kShift));
        }
    }
    return text;
}

QByteArray ToCodePage(const QString& text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    const CodePage& page = codePage();
    forEachCharacter(text, [&](QStringView, char32_t ch) {
        if (const auto code = page.code(ch)) {
            bytes.append(static_cast<char>(*code));
        }
    });
    return bytes;
}

QString FromCodePage(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    const CodePage& page = codePage();
    for (const char byte : bytes) {
        const char32_t ch = page.character(static_cast<unsigned char>(byte));
        if (ch != kNoCharacter) {
            text.append(QChar(static_cast<char16_t>(ch)));
        }
    }
    return text;
}

StoredField StoreField(const QString& text) {
    StoredField field;
    field.bytes.reserve(text.size());
    const CodePage& page = codePage();
    forEachCharacter(text, [&](QStringView character, char32_t ch) {
        const auto code = page.code(ch);
        if (code && *code <= kHighestStorableCode) {
            field.bytes.append(static_cast<char>(*code + kShift));
        } else if (!field.leftOut.contains(character)) {
            field.leftOut.append(character);
        }
    });
    return field;
}

QString LoadField(QByteArrayView stored) {
    return FromCodePage(DecodeField(stored));
}
