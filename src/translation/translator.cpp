#include "translation/translator.h"

#include <QCoreApplication>
#include <QTranslator>

namespace {

Language installed = Language::English;

} // namespace

LanguageSwitch::LanguageSwitch() = default;

LanguageSwitch::~LanguageSwitch() {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        installed = Language::English;
    }
}

Language InstalledLanguage() {
    return installed;
}

bool LanguageSwitch::use(Language next) {
    if (translator) {
        QCoreApplication::removeTranslator(translator.get());
        translator.reset();
    }
    language = Language::English;
    installed = Language::English;
    if (next == Language::English) {
        return true;
    }
    auto loaded = std::make_unique<QTranslator>();
    if (!loaded->load(CatalogueResource(next))) {
        return false;
    }
    QCoreApplication::installTranslator(loaded.get());
    translator = std::move(loaded);
    language = next;
    installed = next;
    return true;
}

QString CatalogueResource(Language language) {
    return QStringLiteral(":/i18n/kelvaro_%1.qm").arg(LanguageCode(language));
}

QString TableText(const char* context, const QString& english) {
    if (english.isEmpty()) {
        return english;
    }
    const QByteArray source = english.toUtf8();
    return QCoreApplication::translate(context, source.constData());
}

QString TableText(const char* context, const std::string& english) {
    return TableText(context, QString::fromStdString(english));
}
