#include "chart_test_support.h"
#include "support/pdf_tools.h"
#include "tools/chart/render.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(KelvaroChart, WritesThePrintedReadingAndThePicturesWithoutADisplay) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    const QString svg = dir.filePath(QStringLiteral("chart.svg"));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QStringList options = args(kDelhi2000);
    options.removeFirst();
    options << QStringLiteral("--name") << QStringLiteral("Ram Kumar") << QStringLiteral("--pdf")
            << pdf << QStringLiteral("--svg") << svg << QStringLiteral("--png") << png
            << QStringLiteral("--chart-style") << QStringLiteral("south");
    const Process run = runWithoutDisplay(options);
    EXPECT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());

    EXPECT_GE(pdfInfo(pdf, QStringLiteral("Pages")).toInt(), 2);
    QString text = pdfText(pdf);
    for (const char* expected :
         {"Ram Kumar", "13° 10' 47\" Pis", "27° 45' 45\" Aqu", "The House of Shortcomings"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
    // A name that reads like the chart's placeholder is printed as written,
    // and the chart drawn in its own place.
    options[options.indexOf(QStringLiteral("Ram Kumar"))] = QStringLiteral("@@chart@@");
    ASSERT_EQ(runWithoutDisplay(options).status, 0);
    const QString named = pdfText(pdf);
    EXPECT_TRUE(named.contains(QStringLiteral("@@chart@@")));
    text.replace(QStringLiteral("Ram Kumar"), QStringLiteral("@@chart@@"));
    EXPECT_EQ(named, text);
    EXPECT_EQ(pngSize(png), QSize(1200, 1200));
    QFile picture(svg);
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    EXPECT_TRUE(picture.readAll().contains("<svg"));

    // A saved reading gives the same document, its name included.
    const QString saved = put(dir, "saved.kvr", fileBytes(kDelhiFile));
    const QString fromFile = dir.filePath(QStringLiteral("from file.pdf"));
    const Process file = runWithoutDisplay({saved, QStringLiteral("--pdf"), fromFile,
                                            QStringLiteral("--paper"), QStringLiteral("letter")});
    EXPECT_EQ(file.status, 0) << file.err.toStdString();
    EXPECT_TRUE(pdfText(fromFile).contains(QStringLiteral("Asha")));
    EXPECT_TRUE(
        pdfInfo(fromFile, QStringLiteral("Page size")).endsWith(QStringLiteral("(letter)")));
}

TEST(KelvaroChart, AFileThatCannotBeWrittenIsToldAndLeftOut) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString missing = dir.filePath(QStringLiteral("missing/reading.pdf"));
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QStringList options = args(kDelhi2000);
    options.removeFirst();
    options << QStringLiteral("--pdf") << missing << QStringLiteral("--png") << png;
    const Process run = runWithoutDisplay(options);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("kelvaro-chart: the reading could not be saved to '" +
                                 missing.toUtf8() + "': "));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(pngSize(png), QSize(1200, 1200)); // the other file is written all the same
}

TEST(SameOutputProblem, TwoOutputsThatAreOneFileAreRefused) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto at = [&dir](const char* name) { return dir.filePath(QString::fromUtf8(name)); };
    ASSERT_TRUE(QDir().mkdir(at("sub")));
    put(dir, "existing.pdf", "x");
    ASSERT_TRUE(QFile::link(QStringLiteral("existing.pdf"), at("link.png")));
    ASSERT_TRUE(QFile::link(QStringLiteral("sub/new.png"), at("ahead.svg"))); // not written yet
    struct Case {
        ChartFiles files;
        bool refused;
    };
    const std::vector<Case> cases = {
        {{at("o.pdf"), {}, at("o.pdf")}, true},
        {{at("o.pdf"), at("sub/../o.pdf"), {}}, true},
        {{at("existing.pdf"), {}, at("link.png")}, true},
        {{{}, at("ahead.svg"), at("sub/new.png")}, true},
        {{QStringLiteral("-"), QStringLiteral("-"), {}}, true},
        {{at("o.pdf"), at("o.svg"), at("o.png")}, false},
        {{at("o.pdf"), {}, at("O.pdf")}, false},
        {{at("existing.pdf"), at("sub/existing.pdf"), {}}, false},
    };
    for (const Case& c : cases) {
        const QString where = c.files.pdf + " " + c.files.svg + " " + c.files.png;
        EXPECT_EQ(sameOutputProblem(c.files).has_value(), c.refused) << where.toStdString();
    }

    // One line, as for a wrong argument.
    const ChartRun r = run(delhiWith({"--pdf", "o.pdf", "--png", "./o.pdf"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.err, "kelvaro-chart: --pdf 'o.pdf' and --png './o.pdf' are one file: give each "
                     "its own\n");
}

TEST(KelvaroChart, DrawsOffscreenWhateverDisplayIsNamedAndSaysOnlyItsOwnLines) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString png = dir.filePath(QStringLiteral("chart.png"));
    QStringList options = delhiWith({"--png"});
    options.removeFirst();
    options << png;
    const std::vector<std::pair<const char*, const char*>> environments = {
        {"DISPLAY", ":97"}, {"QT_QPA_PLATFORM", "bogus"}, {"WAYLAND_DISPLAY", "wayland-97"}};
    for (const auto& [name, value] : environments) {
        QFile::remove(png);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR")); // Qt would say it makes one
        environment.insert(QString::fromLatin1(name), QString::fromLatin1(value));
        const Process drawn = runProgram(options, {}, environment);
        EXPECT_EQ(drawn.status, 0) << name;
        EXPECT_EQ(drawn.err.toStdString(), "") << name;
        EXPECT_EQ(pngSize(png), QSize(1200, 1200)) << name;
    }
}

} // namespace
