#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

// kelvaro-chart's outputs for the births of tests/golden (the worked examples
// and 300 random births), compared byte for byte with the outputs recorded
// there: the text, the JSON, --batch and the printed reading's text. A change
// meant to alter them records them anew with tests/golden/update.sh.

namespace {

const QString kGolden = QStringLiteral(KELVARO_GOLDEN_DIR);

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// What the program writes on standard output for the arguments, with input
// on standard input.
QByteArray chartOutput(const QStringList& arguments, const QByteArray& input = {}) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(KELVARO_CHART_PATH), arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(120000));
    return process.readAllStandardOutput();
}

QList<QStringList> argumentLines() {
    QList<QStringList> lines;
    for (const QByteArray& line :
         fileBytes(kGolden + QStringLiteral("/arguments.txt")).split('\n')) {
        if (!line.isEmpty()) {
            lines << QString::fromUtf8(line).split(QLatin1Char(' '));
        }
    }
    return lines;
}

// Compares line by line, so that a failure names the first line that differs.
void expectSameLines(const QByteArray& actual, const QByteArray& expected, const char* what) {
    const QList<QByteArray> a = actual.split('\n');
    const QList<QByteArray> e = expected.split('\n');
    for (qsizetype i = 0; i < std::min(a.size(), e.size()); ++i) {
        ASSERT_EQ(a[i].toStdString(), e[i].toStdString()) << what << ", line " << i + 1;
    }
    EXPECT_EQ(a.size(), e.size()) << what;
}

TEST(GoldenOutput, Batch) {
    const QByteArray births = fileBytes(kGolden + QStringLiteral("/births.jsonl"));
    expectSameLines(chartOutput({QStringLiteral("--batch")}, births),
                    fileBytes(kGolden + QStringLiteral("/expected/batch.jsonl")), "--batch");
}

TEST(GoldenOutput, TextAndJson) {
    QByteArray text;
    QByteArray json;
    for (const QStringList& arguments : argumentLines()) {
        text += "=== " + arguments.join(QLatin1Char(' ')).toUtf8() + '\n' + chartOutput(arguments);
        json += chartOutput(QStringList{QStringLiteral("--json")} + arguments);
    }
    expectSameLines(text, fileBytes(kGolden + QStringLiteral("/expected/text.txt")), "text");
    expectSameLines(json, fileBytes(kGolden + QStringLiteral("/expected/json.jsonl")), "JSON");
}

TEST(GoldenOutput, PrintedReadingText) {
    const QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QList<QStringList> lines = argumentLines();
    for (int n = 1; n <= 3; ++n) {
        const QString pdf = folder.filePath(QStringLiteral("%1.pdf").arg(n));
        chartOutput(lines[n - 1] + QStringList{QStringLiteral("--name"),
                                               QStringLiteral("Golden %1").arg(n),
                                               QStringLiteral("--pdf"), pdf});
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        ASSERT_TRUE(pdftotext.waitForFinished(60000));
        expectSameLines(pdftotext.readAllStandardOutput(),
                        fileBytes(kGolden + QStringLiteral("/expected/pdf-%1.txt").arg(n)),
                        "printed reading");
    }
}

} // namespace
