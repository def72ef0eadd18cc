// Every text through the catalogue: with a catalogue that wraps each text it
// is asked for in ‹ and ›, a text that a window or the printed reading shows
// without the marks never went through it.

#include "display/frm_display.h"
#include "document/reading_document.h"
#include "entry/frm_main.h"
#include "entry/frm_time_zone.h"
#include "reading/reading.h"
#include "shell/application.h"
#include "support/fake_services.h"
#include "support/make_birth.h"
#include "visible_texts.h"

#include <QCoreApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

class PseudoCatalogue : public QTranslator {
public:
    QString translate(const char* /*context*/, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        if (source == nullptr || *source == '\0') {
            return {};
        }
        return QStringLiteral("‹") + QString::fromUtf8(source) + QStringLiteral("›");
    }
    bool isEmpty() const override { return false; }
};

// The pseudo catalogue installed for one test.
class PseudoTranslation : public testing::Test {
protected:
    void SetUp() override { QCoreApplication::installTranslator(&catalogue); }
    void TearDown() override { QCoreApplication::removeTranslator(&catalogue); }

    // The texts with words that the catalogue did not give.
    static QStringList untranslated(const QStringList& texts) {
        QStringList left;
        for (const QString& text : texts) {
            if (HoldsWords(text) && !text.contains(QStringLiteral("‹"))) {
                left << text;
            }
        }
        return left;
    }

    PseudoCatalogue catalogue;
    FakeServices fakes;
};

BirthRecord delhi() {
    BirthRecord birth = MakeBirth(1, 1, 2000, 12, 0, 5, 30, 77, 12, true, 28, 36, false, false);
    birth.Name = "Ram";
    birth.City = "New Delhi";
    return birth;
}

// The languages' own names, which no catalogue translates.
bool isLanguageName(const QString& text) {
    return text.startsWith(QStringLiteral("mnuLanguageEnglish:")) ||
           text.startsWith(QStringLiteral("mnuLanguageHindi:")) ||
           text.startsWith(QStringLiteral("mnuLanguageTamil:"));
}

TEST_F(PseudoTranslation, TheBirthDataWindowShowsOnlyCatalogueTexts) {
    Application app(fakes.services());
    FrmMain& frm = app.frmMain();
    QStringList left = untranslated(VisibleTexts(frm));
    left.removeIf(isLanguageName);
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();
}

TEST_F(PseudoTranslation, TheTimeZonePickerShowsOnlyCatalogueTexts) {
    Application app(fakes.services());
    FrmTimeZone picker(app.frmMain());
    const QStringList left = untranslated(VisibleTexts(picker));
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();
}

TEST_F(PseudoTranslation, TheReadingWindowShowsOnlyCatalogueTexts) {
    Application app(fakes.services());
    app.showReading(MakeReading(delhi()));
    const QStringList left = untranslated(VisibleTexts(app.frmDisplay()));
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();
}

// The printed reading: once every text the catalogue gave is taken out, no
// words are left but the person's name and place, the program's name, and
// the month of the birth date, which the language's locale names.
TEST_F(PseudoTranslation, ThePrintedReadingShowsOnlyCatalogueTexts) {
    const QTemporaryDir dir;
    ReadingDocument document;
    document.reading = MakeReading(delhi());
    const QString path = dir.filePath(QStringLiteral("reading.pdf"));
    ASSERT_TRUE(WriteReadingPdf(path, document, Paper::A4).saved);
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished(60000));
    QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    // The innermost marked texts first, until none is left.
    static const QRegularExpression marked(QStringLiteral("‹[^‹›]*›"));
    while (text.contains(marked)) {
        text.replace(marked, QStringLiteral(" "));
    }
    static const QRegularExpression known(
        QStringLiteral("Kelvaro v[0-9.]+|Ram|New Delhi|UTC\\+05:30|\\bJanuary\\b"));
    text.replace(known, QStringLiteral(" "));
    QStringList left;
    for (const QString& line : text.split(u'\n')) {
        if (HoldsWords(QStringLiteral("pdf: ") + line.trimmed())) {
            left << line.trimmed();
        }
    }
    EXPECT_TRUE(left.isEmpty()) << left.join(u'\n').toStdString();
}

} // namespace
