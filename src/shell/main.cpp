#include "shell/application.h"
#include "shell/qt_services.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    Application::configureQtApplication();

    ProductionServices production;
    Application app(production.services());
    if (!app.start()) {
        return 0;
    }
    return QApplication::exec();
}
