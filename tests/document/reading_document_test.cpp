#include "document/reading_document.h"
#include "engine/mod_bhava.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"
#include "support/device_and_pipe_files.h"
#include "support/pdf_tools.h"
#include "support/sample_planets.h"
#include "support/worked_examples.h"
#include "translation/reading_texts.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace {

ReadingDocument firstExampleDocument(ChartStyle style = ChartStyle::North) {
    ReadingDocument document;
    document.reading = firstExampleReading();
    document.style = style;
    return document;
}

QStringList figuresOf(const WorkedExampleFigures& figures) {
    QStringList texts{QString::fromUtf8(figures.julianDay), QString::fromUtf8(figures.ayanamsa),
                      QString::fromUtf8(figures.ascendant), QString::fromUtf8(figures.midheaven)};
    for (const char* text : figures.madhya) {
        texts << QString::fromUtf8(text);
    }
    for (const char* text : figures.sandhi) {
        texts << QString::fromUtf8(text);
    }
    return texts;
}

class ReadingPdf : public testing::Test {
protected:
    QString write(const ReadingDocument& reading, Paper paper = Paper::A4) {
        QString path = dir.filePath(QStringLiteral("reading.pdf"));
        const DocumentSaveResult result = WriteReadingPdf(path, reading, paper);
        EXPECT_TRUE(result.saved) << result.error.toStdString();
        pages = result.pages;
        return path;
    }

    QTemporaryDir dir;
    int pages = 0;
};

} // namespace

TEST_F(ReadingPdf, HoldsEveryFigureWithItsSignsAndTheTwelveHouses) {
    const QString path = write(firstExampleDocument());
    const QString text = pdfText(path);
    for (const QString& figure : figuresOf(kDelhi2000Figures)) {
        EXPECT_TRUE(text.contains(figure)) << figure.toStdString();
    }
    for (const PlanetPlacement& planet : firstExamplePlanets().Planets) {
        EXPECT_TRUE(text.contains(QString::fromStdString(planet.LongitudeText))) << planet.Name;
    }
    for (const HouseProfile& house : LoadHouseCatalogue().houses) {
        EXPECT_TRUE(text.contains(house.HouseName.trimmed())) << house.HouseName.toStdString();
        EXPECT_TRUE(text.contains(house.Keywords)) << house.Keywords.toStdString();
    }
    for (const char* birth : {"Ram", "1 January 2000", "12:00", "New Delhi, India", "28° 36' N",
                              "77° 12' E", "Offset used UTC+05:30"}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(birth))) << birth;
    }
    // The signs are text: no glyph came out as a question mark.
    EXPECT_FALSE(text.contains(QLatin1Char('?')));
}

TEST_F(ReadingPdf, EveryPageHasItsFootAndRenders) {
    const QString path = write(firstExampleDocument(ChartStyle::South));
    ASSERT_GE(pages, 2);
    EXPECT_EQ(pdfInfo(path, QStringLiteral("Pages")), QString::number(pages));
    for (int page = 1; page <= pages; ++page) {
        const QString text = pdfText(path, page);
        EXPECT_TRUE(text.contains(QStringLiteral("Kelvaro v1.15"))) << page;
        EXPECT_TRUE(text.contains(QStringLiteral("page %1 of %2").arg(page).arg(pages))) << page;
    }
    // The interpretations begin on a page of their own, after the divisional
    // charts' (a reading made by hand has no dasha).
    EXPECT_FALSE(pdfText(path, 2).contains(QStringLiteral("The House of Identity")));
    EXPECT_TRUE(pdfText(path, 3).contains(QStringLiteral("The House of Identity")));

    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("20"), QStringLiteral("-png"), path,
             dir.filePath(QStringLiteral("page"))});
    const QStringList rendered =
        QDir(dir.path()).entryList({QStringLiteral("page*.png")}, QDir::Files);
    EXPECT_EQ(rendered.size(), pages);
    for (const QString& picture : rendered) {
        EXPECT_GT(QFileInfo(dir.filePath(picture)).size(), 0) << picture.toStdString();
    }
}

