#include "chart_test_support.h"
#include "tools/birth_input.h"
#include "tools/chart/batch.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

TEST(RunBatch, OneObjectALineInInputOrder) {
    const ChartRun r = run(args({"--batch"}), kDelhiLine + "\n" + kNewYorkLine + "\n");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2U);
    EXPECT_EQ(out[0], readingOf(*readBatchLine(kDelhiLine).birth));
    EXPECT_EQ(out[1], readingOf(*readBatchLine(kNewYorkLine).birth));
    const QJsonObject second = QJsonDocument::fromJson(QByteArray::fromStdString(out[1])).object();
    EXPECT_EQ(second["AscendantText"].toString(), QStringLiteral("14° 25' 41\" Gem"));
}

TEST(RunBatch, ALineMayGiveTheZonesDirection) {
    const std::string behind =
        kDelhiLine.substr(0, kDelhiLine.size() - 1) + R"(,"ZoneAhead":false})";
    const std::string wrong = kDelhiLine.substr(0, kDelhiLine.size() - 1) + R"(,"ZoneAhead":1})";
    const ChartRun r = run(args({"--batch"}), behind + "\n" + wrong + "\n");
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 2U);
    const QJsonObject reading = QJsonDocument::fromJson(QByteArray::fromStdString(out[0])).object();
    EXPECT_EQ(reading["UtcOffset"].toString(), QStringLiteral("-05:30"));
    EXPECT_FALSE(reading["Birth"].toObject()["ZoneAhead"].toBool(true));
    EXPECT_EQ(out[1], R"({"line":2,"error":"ZoneAhead must be true or false"})");
}

TEST(RunBatch, ABadLineGivesAnErrorInItsPlaceAndTheBatchGoesOn) {
    const std::string input = kDelhiLine + "\n" + "{\"Month\": 1}\n" + "\n" + kNewYorkLine;
    const ChartRun r = run(args({"--batch"}), input); // the last line has no line end
    EXPECT_EQ(r.status, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 4U);
    EXPECT_EQ(out[1], R"({"line":2,"error":"Day is missing"})");
    EXPECT_EQ(out[2], R"({"line":3,"error":"the line is empty"})");
    EXPECT_EQ(out[3], readingOf(*readBatchLine(kNewYorkLine).birth));
}

TEST(RunBatch, ManyLinesKeepTheirOrderAcrossProcessorsAndBlocks) {
    // More lines than one block holds, so that the work is shared out in
    // several blocks; every seventh line is bad.
    const std::string delhi = readingOf(*readBatchLine(kDelhiLine).birth);
    const std::string newYork = readingOf(*readBatchLine(kNewYorkLine).birth);
    std::string input;
    constexpr int kLines = kBatchFlushLines + 100;
    for (int n = 1; n <= kLines; ++n) {
        input += n % 7 == 0 ? "[]" : n % 2 == 0 ? kDelhiLine : kNewYorkLine;
        input += '\n';
    }
    const ChartRun r = run(args({"--batch"}), input);
    EXPECT_EQ(r.status, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), static_cast<std::size_t>(kLines));
    for (int n = 1; n <= kLines; ++n) {
        const std::string& line = out[static_cast<std::size_t>(n - 1)];
        if (n % 7 == 0) {
            ASSERT_EQ(line, R"({"line":)" + std::to_string(n) +
                                R"(,"error":"the line is not a JSON object"})");
        } else {
            ASSERT_EQ(line, n % 2 == 0 ? delhi : newYork) << "line " << n;
        }
    }
}

TEST(RunBatch, AnOverlongLineIsAnErrorOfItsOwnAndNotHeld) {
    // A run of zeros before 12 must not be cut into another month.
    const std::string longLine = R"({"Month":)" + std::string(kMaxBatchLineBytes, '0') + "12}";
    const ChartRun r = run(args({"--batch"}), kDelhiLine + "\n" + longLine + "\n" + kDelhiLine);
    EXPECT_EQ(r.status, 1);
    const auto out = lines(r.out);
    ASSERT_EQ(out.size(), 3U);
    EXPECT_EQ(out[1], R"({"line":2,"error":"the line is longer than 65536 bytes"})");
    EXPECT_EQ(out[2], out[0]);
}

TEST(RunBatch, TheLimitCountsALineWithoutItsEnd) {
    // The Delhi line padded with blanks to a length.
    const auto padded = [](std::size_t length) {
        return kDelhiLine + std::string(length - kDelhiLine.size(), ' ');
    };
    const std::string reading = readingOf(*readBatchLine(kDelhiLine).birth);
    const std::string tooLong = R"({"line":1,"error":"the line is longer than 65536 bytes"})";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {padded(kMaxBatchLineBytes) + "\n", reading},
        {padded(kMaxBatchLineBytes) + "\r\n", reading},
        {padded(kMaxBatchLineBytes) + "\r", reading}, // the input's last line
        {padded(kMaxBatchLineBytes + 1) + "\n", tooLong},
        {padded(kMaxBatchLineBytes + 1) + "\r\n", tooLong},
        {padded(kMaxBatchLineBytes) + "\r\r\n", tooLong},
    };
    for (const auto& [input, answer] : cases) {
        const ChartRun r = run(args({"--batch"}), input);
        EXPECT_EQ(lines(r.out), std::vector<std::string>{answer}) << input.size();
    }
}

TEST(RunBatch, AnInputThatCannotBeReadIsStatus1) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    std::FILE* folder = std::fopen(dir.path().toLocal8Bit().constData(), "r");
    ASSERT_NE(folder, nullptr);
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runBatch(folder, out, err), 1);
    std::fclose(folder);
    EXPECT_NE(err.str().find("cannot read the births"), std::string::npos) << err.str();
}

TEST(RunBatch, ALineIsAnsweredWhileTheWriterWaits) {
    // A program that writes a line and waits for its answer before it writes
    // the next, the input left open.
    QProcess batch;
    batch.start(QStringLiteral(KELVARO_CHART_PATH), {QStringLiteral("--batch")});
    ASSERT_TRUE(batch.waitForStarted());
    const std::vector<std::pair<std::string, std::string>> exchanges = {
        {kDelhiLine, readingOf(*readBatchLine(kDelhiLine).birth)},
        {"[]", R"({"line":2,"error":"the line is not a JSON object"})"},
    };
    for (const auto& [line, answer] : exchanges) {
        batch.write(QByteArray::fromStdString(line + "\n"));
        while (!batch.canReadLine()) {
            ASSERT_TRUE(batch.waitForReadyRead(30000)) << "no answer to " << line;
        }
        EXPECT_EQ(batch.readLine().trimmed().toStdString(), answer);
    }
    batch.closeWriteChannel();
    ASSERT_TRUE(batch.waitForFinished(30000));
    EXPECT_EQ(batch.exitCode(), 1);
}

TEST(RunBatch, EmptyInput) {
    const ChartRun r = run(args({"--batch"}), "");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "");
}

} // namespace
