// Starts Kelvaro as its main does, with the production services, and quits
// after frmMain's first paint.
//
//   startup_kelvaro SETTINGS_FILE [LOCALE]
//
// LOCALE ("hi_IN", "ta_IN") stands for the system's locale, so the run loads
// that language's catalogue as a start under that locale does.
// The settings store is the given INI file instead of the user's own, so a run
// never touches the user's settings; when the file is absent the run is a
// first start, which stores the reminder date and asks nothing. The lock lives
// in the folder of the program's own lock under a name of its own, so a run
// pays what a real start pays for it without meeting a running copy.
#include "entry/frm_main.h"
#include "first_paint.h"
#include "shell/application.h"
#include "shell/qt_services.h"

#include <QApplication>
#include <QFileInfo>
#include <QLocale>
#include <QStringList>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    Application::configureQtApplication();

    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() != 2 && arguments.size() != 3) {
        return 2;
    }
    const QLocale locale = arguments.size() == 3 ? QLocale(arguments.at(2)) : QLocale::system();
    const QString lockFolder = QFileInfo(LockFileInstanceGuard::defaultLockPath()).path();
    ProductionServices production(
        ServiceFiles{arguments.at(1), lockFolder + QStringLiteral("/kelvaro-startup-bench-") +
                                          QString::number(QCoreApplication::applicationPid()) +
                                          QStringLiteral(".lock")});
    Application app(production.services());
    if (!app.start(locale)) {
        return 1;
    }
    const QuitAfterFirstPaint quit(app.frmMain());
    return QApplication::exec();
}
