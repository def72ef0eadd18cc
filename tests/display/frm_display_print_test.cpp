#include "display/bhava_chart_view.h"
#include "display/frm_display.h"
#include "engine/mod_bhava.h"
#include "shell/application.h"
#include "support/fake_services.h"
#include "support/pdf_tools.h"
#include "support/sample_planets.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The reading window with the first worked example and its planets on
// screen, as the driver leaves it.
class FrmDisplayPrintTest : public testing::Test {
protected:
    FrmDisplayPrintTest() : app(fakes.services()) { open(); }

    void open() {
        ProgramState& state = app.state();
        state.reading = firstExampleReading();
        display = &app.frmDisplay();
        display->showReading(state.reading);
        display->showHouse(0);
        display->show();
    }

    // Closes the window and loads a new one, as Back and a new reading do.
    void reopen() {
        display->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        app.hideReferralWindow();
        open();
    }

    QString answerSaveWith(const char* name) {
        QString path = dir.filePath(QString::fromUtf8(name));
        fakes.dialogs.fileAnswers.emplace_back(path);
        return path;
    }

    FakeServices fakes;
    Application app;
    QPointer<FrmDisplay> display;
    QTemporaryDir dir;
};

QStringList fileMenu(const FrmDisplay& display) {
    QStringList entries;
    for (QAction* action : display.mnuFile->actions()) {
        entries << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    return entries;
}

} // namespace

TEST_F(FrmDisplayPrintTest, ChartStyleChoiceAndMenuCarryTheirNames) {
    EXPECT_EQ(display->picBhavaChart->objectName(), QStringLiteral("picBhavaChart"));
    EXPECT_EQ(display->picBhavaChart->accessibleName(), QStringLiteral("Bhava chart"));
    EXPECT_EQ(display->cboChartStyle->objectName(), QStringLiteral("cboChartStyle"));
    EXPECT_EQ(display->cboChartStyle->accessibleName(), QStringLiteral("Chart style"));
    ASSERT_EQ(display->cboChartStyle->count(), 2);
    EXPECT_EQ(display->cboChartStyle->itemText(0), QStringLiteral("North Indian"));
    EXPECT_EQ(display->cboChartStyle->itemText(1), QStringLiteral("South Indian"));
    EXPECT_TRUE(display->picBhavaChart->isVisible()); // on the first tab
    EXPECT_EQ(display->mnuPrint->objectName(), QStringLiteral("mnuPrint"));
    EXPECT_EQ(display->mnuExportPdf->objectName(), QStringLiteral("mnuExportPdf"));
    EXPECT_EQ(display->mnuSaveChartPicture->objectName(), QStringLiteral("mnuSaveChartPicture"));
    EXPECT_EQ(fileMenu(*display),
              QStringList({"Print…", "Export PDF…", "Save Chart Picture…", "-", "&Back", "E&xit"}));
}

TEST_F(FrmDisplayPrintTest, TheChosenStyleIsRemembered) {
    EXPECT_EQ(display->cboChartStyle->currentIndex(), 0); // nothing stored yet: North
    EXPECT_EQ(display->picBhavaChart->chartStyle(), ChartStyle::North);

    display->cboChartStyle->setCurrentIndex(1);
    EXPECT_EQ(display->picBhavaChart->chartStyle(), ChartStyle::South);
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Chart"), QStringLiteral("Style")),
              QStringLiteral("south"));

    reopen();
    EXPECT_EQ(display->cboChartStyle->currentIndex(), 1);
    EXPECT_EQ(display->picBhavaChart->chartStyle(), ChartStyle::South);

    display->cboChartStyle->setCurrentIndex(0);
    reopen();
    EXPECT_EQ(display->picBhavaChart->chartStyle(), ChartStyle::North);
}

TEST_F(FrmDisplayPrintTest, AScreenReaderFindsEveryHouseOfTheChart) {
    QAccessibleInterface* chart = QAccessible::queryAccessibleInterface(display->picBhavaChart);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->text(QAccessible::Name), QStringLiteral("Bhava chart"));
    ASSERT_EQ(chart->childCount(), 12);
    const auto expected =
        BhavaChartHouseTexts(app.state().reading.houses, PlanetsOf(app.state().reading.planets));
    const QRect chartOnScreen(display->picBhavaChart->mapToGlobal(QPoint(0, 0)),
                              display->picBhavaChart->size());
    for (int i = 0; i < 12; ++i) {
        QAccessibleInterface* house = chart->child(i);
        ASSERT_NE(house, nullptr) << i;
        EXPECT_EQ(house->text(QAccessible::Name), expected.at(static_cast<std::size_t>(i)));
        EXPECT_EQ(house->parent(), chart);
        EXPECT_EQ(chart->indexOfChild(house), i);
        EXPECT_TRUE(chartOnScreen.contains(house->rect())) << i;
        EXPECT_EQ(chart->childAt(house->rect().center().x(), house->rect().center().y()) != nullptr,
                  true);
    }
    EXPECT_EQ(chart->child(9)->text(QAccessible::Name),
              QStringLiteral("House 10, sign 9 Sagittarius: Sun, Mercury retrograde"));
    EXPECT_TRUE(chart->text(QAccessible::Description)
                    .contains(QStringLiteral("House 2, sign 1 Aries: Jupiter, Saturn retrograde")));
}

