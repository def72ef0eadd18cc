#include "display/bhava_chart_view.h"
#include "display/frm_display.h"
#include "reading/reading_rows.h"
#include "shell/application.h"
#include "support/fake_services.h"
#include "support/sample_planets.h"
#include "translation/reading_texts.h"

#include <QAccessible>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

// The reading window with a computed reading of the first worked example,
// today fixed by the fake clock.
class VedicTabsTest : public testing::Test {
protected:
    VedicTabsTest() : app(fakes.services()) {}

    void open(const Reading& reading) {
        app.showReading(reading);
        display = &app.frmDisplay();
    }

    // The items of a level marked as running today.
    static std::vector<QTreeWidgetItem*> marked(const std::vector<QTreeWidgetItem*>& items) {
        std::vector<QTreeWidgetItem*> bold;
        for (QTreeWidgetItem* item : items) {
            if (item->font(0).bold()) {
                bold.push_back(item);
            }
        }
        return bold;
    }
    static std::vector<QTreeWidgetItem*> children(QTreeWidgetItem* item) {
        std::vector<QTreeWidgetItem*> list;
        list.reserve(static_cast<std::size_t>(item->childCount()));
        for (int i = 0; i < item->childCount(); ++i) {
            list.push_back(item->child(i));
        }
        return list;
    }
    std::vector<QTreeWidgetItem*> mahas() const {
        return children(display->treDasha->invisibleRootItem());
    }

    FakeServices fakes;
    Application app;
    QPointer<FrmDisplay> display;
};

QString spoken(const QTreeWidgetItem* item) {
    return item->data(0, Qt::AccessibleTextRole).toString();
}

// One period marked today runs on the date: its dates hold it.
void expectRunsOn(const QTreeWidgetItem* item, const QString& date) {
    EXPECT_LE(item->text(1), date) << item->text(0).toStdString();
    EXPECT_GT(item->text(2), date) << item->text(0).toStdString();
    EXPECT_TRUE(spoken(item).endsWith(QStringLiteral(", running today")))
        << spoken(item).toStdString();
}

} // namespace

TEST_F(VedicTabsTest, TheDivisionalChartsShowTheirWindowsAndMarkOnlyRasiAndNavamsa) {
    Reading reading = MakeReading(firstExampleBirth());
    reading.vargas[0].AscendantSignMinutesLater = 5;   // D1: close
    reading.vargas[5].AscendantSignMinutesEarlier = 9; // D9: close
    reading.vargas[15].AscendantSignMinutesLater = 2;  // D60: short by nature
    open(reading);
    EXPECT_EQ(display->SSTab1->tabText(display->SSTab1->indexOf(display->tabVargas)),
              QStringLiteral("Divisional charts"));
    QTableWidget* table = display->tblVargas;
    const std::vector<VargaRow> rows = VargaRows(reading);
    ASSERT_EQ(table->rowCount(), 16);
    struct Case {
        int row;
        int column;
        std::string shown;
        bool bold;
    };
    const auto edge = [](const ClockEdge& e) { return ClockEdgeText(e).toStdString(); };
    for (const Case& c :
         {Case{0, 12, edge(rows[0].toEdge) + " *", true},
          Case{0, 11, edge(rows[0].fromEdge), false},
          Case{5, 11, edge(rows[5].fromEdge) + " *", true},
          Case{15, 12, edge(rows[15].toEdge), false}, Case{5, 0, "D9 Navamsa", false},
          Case{5, 1, rows[5].ascendantAbbreviation, false},
          Case{5, 3, rows[5].bodyAbbreviations[1], false}}) {
        const QTableWidgetItem* item = table->item(c.row, c.column);
        ASSERT_NE(item, nullptr);
        EXPECT_EQ(item->text().toStdString(), c.shown) << c.row << " " << c.column;
        EXPECT_EQ(item->font().bold(), c.bold) << c.row << " " << c.column;
    }
    EXPECT_EQ(table->item(0, 12)->data(Qt::AccessibleTextRole).toString().toStdString(),
              "D1 holds to " + edge(rows[0].toEdge) + ", within 15 minutes of the birth");
    EXPECT_EQ(table->item(5, 3)->data(Qt::AccessibleTextRole).toString().toStdString(),
              "Moon in " + rows[5].bodySigns[1]);
    EXPECT_EQ(table->item(15, 12)->toolTip(), WindowText(rows[15]));
}

