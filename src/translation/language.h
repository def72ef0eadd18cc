#pragma once

#include <QLocale>
#include <QString>

#include <optional>

// The languages Kelvaro speaks. English is the language of the sources: with
// it no catalogue is loaded and every text stays as written.
enum class Language { English, Hindi, Tamil };

// Hindi for a Hindi locale, Tamil for a Tamil one, English for every other.
Language LanguageForLocale(const QLocale& locale);

// "en", "hi", "ta": the settings value, the catalogue's name and the command
// line's --language value.
QString LanguageCode(Language language);
std::optional<Language> LanguageFromCode(const QString& code);

// The locale that writes dates in the language (Western digits throughout).
QLocale LocaleOf(Language language);
