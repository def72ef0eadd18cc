#pragma once

// What the tests of kelvaro-chart share: the worked examples as arguments,
// batch lines and reading files, and ways to run the tool in the process and
// as a program.

#include "engine/birth_record.h"

#include <QByteArray>
#include <QProcessEnvironment>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// ------------------------------------------------------------ arguments

// The program's name, then the arguments.
QStringList args(std::initializer_list<const char*> list);

// Worked example 1: 1 January 2000, 12:00, zone 5:30, 77°12' E, 28°36' N.
extern const std::initializer_list<const char*> kDelhi2000;

// The Delhi birth's options and more.
QStringList delhiWith(std::initializer_list<const char*> more);

// ------------------------------------------------------------ runs

struct ChartRun {
    int status;
    std::string out;
    std::string err;
};

// runChart with input on standard input.
ChartRun run(const QStringList& arguments, const std::string& input = {});

// The JSON reading of a birth, planets and all.
std::string readingOf(const BirthRecord& birth);

// A reading's text or JSON without the birth used, which names the person
// and the place.
std::string readingPart(const std::string& out);

std::vector<std::string> lines(const std::string& text);

// ------------------------------------------------------------ batch lines

extern const std::string kDelhiLine;
extern const std::string kNewYorkLine; // worked example 2: New York, West, daylight saving

// ------------------------------------------------------------ reading files

// A text as a reading file stores it, worked out here byte by byte: every
// code of an ASCII text raised by 85.
QByteArray stored(const std::string& text);

using FileLines = std::vector<std::string>;
extern const FileLines kDelhiFile;
extern const FileLines kNewYorkFile;

QByteArray fileBytes(const FileLines& lines);

// The Delhi file with some lines (1..18) changed.
QByteArray delhiFileWith(std::initializer_list<std::pair<int, std::string>> changes);

// Writes bytes to name in dir and returns the path.
QString put(const QTemporaryDir& dir, const char* name, const QByteArray& bytes);

// ------------------------------------------------------------ the program

struct Process {
    int status;
    QByteArray out;
    QByteArray err;
};

Process
runProgram(const QStringList& arguments, const QByteArray& input = {},
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());

// Runs the program as it runs without a display: none of the variables that
// name one is set.
Process runWithoutDisplay(const QStringList& arguments);

// The width and height a PNG file's header gives.
QSize pngSize(const QString& path);