// A computed reading: the Rasi and Navamsa charts with the nakshatras on page
// two, the dasha on page three, the interpretations from page four.
TEST_F(ReadingPdf, TheDivisionalChartsAndTheDashaHavePagesOfTheirOwn) {
    ReadingDocument document;
    document.reading = MakeReading(firstExampleBirth());
    const QString path = write(document);
    const std::vector<VargaRow> vargas = VargaRows(document.reading);
    const DashaTable dasha = *DashaTableOf(document.reading);
    QStringList charts = {QStringLiteral("Rasi and Navamsa"), QStringLiteral("D1 Rasi"),
                          QStringLiteral("D9 Navamsa"), QStringLiteral("Nakshatras"),
                          WindowText(vargas[5])};
    for (const PlanetRow& planet : PlanetRows(document.reading)) {
        charts << QString::fromStdString(planet.nakshatra);
    }
    QStringList periods = {QStringLiteral("Vimshottari dasha"),
                           QString::fromStdString(dasha.balanceText),
                           QStringLiteral("Sidereal (365.256363 days)"),
                           QStringLiteral("Each minute later moves these dates")};
    for (const DashaTable::Maha& maha : dasha.maha) {
        periods << QString::fromStdString(maha.period.startDate)
                << QString::fromStdString(maha.antar[4].lord + " " + maha.antar[4].startDate);
    }
    for (const auto& [page, texts] : {std::pair{2, charts}, std::pair{3, periods}}) {
        const QString text = pdfText(path, page);
        for (const QString& expected : texts) {
            EXPECT_TRUE(text.contains(expected)) << page << " " << expected.toStdString();
        }
    }
    EXPECT_FALSE(pdfText(path, 3).contains(QStringLiteral("Interpretation of Houses")));
    EXPECT_TRUE(pdfText(path, 4).contains(QStringLiteral("Interpretation of Houses")));
}

TEST_F(ReadingPdf, EmbedsEveryFont) {
    const QString fonts = runTool(QStringLiteral("pdffonts"), {write(firstExampleDocument())});
    // After the two heading lines, one line a font: name, type, encoding,
    // then "emb sub uni" as yes/no.
    const QStringList lines = fonts.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(lines.isEmpty());
    for (const QString& line : lines) {
        const QStringList columns = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 5);
        EXPECT_EQ(columns.at(columns.size() - 5), QStringLiteral("yes")) << line.toStdString();
    }
}

TEST_F(ReadingPdf, PaperSizeAsAsked) {
    struct Case {
        Paper paper;
        const char* size;
    };
    for (const Case c : {Case{Paper::A4, "(A4)"}, Case{Paper::Letter, "(letter)"}}) {
        const QString path = write(firstExampleDocument(), c.paper);
        EXPECT_TRUE(pdfInfo(path, QStringLiteral("Page size")).endsWith(QLatin1String(c.size)))
            << c.size;
    }
}

TEST_F(ReadingPdf, WithoutPlanetsTheHousesStand) {
    ReadingDocument reading = firstExampleDocument();
    reading.reading.planets = {};
    const QString text = pdfText(write(reading));
    EXPECT_FALSE(text.contains(QStringLiteral("Planets in Bhavas")));
    EXPECT_TRUE(text.contains(QString::fromUtf8(kDelhi2000Figures.sandhi[11])));
}

TEST_F(ReadingPdf, UnwritablePlaceFailsAndLeavesNoFile) {
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& path : {dir.filePath(QStringLiteral("missing/reading.pdf")),
                                dir.filePath(QStringLiteral("plain/reading.pdf"))}) {
        const DocumentSaveResult result = WriteReadingPdf(path, firstExampleDocument(), Paper::A4);
        EXPECT_FALSE(result.saved) << path.toStdString();
        EXPECT_FALSE(result.error.isEmpty());
        EXPECT_FALSE(QFile::exists(path));
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain")});
}

TEST_F(ReadingPdf, ReplacesAnOlderFileWhole) {
    const QString path = dir.filePath(QStringLiteral("reading.pdf"));
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write(QByteArray(1 << 20, 'x')); // longer than the new document
    old.close();
    ASSERT_TRUE(WriteReadingPdf(path, firstExampleDocument(), Paper::A4).saved);
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF-"));
    EXPECT_TRUE(bytes.trimmed().endsWith("%%EOF"));
}

// ------------------------------------------------------------------ texts

// A PDF into a pipe is the whole document; the null device takes it, a full
// one says why not; neither device is replaced.
TEST_F(ReadingPdf, GoesIntoAPipeOrADevice) {
    const QString fifo = dir.filePath(QStringLiteral("fifo"));
    FifoReader reader(fifo);
    ASSERT_TRUE(reader.ready());
    const DocumentSaveResult piped = WriteReadingPdf(fifo, firstExampleDocument(), Paper::A4);
    EXPECT_TRUE(piped.saved) << piped.error.toStdString();
    const QByteArray pdf = reader.finish();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));

    const std::pair<const char*, const char*> devices[] = {
        {"/dev/null", ""},
        {"/dev/full", "No space left on device"},
    };
    for (const auto& [device, error] : devices) {
        SCOPED_TRACE(device);
        const QString path = characterDeviceLike(dir, device);
        if (path.isEmpty()) {
            GTEST_SKIP() << device << " is absent";
        }
        const DocumentSaveResult saved = WriteReadingPdf(path, firstExampleDocument(), Paper::A4);
        EXPECT_EQ(saved.error, QString::fromUtf8(error));
        EXPECT_TRUE(S_ISCHR(modeAt(path)));
    }
}

