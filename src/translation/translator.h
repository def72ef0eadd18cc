#pragma once

#include "translation/language.h"

#include <QString>

#include <memory>
#include <string>

class QTranslator;

// The catalogue of one language installed in the application. Windows and
// documents then find their texts through tr() and QCoreApplication::translate;
// the libraries below them keep returning English, which the fronts translate
// with TableText.
class LanguageSwitch {
public:
    LanguageSwitch();
    ~LanguageSwitch();
    LanguageSwitch(const LanguageSwitch&) = delete;
    LanguageSwitch& operator=(const LanguageSwitch&) = delete;

    // Installs the language's catalogue in place of the one before (English
    // removes it); Qt then sends every widget a LanguageChange event. False,
    // and English, when the catalogue cannot be loaded.
    bool use(Language next);
    Language current() const { return language; }

private:
    std::unique_ptr<QTranslator> translator;
    Language language = Language::English;
};

// The language whose catalogue the application has installed: the one the
// printed reading and the pictures are written in.
Language InstalledLanguage();

// The path of a language's compiled catalogue among the program's resources.
QString CatalogueResource(Language language);

// A table's English text (a sign, a planet, a zone, a house's interpretation)
// in the installed language, found by the table's context; the text itself
// when no catalogue holds it.
QString TableText(const char* context, const QString& english);
QString TableText(const char* context, const std::string& english);