TEST_F(VedicTabsTest, TodaysPeriodsAreMarkedAndOpenedDownToThePratyantar) {
    for (const QDate& today : {QDate(2026, 12, 8), QDate(2071, 3, 1)}) {
        SCOPED_TRACE(today.toString(Qt::ISODate).toStdString());
        fakes.clock.date = today;
        open(MakeReading(firstExampleBirth()));
        const QString date = today.toString(Qt::ISODate);
        ASSERT_EQ(mahas().size(), 9U);
        const std::vector<QTreeWidgetItem*> maha = marked(mahas());
        ASSERT_EQ(maha.size(), 1U);
        expectRunsOn(maha[0], date);
        EXPECT_TRUE(maha[0]->isExpanded());
        EXPECT_TRUE(spoken(maha[0]).startsWith(maha[0]->text(0) +
                                               QStringLiteral(" Maha dasha, from ") +
                                               maha[0]->text(1) + QStringLiteral(" to ")));
        const std::vector<QTreeWidgetItem*> antar = marked(children(maha[0]));
        ASSERT_EQ(antar.size(), 1U);
        expectRunsOn(antar[0], date);
        EXPECT_TRUE(antar[0]->isExpanded());
        ASSERT_EQ(antar[0]->childCount(), 9);
        const std::vector<QTreeWidgetItem*> part = marked(children(antar[0]));
        ASSERT_EQ(part.size(), 1U);
        expectRunsOn(part[0], date);
        EXPECT_TRUE(spoken(part[0]).contains(QStringLiteral(" Pratyantar dasha of %1 and %2")
                                                 .arg(maha[0]->text(0), antar[0]->text(0))));
        // Only the Maha periods running today are marked.
        for (QTreeWidgetItem* other : mahas()) {
            if (other != maha[0]) {
                EXPECT_TRUE(marked(children(other)).empty());
            }
        }
    }
}

TEST_F(VedicTabsTest, AnotherAntarPeriodShowsItsPratyantarPeriodsWhenOpened) {
    open(MakeReading(firstExampleBirth()));
    QTreeWidgetItem* antar = mahas().at(8)->child(4);
    EXPECT_EQ(antar->childCount(), 0);
    EXPECT_EQ(antar->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    antar->setExpanded(true);
    ASSERT_EQ(antar->childCount(), 9);
    EXPECT_EQ(antar->child(0)->text(0), antar->text(0)); // from its own lord on
    EXPECT_EQ(antar->child(0)->text(1), antar->text(1));
    EXPECT_EQ(antar->child(8)->text(2), antar->text(2));
    EXPECT_TRUE(marked(children(antar)).empty());
    antar->setExpanded(false);
    antar->setExpanded(true);
    EXPECT_EQ(antar->childCount(), 9);
}

TEST_F(VedicTabsTest, TheYearChoiceRecomputesTheDashaAndIsRemembered) {
    const Reading sidereal = MakeReading(firstExampleBirth());
    open(sidereal);
    QComboBox* year = display->cboDashaYear;
    EXPECT_EQ(year->currentText(), QStringLiteral("Sidereal (365.256363 days)"));
    EXPECT_EQ(year->itemText(1), QStringLiteral("Julian (365.25 days)"));
    EXPECT_EQ(year->itemText(2), QStringLiteral("Savana (360 days)"));
    EXPECT_EQ(year->accessibleName(), QStringLiteral("Dasha year"));
    const QString siderealEnd = mahas().back()->text(2);

    year->setFocus();
    QTest::keyClick(year, Qt::Key_Down);
    QTest::keyClick(year, Qt::Key_Down);
    ASSERT_EQ(year->currentIndex(), 2);

    Reading savana = sidereal;
    SetDashaYear(savana, DashaYear::Savana);
    const DashaTable table = *DashaTableOf(savana);
    EXPECT_EQ(mahas().back()->text(2).toStdString(), table.maha.back().period.endDate);
    EXPECT_NE(mahas().back()->text(2), siderealEnd);
    EXPECT_EQ(display->lblDashaBalance->text().toStdString(), table.balanceText);
    EXPECT_EQ(app.state().reading.dasha->Year, DashaYear::Savana); // what is printed
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Reading"), QStringLiteral("DashaYear")),
              QStringLiteral("savana"));

    // A new window offers the year chosen last.
    display->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(display.isNull());
    EXPECT_EQ(app.frmDisplay().cboDashaYear->currentIndex(), 2);
}

