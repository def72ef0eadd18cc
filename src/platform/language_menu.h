#pragma once

#include "translation/language.h"

#include <array>

class App;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The Language menu: one checkable entry per language, each written in its
// own script whatever the language of the windows.
struct LanguageMenu {
    QMenu* mnuLanguage = nullptr;
    QAction* mnuLanguageEnglish = nullptr;
    QAction* mnuLanguageHindi = nullptr;
    QAction* mnuLanguageTamil = nullptr;

    // Ticks the entry of the language in use.
    void check(Language language) const;
    // The menu's caption in the language in use.
    void retranslate() const;
};

// Appends the Language menu to the window's menu bar; choosing an entry asks
// the application for that language.
LanguageMenu AddLanguageMenu(QMenuBar& bar, QWidget& window, App& app);