TEST(PaperForLocale, LetterInTheAmericasThatUseItA4Elsewhere) {
    struct Case {
        const char* locale;
        Paper paper;
    };
    for (const Case c :
         {Case{"en_US", Paper::Letter}, Case{"en_CA", Paper::Letter}, Case{"fr_CA", Paper::Letter},
          Case{"es_MX", Paper::Letter}, Case{"en_PH", Paper::Letter}, Case{"en_GB", Paper::A4},
          Case{"hi_IN", Paper::A4}, Case{"en_IN", Paper::A4}, Case{"de_DE", Paper::A4},
          Case{"C", Paper::A4}}) {
        EXPECT_EQ(PaperForLocale(QLocale(QString::fromLatin1(c.locale))), c.paper) << c.locale;
    }
}

TEST(UtcOffset, AgreesWithTheUniversalTimeTheEngineUses) {
    // The same instant written as local time with the offset and as universal
    // time must give the same houses.
    struct Case {
        int zoneHour, zoneMinute, lonD;
        bool east, dst;
        const char* text;
        std::optional<bool> ahead = std::nullopt; // the zone's direction, when given
    };
    for (const Case c : {
             Case{5, 30, 77, true, false, "UTC+05:30"},
             Case{5, 0, 74, false, true, "UTC-04:00 (zone 5:00 and one hour of daylight saving)"},
             Case{5, 30, 77, true, true, "UTC+06:30 (zone 5:30 and one hour of daylight saving)"},
             Case{1, 0, 0, true, false, "UTC-01:00"}, // a longitude of 0 counts as West
             Case{0, 0, 0, false, false, "UTC+00:00"},
             Case{10, 0, 151, true, false, "UTC+10:00"},
             // Madrid in summer: West of Greenwich, two hours ahead.
             Case{1, 0, 3, false, true, "UTC+02:00 (zone 1:00 and one hour of daylight saving)",
                  true},
         }) {
        BirthRecord local = firstExampleBirth();
        local.ZoneHour = static_cast<std::int16_t>(c.zoneHour);
        local.ZoneMinute = static_cast<std::int16_t>(c.zoneMinute);
        local.LonD = static_cast<std::int16_t>(c.lonD);
        local.LonM = 0;
        local.LonEast = c.east;
        local.DST = c.dst;
        local.ZoneAhead = c.ahead;
        EXPECT_EQ(UtcOffsetText(local), QString::fromUtf8(c.text));

        const int universal = 12 * 60 - ZoneOffsetMinutes(local);
        BirthRecord utc = local;
        utc.ZoneHour = 0;
        utc.ZoneMinute = 0;
        utc.DST = false;
        utc.Hour = static_cast<std::int16_t>(universal / 60);
        utc.Minute = static_cast<std::int16_t>(universal % 60);
        EXPECT_NEAR(ComputeBhava(local).Ascendant, ComputeBhava(utc).Ascendant, 1e-9) << c.text;
    }
}

TEST(ReadingFileBaseName, FromTheNameAndTheBirthDate) {
    struct Case {
        const char* name;
        const char* base;
    };
    for (const Case c : {
             Case{"Ram", "Ram 2000-01-01"},
             Case{"  Ram   Kumar ", "Ram Kumar 2000-01-01"},
             Case{"A/B\\C: \"D\" <E>|F?*", "ABC D EF 2000-01-01"},
             Case{"..hidden..", "hidden 2000-01-01"},
             Case{"tab\there\nnewline\x01", "tab here newline 2000-01-01"},
             Case{"Śarmā Rāma", "Śarmā Rāma 2000-01-01"},
             Case{"", "Reading 2000-01-01"},
             Case{"/?*", "Reading 2000-01-01"},
         }) {
        BirthRecord birth = firstExampleBirth();
        birth.Name = c.name;
        EXPECT_EQ(ReadingFileBaseName(birth), QString::fromUtf8(c.base)) << c.name;
    }
    BirthRecord longName = firstExampleBirth();
    longName.Name = std::string(300, 'x');
    longName.Month = 11;
    longName.Day = 9;
    longName.Year = 1905;
    EXPECT_EQ(ReadingFileBaseName(longName), QString(80, QLatin1Char('x')) + " 1905-11-09");
}
