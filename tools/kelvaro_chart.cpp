// kelvaro-chart: the reading of a birth, or of many, on the command line.

#include "tools/chart/chart.h"
#include "tools/chart/options.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

int run() {
    QCoreApplication::setApplicationName(QStringLiteral("kelvaro-chart"));
    std::ios::sync_with_stdio(false);
    return runChart(QCoreApplication::arguments(), stdin, std::cout, std::cerr);
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    if (chartArgumentsDraw(arguments)) {
        // PDFs and pictures are drawn with Qt's GUI module, whose application
        // aborts without a display: without one it draws offscreen.
        if (std::getenv("QT_QPA_PLATFORM") == nullptr && std::getenv("DISPLAY") == nullptr &&
            std::getenv("WAYLAND_DISPLAY") == nullptr) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
        }
        QGuiApplication app(argc, argv);
        return run();
    }
    QCoreApplication app(argc, argv);
    return run();
}
