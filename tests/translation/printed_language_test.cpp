// The printed reading in Hindi and Tamil: its captions in the language, in
// fonts that keep them as text in the PDF, and its birth date in the
// language's month with Western digits.
//
// Qt's PDF writer gives each glyph back as the characters the font's own
// table maps it to: a conjunct (the "र्" of "मार्च") or a vowel sign written
// before its consonant (the "ே" of "தேதி") does not come back in order, so
// the words checked here have neither.

#include "document/reading_document.h"
#include "reading/reading.h"
#include "support/make_birth.h"
#include "support/pdf_tools.h"
#include "translation/translator.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct PrintedCase {
    Language language;
    const char* caption; // a caption whose words pdftotext gives back
    const char* font;    // the script's font, embedded
};

class PrintedLanguage : public testing::TestWithParam<PrintedCase> {};

TEST_P(PrintedLanguage, ThePdfHoldsTheLanguagesWords) {
    LanguageSwitch language;
    ASSERT_TRUE(language.use(GetParam().language));
    const QString caption = QCoreApplication::translate("ReadingDocument", GetParam().caption);
    ASSERT_NE(caption, QLatin1String(GetParam().caption)) << "the catalogue holds no translation";
    const QTemporaryDir dir;
    ReadingDocument document;
    document.reading =
        MakeReading(MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false));
    const QString path = dir.filePath(QStringLiteral("reading.pdf"));
    ASSERT_TRUE(WriteReadingPdf(path, document, Paper::A4).saved);

    const QString page = pdfText(path, 1);
    EXPECT_NE(page.indexOf(caption), -1) << page.toStdString();
    // "1 January 2000" in the language's month name, the digits Western.
    const QString date =
        QStringLiteral("1 %1 2000").arg(LocaleOf(GetParam().language).monthName(1));
    EXPECT_NE(page.indexOf(date), -1) << date.toStdString() << "\n" << page.toStdString();
    EXPECT_NE(runTool(QStringLiteral("pdffonts"), {path}).indexOf(QLatin1String(GetParam().font)),
              -1);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, PrintedLanguage,
    testing::Values(PrintedCase{Language::Hindi, "Ayanamsa", "NotoSansDevanagari"},
                    PrintedCase{Language::Tamil, "Ayanamsa", "NotoSerifTamil"}));

} // namespace
