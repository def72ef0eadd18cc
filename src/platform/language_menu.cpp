#include "platform/language_menu.h"

#include "platform/app.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

struct Entry {
    Language language;
    const char* objectName;
    const char16_t* caption; // the language's own name, never translated
};

constexpr std::array<Entry, 3> kEntries{{
    {Language::English, "mnuLanguageEnglish", u"English"},
    {Language::Hindi, "mnuLanguageHindi", u"हिन्दी"},
    {Language::Tamil, "mnuLanguageTamil", u"தமிழ்"},
}};

} // namespace

void LanguageMenu::check(Language language) const {
    const std::array<QAction*, 3> actions{mnuLanguageEnglish, mnuLanguageHindi, mnuLanguageTamil};
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        actions.at(i)->setChecked(kEntries.at(i).language == language);
    }
}

void LanguageMenu::retranslate() const {
    mnuLanguage->setTitle(QCoreApplication::translate("LanguageMenu", "&Language"));
}

LanguageMenu AddLanguageMenu(QMenuBar& bar, QWidget& window, App& app) {
    LanguageMenu menu;
    menu.mnuLanguage = new QMenu(&bar);
    menu.mnuLanguage->setObjectName(QStringLiteral("mnuLanguage"));
    menu.retranslate();
    bar.addMenu(menu.mnuLanguage);
    auto* group = new QActionGroup(menu.mnuLanguage);
    group->setExclusive(true);
    std::array<QAction**, 3> members{&menu.mnuLanguageEnglish, &menu.mnuLanguageHindi,
                                     &menu.mnuLanguageTamil};
    for (std::size_t i = 0; i < kEntries.size(); ++i) {
        const Entry& entry = kEntries.at(i);
        auto* action = new QAction(QString::fromUtf16(entry.caption), group);
        action->setObjectName(QLatin1String(entry.objectName));
        action->setCheckable(true);
        menu.mnuLanguage->addAction(action);
        const Language language = entry.language;
        QObject::connect(action, &QAction::triggered, &window,
                         [&app, language] { app.setLanguage(language); });
        *members.at(i) = action;
    }
    menu.check(app.language());
    return menu;
}
