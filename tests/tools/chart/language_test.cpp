#include "support/pdf_tools.h"
#include "tools/chart/chart_test_support.h"
#include "translation/translator.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

namespace {

// A caption of the text output as the catalogue of a language writes it.
QString captionIn(Language language, const char* english) {
    LanguageSwitch installed;
    EXPECT_TRUE(installed.use(language));
    return QCoreApplication::translate("ChartText", english);
}

struct LanguageCase {
    const char* value;
    Language language;
};

class ChartLanguage : public testing::TestWithParam<LanguageCase> {};

// The text output follows --language; English is the output without it.
TEST_P(ChartLanguage, TheTextOutputIsInTheLanguageAsked) {
    const ChartRun plain = run(delhiWith({}));
    const ChartRun asked = run(delhiWith({"--language", GetParam().value}));
    ASSERT_EQ(asked.status, 0) << asked.err;
    if (GetParam().language == Language::English) {
        EXPECT_EQ(asked.out, plain.out);
        return;
    }
    const QString julianDay = captionIn(GetParam().language, "Julian Day");
    ASSERT_NE(julianDay, QStringLiteral("Julian Day")) << "the catalogue holds no translation";
    EXPECT_NE(asked.out, plain.out);
    EXPECT_NE(QString::fromStdString(asked.out).indexOf(julianDay), -1) << asked.out;
    // The figures themselves are the same numbers.
    EXPECT_NE(asked.out.find("2451545"), std::string::npos);
}

// JSON is an interface: the same bytes in every language.
TEST_P(ChartLanguage, JsonStaysEnglish) {
    const ChartRun plain = run(delhiWith({"--json"}));
    const ChartRun asked = run(delhiWith({"--json", "--language", GetParam().value}));
    ASSERT_EQ(asked.status, 0) << asked.err;
    EXPECT_EQ(asked.out, plain.out);
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, ChartLanguage,
                         testing::Values(LanguageCase{"en", Language::English},
                                         LanguageCase{"hi", Language::Hindi},
                                         LanguageCase{"ta", Language::Tamil},
                                         LanguageCase{"TA", Language::Tamil}));

TEST(ChartLanguage, AnUnknownLanguageIsAWrongArgument) {
    for (const char* value : {"de", "hindi", ""}) {
        const ChartRun bad = run(delhiWith({"--language", value}));
        EXPECT_EQ(bad.status, 2) << value;
        EXPECT_TRUE(bad.out.empty());
        const std::vector<std::string> errLines = lines(bad.err);
        ASSERT_FALSE(errLines.empty());
        EXPECT_EQ(errLines.front(),
                  std::string("kelvaro-chart: --language ") + value + " is not en, hi or ta");
    }
}

// The printed reading in Tamil keeps its Tamil words as text.
TEST(ChartLanguage, ThePdfFollowsTheLanguage) {
    const QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath(QStringLiteral("reading.pdf"));
    // The program itself: drawing needs its GUI application.
    QStringList arguments = delhiWith({"--language", "ta"}).mid(1);
    arguments << QStringLiteral("--pdf") << pdf;
    const Process written = runWithoutDisplay(arguments);
    ASSERT_EQ(written.status, 0) << written.err.toStdString();
    LanguageSwitch tamil;
    ASSERT_TRUE(tamil.use(Language::Tamil));
    const QString ayanamsa = QCoreApplication::translate("ReadingDocument", "Ayanamsa");
    ASSERT_NE(ayanamsa, QStringLiteral("Ayanamsa"));
    EXPECT_NE(pdfText(pdf, 1).indexOf(ayanamsa), -1) << pdfText(pdf, 1).toStdString();
}

} // namespace
