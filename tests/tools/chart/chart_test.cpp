#include "chart_test_support.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(KelvaroChart, EndToEnd) {
    QStringList single = args(kDelhi2000);
    single.removeFirst();
    single << QStringLiteral("--json");
    const Process json = runProgram(single);
    EXPECT_EQ(json.status, 0);
    const QJsonObject object = QJsonDocument::fromJson(json.out).object();
    EXPECT_EQ(object["JulianDayValue"].toInteger(), 2451545);
    EXPECT_EQ(object["MidheavenText"].toString(), QStringLiteral("10° 40' 32\" Sag"));

    const Process batch = runProgram(
        {QStringLiteral("--batch")},
        QByteArray::fromStdString(kDelhiLine + "\r\n" + "[]\r\n" + kNewYorkLine + "\r\n"));
    EXPECT_EQ(batch.status, 1);
    const QList<QByteArray> out = batch.out.split('\n');
    ASSERT_EQ(out.size(), 4); // three lines and the empty rest after the last line end
    EXPECT_EQ(out[1], QByteArray(R"({"line":2,"error":"the line is not a JSON object"})"));
    EXPECT_EQ(QJsonDocument::fromJson(out[2]).object()["JulianDayValue"].toInteger(), 2446232);

    EXPECT_EQ(object["Planets"].toArray()[0].toObject()["LongitudeText"].toString(),
              QStringLiteral("16° 16' 52\" Sag"));

    // Swiss Ephemeris reads SE_EPHE_PATH before the folder it is handed.
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("SE_EPHE_PATH"), empty.path());
    const Process noFiles = runProgram(single, {}, environment);
    EXPECT_EQ(noFiles.status, 1);
    EXPECT_TRUE(QJsonDocument::fromJson(noFiles.out).object()["Planets"].isNull());
    EXPECT_TRUE(noFiles.err.contains("which were not found in " + empty.path().toUtf8()));

    const Process wrong = runProgram({QStringLiteral("--date"), QStringLiteral("2000-01-01")});
    EXPECT_EQ(wrong.status, 2);
    EXPECT_TRUE(wrong.out.isEmpty());
    EXPECT_TRUE(wrong.err.startsWith("kelvaro-chart: --time is missing"));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString saved = put(dir, "saved.kvr", fileBytes(kDelhiFile));
    const Process file = runProgram({QStringLiteral("--json"), saved});
    EXPECT_EQ(file.status, 0);
    EXPECT_EQ(readingPart(file.out.toStdString()), readingPart(json.out.toStdString()));

    const Process fileAndDate =
        runProgram({saved, QStringLiteral("--date"), QStringLiteral("2000-01-01")});
    EXPECT_EQ(fileAndDate.status, 2);
    EXPECT_TRUE(fileAndDate.out.isEmpty());
    EXPECT_TRUE(fileAndDate.err.startsWith("kelvaro-chart: the reading file '" + saved.toUtf8() +
                                           "' holds the birth and takes no --date\n"));
}

} // namespace
