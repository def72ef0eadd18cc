#pragma once

// kelvaro-chart's options, each with its help and an example, and the reading
// of the arguments into one request. An option is added in options.cpp: a
// member of ChartOptions and its place in addTo(), and where the request is
// filled in, its value read and its conflicts with the others checked.

#include "tools/chart/request.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What the arguments ask for, or one plain line that says what is wrong.
struct ParsedArguments {
    std::optional<ChartRequest> request;
    QString error;
};

// arguments[0] is the program's name, as in QCoreApplication::arguments().
// The paper of a PDF is the one of the system's locale unless --paper names it.
ParsedArguments parseChartArguments(const QStringList& arguments);

// Whether the arguments ask for a PDF or a picture, which are drawn with Qt's
// GUI module: looked at before the application object is created, so that a
// plain reading keeps to QCoreApplication.
bool chartArgumentsDraw(const QStringList& arguments);

// Every option, in the order the help lists them.
void addChartOptions(QCommandLineParser& parser);
