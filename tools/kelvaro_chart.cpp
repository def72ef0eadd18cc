// kelvaro-chart: the reading of a birth, or of many, on the command line.

#include "tools/chart_cli.h"

#include <QCoreApplication>

#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvaro-chart"));
    std::ios::sync_with_stdio(false);
    return runChart(QCoreApplication::arguments(), std::cin, std::cout, std::cerr);
}