TEST_F(VedicTabsTest, WithoutPlanetsTheDashaTabSaysWhy) {
    Reading reading = MakeReading(firstExampleBirth());
    open(reading);
    reading.planets = {std::nullopt, "The ephemeris files were not found."};
    SetDashaYear(reading, DashaYear::Sidereal);
    open(reading);
    EXPECT_EQ(display->treDasha->topLevelItemCount(), 0);
    EXPECT_EQ(display->lblDashaBalance->text(),
              QStringLiteral("The ephemeris files were not found."));
    EXPECT_EQ(display->tblVargas->rowCount(), 16);
}

TEST_F(VedicTabsTest, TheChartChoiceRedrawsADivisionalChartAndIsRemembered) {
    const Reading reading = MakeReading(firstExampleBirth());
    open(reading);
    display->SSTab1->setCurrentIndex(0);
    QComboBox* kind = display->cboChartKind;
    ASSERT_EQ(kind->count(), 17);
    EXPECT_EQ(kind->itemText(0), QStringLiteral("Bhava chart"));
    EXPECT_EQ(kind->itemText(1), QStringLiteral("D1 Rasi"));
    EXPECT_EQ(kind->accessibleName(), QStringLiteral("Chart"));
    BhavaChartView* chart = display->picBhavaChart;
    const QImage bhava = chart->grab().toImage();

    kind->setFocus();
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(kind, Qt::Key_Down);
    }
    ASSERT_EQ(kind->currentText(), QStringLiteral("D9 Navamsa"));
    const VargaChart& navamsa = reading.vargas[5];
    EXPECT_TRUE(chart->houseTexts()[0].startsWith(QStringLiteral("House 1, sign %1 %2")
                                                      .arg(navamsa.Ascendant)
                                                      .arg(SignName(navamsa.Ascendant))));
    EXPECT_EQ(chart->accessibleName(), QStringLiteral("D9 Navamsa chart"));
    EXPECT_NE(chart->grab().toImage(), bhava);
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Chart"), QStringLiteral("Kind")),
              QStringLiteral("D9"));

    // The next reading and a new window keep the choice.
    display->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    open(reading);
    EXPECT_EQ(display->cboChartKind->currentText(), QStringLiteral("D9 Navamsa"));
    ASSERT_TRUE(display->picBhavaChart->vargaFigure());
    EXPECT_EQ(display->picBhavaChart->vargaFigure()->title, QStringLiteral("D9 Navamsa"));

    // Back to the Bhava chart.
    display->cboChartKind->setCurrentIndex(0);
    EXPECT_FALSE(display->picBhavaChart->vargaFigure());
    EXPECT_EQ(display->picBhavaChart->houseTexts(),
              BhavaChartHouseTexts(reading.houses, PlanetsOf(reading.planets)));
    EXPECT_EQ(fakes.settings.value(QStringLiteral("Chart"), QStringLiteral("Kind")),
              QStringLiteral("bhava"));
}
