// kelvaro-chart: the reading of a birth, or of many, on the command line.

#include "tools/chart/chart.h"
#include "tools/chart/options.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QtGlobal>

#include <iostream>

namespace {

// Qt's own lines (a runtime folder it makes for itself, a file it could not
// open for a name given as an argument) are not the tool's to say: its
// problems are its own lines on standard error.
void dropQtMessages(QtMsgType /*type*/, const QMessageLogContext& /*context*/,
                    const QString& /*message*/) {}

int run() {
    QCoreApplication::setApplicationName(QStringLiteral("kelvaro-chart"));
    std::ios::sync_with_stdio(false);
    return runChart(QCoreApplication::arguments(), stdin, std::cout, std::cerr);
}

} // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(dropQtMessages);
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (chartArgumentsDraw(arguments)) {
        // PDFs and pictures are drawn with Qt's GUI module, and nothing is
        // shown on a screen: the offscreen platform draws them whatever
        // display, or none, the environment names.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return run();
    }
    QCoreApplication app(argc, argv);
    return run();
}
