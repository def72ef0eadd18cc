#include "shell/application.h"
#include "shell/qt_services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QApplication::setOrganizationName(QStringLiteral("Kelvaro"));
    // The program ends only through CloseAllAndEnd (from the referral window).
    QApplication::setQuitOnLastWindowClosed(false);

    QtDialogs dialogs;
    DesktopBrowser browser;
    BrowserWebSearch webSearch(browser);
    SystemClock clock;
    SeededRandom random;
    QtSettingsStore settings;
    LockFileInstanceGuard instance;
    Application app(Services{dialogs, browser, webSearch, clock, random, settings, instance});

    if (!app.start()) {
        return 0;
    }
    return QApplication::exec();
}
