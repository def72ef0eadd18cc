#pragma once

#include <QtGlobal>

class App;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The captions of the Help menu and the Donate entry, each window's own: the
// two windows spell the update entry differently on purpose. They are the
// English texts, shown in the language in use.
struct SharedMenuCaptions {
    const char* help = QT_TRANSLATE_NOOP("SharedMenus", "&Help");
    const char* online = QT_TRANSLATE_NOOP("SharedMenus", "&Online Help");
    const char* visit = QT_TRANSLATE_NOOP("SharedMenus", "&Visit Us Online");
    const char* update = "";
    const char* about = QT_TRANSLATE_NOOP("SharedMenus", "&About Software");
    const char* donate = QT_TRANSLATE_NOOP("SharedMenus", "&Donate");
};

// The entries the builder made, by the names the windows know them by.
struct SharedMenus {
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    SharedMenuCaptions captions;

    // Writes the captions in the language in use.
    void retranslate() const;

    // Gives a window's members of the same names these entries.
    template <typename Window> void keepIn(Window& window) const {
        window.mnuHelp = mnuHelp;
        window.mnuOnline = mnuOnline;
        window.mnuVisit = mnuVisit;
        window.mnuUpdate = mnuUpdate;
        window.mnuAbout = mnuAbout;
        window.mnuDonate = mnuDonate;
    }
};

// Appends the Help menu (online help, the maker's home page, a separator, the
// download page, a separator, the about window) and the top-level Donate
// entry to the window's menu bar, each entry wired to what it opens for as
// long as the window lives.
SharedMenus AddSharedMenus(QMenuBar& bar, QWidget& window, App& app,
                           const SharedMenuCaptions& captions);