TEST_F(FrmDisplayPrintTest, TheChartIsPaintedInTheChosenStyle) {
    // Whether anything is drawn within a pixel of a point of the chart's
    // square, given in the unit square.
    const auto inkAt = [&](QPointF unit) {
        const QImage picture = display->picBhavaChart->grab().toImage();
        const QRectF square = display->picBhavaChart->chartSquare();
        const QPoint at =
            (square.topLeft() + QPointF(unit.x() * square.width(), unit.y() * square.height()))
                .toPoint();
        int darkest = 255;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                darkest = std::min(darkest, picture.pixelColor(at + QPoint(dx, dy)).lightness());
            }
        }
        return darkest < 200;
    };
    // The North style's diagonals cross in the middle; the South style's
    // middle is open and its inner boxes begin a quarter in.
    EXPECT_TRUE(inkAt({0.5, 0.5}));
    display->cboChartStyle->setCurrentIndex(1);
    EXPECT_FALSE(inkAt({0.5, 0.43}));
    EXPECT_TRUE(inkAt({0.25, 0.5}));
}

TEST_F(FrmDisplayPrintTest, ExportPdfWritesTheDocumentUnderTheNameOffered) {
    const QString path = answerSaveWith("exported.pdf");
    display->mnuExportPdf->trigger();

    ASSERT_EQ(fakes.dialogs.fileDialogs.size(), 1U);
    const FileDialogSpec& spec = fakes.dialogs.fileDialogs.front();
    EXPECT_EQ(spec.title, QStringLiteral("Export PDF"));
    EXPECT_EQ(spec.filter, QStringLiteral("PDF (*.pdf)"));
    EXPECT_EQ(spec.defaultSuffix, QStringLiteral("pdf"));
    EXPECT_TRUE(spec.confirmOverwrite);
    EXPECT_EQ(spec.suggestedName, QStringLiteral("Ram 2000-01-01.pdf"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    EXPECT_GE(pdfInfo(path, QStringLiteral("Pages")).toInt(), 2);
    const QString text = pdfText(path);
    EXPECT_TRUE(text.contains(QStringLiteral("Ram")));
    EXPECT_TRUE(text.contains(QStringLiteral("16° 30' 0\" Sag"))); // the Sun
}

TEST_F(FrmDisplayPrintTest, AnExportThatFailsIsToldAsAFailedSave) {
    const QString path = answerSaveWith("missing/exported.pdf");
    display->mnuExportPdf->trigger();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_TRUE(fakes.dialogs.messages.front().text.startsWith(
        QStringLiteral("The reading could not be saved.\n")));
    EXPECT_GT(fakes.dialogs.messages.front().text.size(),
              QStringLiteral("The reading could not be saved.\n").size());
    EXPECT_EQ(fakes.dialogs.messages.front().icon, MessageIcon::Critical);
    EXPECT_FALSE(QFile::exists(path));

    // Cancelling the dialog writes nothing and says nothing.
    fakes.dialogs.fileAnswers.emplace_back(std::nullopt);
    display->mnuExportPdf->trigger();
    EXPECT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(FrmDisplayPrintTest, SaveChartPictureWritesPngOrSvgByTheName) {
    const QString png = answerSaveWith("chart.png");
    const QString svg = answerSaveWith("chart.svg");
    display->cboChartStyle->setCurrentIndex(1);
    display->mnuSaveChartPicture->trigger();
    display->mnuSaveChartPicture->trigger();

    ASSERT_EQ(fakes.dialogs.fileDialogs.size(), 2U);
    const FileDialogSpec& spec = fakes.dialogs.fileDialogs.front();
    EXPECT_EQ(spec.title, QStringLiteral("Save Chart Picture"));
    EXPECT_EQ(spec.defaultSuffix, QStringLiteral("png"));
    EXPECT_TRUE(spec.filter.contains(QStringLiteral("*.svg")));
    EXPECT_EQ(spec.suggestedName, QStringLiteral("Ram 2000-01-01 chart.png"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    QImage picture;
    ASSERT_TRUE(picture.load(png, "PNG"));
    EXPECT_EQ(picture.size(), QSize(1200, 1200));
    QFile file(svg);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.contains("<svg"));
    EXPECT_TRUE(bytes.contains(">Asc<")); // the South style marks the ascendant's sign

    const QString missing = answerSaveWith("missing/chart.png");
    display->mnuSaveChartPicture->trigger();
    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_TRUE(fakes.dialogs.messages.front().text.startsWith(
        QStringLiteral("The chart picture could not be saved.\n")));
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(FrmDisplayPrintTest, PrintHandsTheDocumentToThePrintingService) {
    display->mnuPrint->trigger();
    ASSERT_EQ(fakes.printing.jobs.size(), 1U);
    const PrintedJob& job = fakes.printing.jobs.front();
    EXPECT_EQ(job.title, QStringLiteral("Ram 2000-01-01"));
    EXPECT_TRUE(job.pageSize.id() == QPageSize::A4 || job.pageSize.id() == QPageSize::Letter);
    EXPECT_GE(job.pages, 2);

    const QString path = dir.filePath(QStringLiteral("printed.pdf"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(job.pdf);
    file.close();
    EXPECT_TRUE(pdfText(path, job.pages).contains(QStringLiteral("page %1 of %1").arg(job.pages)));
}
