// kelvaro-chart: the reading of a birth, or of many, on the command line.

#include "tools/chart_cli.h"

#include <QCoreApplication>

#include <cstdio>
#include <iostream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("kelvaro-chart"));
    std::ios::sync_with_stdio(false);
    return runChart(QCoreApplication::arguments(), stdin, std::cout, std::cerr);
}
