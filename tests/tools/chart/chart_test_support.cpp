#include "chart_test_support.h"

#include "engine/mod_bhava.h"
#include "planets/mod_planets.h"
#include "reading/reading.h"
#include "tools/chart/chart.h"
#include "tools/reading_json.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

QStringList args(std::initializer_list<const char*> list) {
    QStringList result{QStringLiteral("kelvaro-chart")};
    for (const char* a : list) {
        result << QString::fromUtf8(a);
    }
    return result;
}

const std::initializer_list<const char*> kDelhi2000 = {
    "--date", "2000-01-01",  "--time", "12:00",      "--zone",
    "5:30",   "--longitude", "77E12",  "--latitude", "28N36"};

QStringList delhiWith(std::initializer_list<const char*> more) {
    QStringList result = args(kDelhi2000);
    for (const char* a : more) {
        result << QString::fromUtf8(a);
    }
    return result;
}

ChartRun run(const QStringList& arguments, const std::string& input) {
    std::FILE* in = std::tmpfile();
    EXPECT_NE(in, nullptr);
    std::fwrite(input.data(), 1, input.size(), in);
    std::rewind(in);
    std::ostringstream out;
    std::ostringstream err;
    const int status = runChart(arguments, in, out, err);
    std::fclose(in);
    return {status, out.str(), err.str()};
}

std::string readingOf(const BirthRecord& birth) {
    return readingJson(MakeReading(birth));
}

std::string readingPart(const std::string& out) {
    return out.substr(0, out.find(R"("UtcOffset")"));
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        result.push_back(line);
    }
    return result;
}

const std::string kDelhiLine =
    R"({"Month":1,"Day":1,"Year":2000,"Hour":12,"Minute":0,"ZoneHour":5,"ZoneMinute":30,)"
    R"("LonD":77,"LonM":12,"LonEast":true,"LatD":28,"LatM":36,"LatSouth":false,"DST":false})";
const std::string kNewYorkLine =
    R"({"Month":6,"Day":15,"Year":1985,"Hour":6,"Minute":30,"ZoneHour":5,"ZoneMinute":0,)"
    R"("LonD":74,"LonM":0,"LonEast":false,"LatD":40,"LatM":43,"LatSouth":false,"DST":true})";

QByteArray stored(const std::string& text) {
    QByteArray bytes;
    for (const char c : text) {
        bytes.append(static_cast<char>(static_cast<unsigned char>(c) + 85));
    }
    return bytes;
}

const FileLines kDelhiFile = {"Asha", "1",     "1",     "2000",      "12",    "0",
                              "5",    "30",    "77",    "12",        "28",    "36",
                              "True", "False", "False", "New Delhi", "Delhi", "India"};
const FileLines kNewYorkFile = {"Ben",   "6",     "15",   "1985",     "6",  "30",
                                "5",     "0",     "74",   "0",        "40", "43",
                                "False", "False", "True", "New York", "",   "USA"};

QByteArray fileBytes(const FileLines& lines) {
    QByteArray bytes;
    for (const std::string& line : lines) {
        bytes += stored(line) + "\r\n";
    }
    return bytes;
}

QByteArray delhiFileWith(std::initializer_list<std::pair<int, std::string>> changes) {
    FileLines lines = kDelhiFile;
    for (const auto& [line, text] : changes) {
        lines.at(static_cast<std::size_t>(line - 1)) = text;
    }
    return fileBytes(lines);
}

QString put(const QTemporaryDir& dir, const char* name, const QByteArray& bytes) {
    QString path = dir.filePath(QString::fromUtf8(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name;
    return path;
}

Process runProgram(const QStringList& arguments, const QByteArray& input,
                   const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVARO_CHART_PATH), arguments);
    EXPECT_TRUE(process.waitForStarted());
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished());
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Process runWithoutDisplay(const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(QString::fromLatin1(name));
    }
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVARO_CHART_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QSize pngSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray head = file.read(24);
    if (head.size() < 24 || !head.startsWith("\x89PNG\r\n\x1a\n")) {
        return {};
    }
    const auto word = [&](int at) {
        int value = 0;
        for (int i = 0; i < 4; ++i) {
            value = value * 256 + static_cast<unsigned char>(head.at(at + i));
        }
        return value;
    };
    return {word(16), word(20)};
}
