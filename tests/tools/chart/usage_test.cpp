#include "chart_test_support.h"
#include "kelvaro_version.h"
#include "tools/chart/options.h"
#include "tools/chart/usage.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(RunChart, WrongArgumentsGiveOneLineTheUsageAndStatus2) {
    const ChartRun r = run(delhiWith({"--zone", "1:00"}));
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "kelvaro-chart: --zone is given more than once\n" + chartUsageText().toStdString());
}

TEST(RunChart, HelpAndVersion) {
    const ChartRun help = run(args({"--help"}));
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.err, "");
    // The help opens with the same usage lines as the short usage.
    const QString usage = chartUsageText();
    const QString usageLines = usage.left(usage.indexOf(QStringLiteral("Run '")));
    EXPECT_EQ(help.out.rfind(usageLines.toStdString() + "\nComputes the Bhava chart", 0), 0U);
    EXPECT_NE(help.out.find("\nOptions:\n"), std::string::npos);

    const ChartRun version = run(args({"-v"}));
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("kelvaro-chart ") + kKelvaroVersion + "\n");
}

// Every command line the help shows is one the tool takes; the shell's
// redirections aside.
TEST(ChartHelpText, ItsCommandLinesAreAccepted) {
    static const QRegularExpression commandLine(
        QStringLiteral("^(?:  | +Example: )kelvaro-chart ([^<>\n]*)"),
        QRegularExpression::MultilineOption);
    int seen = 0;
    for (auto match = commandLine.globalMatch(chartHelpText()); match.hasNext();) {
        const QString line = match.next().captured(1).trimmed();
        QStringList arguments = args({});
        arguments << line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const ParsedArguments parsed = parseChartArguments(arguments);
        EXPECT_TRUE(parsed.request) << line.toStdString() << ": " << parsed.error.toStdString();
        ++seen;
    }
    // The three examples, --batch, --help and --version.
    EXPECT_EQ(seen, 6);
}

} // namespace
