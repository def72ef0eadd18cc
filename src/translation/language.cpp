#include "translation/language.h"

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<Language, const char*>, 3> kCodes{{
    {Language::English, "en"},
    {Language::Hindi, "hi"},
    {Language::Tamil, "ta"},
}};

} // namespace

Language LanguageForLocale(const QLocale& locale) {
    switch (locale.language()) {
    case QLocale::Hindi:
        return Language::Hindi;
    case QLocale::Tamil:
        return Language::Tamil;
    default:
        return Language::English;
    }
}

QString LanguageCode(Language language) {
    for (const auto& [known, code] : kCodes) {
        if (known == language) {
            return QLatin1String(code);
        }
    }
    return QStringLiteral("en");
}

std::optional<Language> LanguageFromCode(const QString& code) {
    for (const auto& [known, name] : kCodes) {
        if (code == QLatin1String(name)) {
            return known;
        }
    }
    return std::nullopt;
}

QLocale LocaleOf(Language language) {
    switch (language) {
    case Language::Hindi:
        return QLocale(QLocale::Hindi, QLocale::India);
    case Language::Tamil:
        return QLocale(QLocale::Tamil, QLocale::India);
    case Language::English:
        break;
    }
    return QLocale(QLocale::English, QLocale::UnitedStates);
}
