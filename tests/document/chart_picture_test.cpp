#include "document/chart_picture.h"
#include "engine/mod_bhava.h"
#include "support/device_and_pipe_files.h"
#include "support/sample_planets.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

namespace {

PictureSaveResult writeFirstExample(const QString& path, ChartStyle style) {
    return WriteChartPicture(path, firstExampleReading(), style, PictureFormatOf(path));
}

} // namespace

TEST(PictureFormatOf, SvgByItsEndingPngOtherwise) {
    EXPECT_EQ(PictureFormatOf(QStringLiteral("chart.svg")), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("CHART.SVG")), PictureFormat::Svg);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("chart.png")), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("chart")), PictureFormat::Png);
    EXPECT_EQ(PictureFormatOf(QStringLiteral("chart.svg.png")), PictureFormat::Png);
}

TEST(WriteChartPicture, PngIs1200PixelsSquareWithTheChartOnWhite) {
    QTemporaryDir dir;
    for (const ChartStyle style : {ChartStyle::North, ChartStyle::South}) {
        const QString path = dir.filePath(QStringLiteral("chart.png"));
        ASSERT_TRUE(writeFirstExample(path, style).saved);
        QImage image;
        ASSERT_TRUE(image.load(path, "PNG"));
        EXPECT_EQ(image.size(), QSize(kChartPicturePixels, kChartPicturePixels));
        EXPECT_EQ(image.pixelColor(kChartPicturePixels / 7, kChartPicturePixels / 2 + 40),
                  QColor(Qt::white));
        // The frame is drawn at the edge and the lines meet in the middle
        // (North) or the inner boxes begin a quarter in (South).
        EXPECT_LT(image.pixelColor(1, kChartPicturePixels / 2).lightness(), 128);
        const QPoint inner = style == ChartStyle::North
                                 ? QPoint(kChartPicturePixels / 2, kChartPicturePixels / 2)
                                 : QPoint(kChartPicturePixels / 4, kChartPicturePixels / 2);
        EXPECT_LT(image.pixelColor(inner).lightness(), 128);
    }
}

TEST(WriteChartPicture, SvgCarriesTheHouseTextsForScreenReaders) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("chart.svg"));
    ASSERT_TRUE(writeFirstExample(path, ChartStyle::South).saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString description;
    QString viewBox;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1StringView("svg")) {
            viewBox = xml.attributes().value(QLatin1StringView("viewBox")).toString();
        }
        if (xml.isStartElement() && xml.name() == QLatin1StringView("desc")) {
            description = xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(viewBox, QStringLiteral("0 0 %1 %1").arg(kChartPicturePixels));
    EXPECT_TRUE(description.contains(
        QStringLiteral("House 10, sign 9 Sagittarius: Sun, Mercury retrograde")));
}

TEST(WriteChartPicture, ADivisionalChartIsTitledAndDescribedAsItself) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("navamsa.svg"));
    ASSERT_TRUE(
        WriteChartPicture(path, firstExampleReading(), ChartStyle::North, PictureFormat::Svg, 5)
            .saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(svg.contains(QStringLiteral("<title>D9 Navamsa</title>")));
    EXPECT_FALSE(svg.contains(QStringLiteral("Bhava chart")));
}

TEST(WriteChartPicture, UnwritablePlaceFailsAndLeavesNoFile) {
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const char* name : {"missing/chart.png", "plain/chart.svg"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        const PictureSaveResult result = writeFirstExample(path, ChartStyle::North);
        EXPECT_FALSE(result.saved) << name;
        EXPECT_FALSE(result.error.isEmpty()) << name;
        EXPECT_FALSE(QFile::exists(path)) << name;
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("plain")});
}

// What the window and the command line save into a pipe (/dev/stdout into a
// pipe) comes out as it would into a file, and the pipe stays.
TEST(WriteChartPicture, GoesIntoAPipeAsIntoAFile) {
    QTemporaryDir dir;
    for (const PictureFormat format : {PictureFormat::Png, PictureFormat::Svg}) {
        SCOPED_TRACE(format == PictureFormat::Png ? "PNG" : "SVG");
        const QString file = dir.filePath(QStringLiteral("chart"));
        ASSERT_TRUE(
            WriteChartPicture(file, firstExampleReading(), ChartStyle::North, format).saved);
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QFile::remove(fifo);
        FifoReader reader(fifo);
        ASSERT_TRUE(reader.ready());

        const PictureSaveResult piped =
            WriteChartPicture(fifo, firstExampleReading(), ChartStyle::North, format);

        EXPECT_TRUE(piped.saved) << piped.error.toStdString();
        QFile saved(file);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(reader.finish(), saved.readAll());
        EXPECT_TRUE(S_ISFIFO(modeAt(fifo)));
    }
}
