#pragma once

#include <QString>

class App;
class QAction;
class QMenu;
class QMenuBar;
class QWidget;

// The captions of the Help menu and the Donate entry, each window's own: the
// two windows spell the update entry differently on purpose.
struct SharedMenuCaptions {
    QString help = QStringLiteral("&Help");
    QString online = QStringLiteral("&Online Help");
    QString visit = QStringLiteral("&Visit Us Online");
    QString update;
    QString about = QStringLiteral("&About Software");
    QString donate = QStringLiteral("&Donate");
};

// The entries the builder made, by the names the windows know them by.
struct SharedMenus {
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

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
