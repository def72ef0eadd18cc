#include "display/frm_display.h"
#include "engine/bhava_result.h"
#include "entry/frm_main.h"
#include "planets/mod_planets.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"
#include "shell/application.h"
#include "shell/frm_referral.h"
#include "support/fake_services.h"
#include "support/sample_planets.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

// The reading window as the driver leaves it: house 1 on the interpretation
// tab, the window shown.
class FrmDisplayTest : public testing::Test {
protected:
    FrmDisplayTest() : app(fakes.services()), display(&app.frmDisplay()) {
        app.state().currentHouse = 0;
        display->showHouse(0);
        display->show();
    }

    void openInterpretationTab() { display->SSTab1->setCurrentIndex(1); }

    void clickName(int times) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(display->lblName, Qt::LeftButton);
        }
    }

    // Runs the deferred deletion of closed windows.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FakeServices fakes;
    Application app;
    QPointer<FrmDisplay> display;
};

QString lastUrl(const FakeBrowser& browser) {
    return browser.urls.empty() ? QString() : browser.urls.back().toString();
}

QString pageOf(void (*open)(Browser&)) {
    FakeBrowser browser;
    open(browser);
    return lastUrl(browser);
}

} // namespace

TEST_F(FrmDisplayTest, WindowCarriesItsCaptionsAndMenu) {
    EXPECT_EQ(display->windowTitle(), QStringLiteral("Kelvaro v1.15"));
    EXPECT_EQ(display->SSTab1->tabText(0), QStringLiteral("Bhava Chart"));
    EXPECT_EQ(display->SSTab1->tabText(1), QStringLiteral("Interpretation of Houses"));
    EXPECT_EQ(display->cmdSave->text(), QStringLiteral("&Save"));
    EXPECT_EQ(display->cmdOK->text(), QStringLiteral("&Back"));
    EXPECT_EQ(display->cmdExit->text(), QStringLiteral("&Exit"));
    EXPECT_TRUE(
        display->lblCobrand->text().contains(QStringLiteral("Put your site's name &  link here.")));

    const std::vector<QString> topLevel{QStringLiteral("&File"), QStringLiteral("&Help"),
                                        QStringLiteral("&Donate")};
    std::vector<QString> shown;
    for (QAction* action : display->menuBar()->actions()) {
        if (action->isVisible()) {
            shown.push_back(action->text());
        }
    }
    EXPECT_EQ(shown, topLevel);
    EXPECT_FALSE(display->mkmoney->isVisible());

    QStringList help;
    for (QAction* action : display->mnuHelp->actions()) {
        help << (action->isSeparator() ? QStringLiteral("-") : action->text());
    }
    EXPECT_EQ(help, QStringList({"&Online Help", "&Visit Us Online", "-",
                                 "&Check for Software Update", "-", "&About Software"}));
}

TEST_F(FrmDisplayTest, TwelveClicksOnTheNameComeBackToTheFirstHouse) {
    openInterpretationTab();
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    for (int clicks = 0; clicks <= 12; ++clicks) {
        SCOPED_TRACE(testing::Message() << clicks << " clicks");
        const int house = clicks % 12;
        EXPECT_EQ(app.state().currentHouse, house);
        EXPECT_EQ(display->lblName->text(), catalogue.prompt(house + 1));
        EXPECT_EQ(display->lblHouseName->text(), catalogue.house(house).HouseName);
        EXPECT_EQ(display->txtHouseDesc->toPlainText(), catalogue.house(house).Description);
        clickName(1);
    }
}

TEST_F(FrmDisplayTest, ElevenClicksShowTheTwelfthHouseWithThePromptForTheFirst) {
    openInterpretationTab();
    clickName(11);

    EXPECT_EQ(display->lblName->text(),
              QStringLiteral("Click Here To Show Characteristics Of 1st House"));
    EXPECT_EQ(display->lblHouseName->text(), QStringLiteral("The House of Shortcomings"));
    EXPECT_EQ(display->lblSanskritName->text(), QStringLiteral("Vyaya Bhava"));
    EXPECT_EQ(display->lblPlanetRuler->text(), QStringLiteral("Neptune"));
    EXPECT_EQ(display->lblSignRuler->text(), QStringLiteral("Pisces"));
    EXPECT_EQ(display->lblKeywords->text(), QStringLiteral("Compassion, Intuition, Mental Health"));
    EXPECT_EQ(display->lblMantra->text(), QStringLiteral("To Reintegrate"));
    EXPECT_EQ(display->lblType->text(), QStringLiteral("Cadent House (Adaptable)"));
    EXPECT_EQ(display->lblQuality->text(), QStringLiteral("Mutable (Apoklima) "));
    EXPECT_EQ(display->lblElement->text(), QStringLiteral("Water (Moksha) Houses"));

    clickName(1);
    EXPECT_EQ(display->lblName->text(),
              QStringLiteral("Click Here To Show Characteristics Of 2nd House"));
    EXPECT_EQ(display->lblHouseName->text(), QStringLiteral("The House of Identity"));
}

TEST_F(FrmDisplayTest, AHouseIndexOutOfRangeStartsAgainAtTheFirstHouse) {
    for (const std::int16_t broken : {std::int16_t{-3}, std::int16_t{11}, std::int16_t{40}}) {
        app.state().currentHouse = broken;
        display->ShowNextHouse();
        EXPECT_EQ(app.state().currentHouse, 0) << broken;
        EXPECT_EQ(display->lblHouseName->text(), QStringLiteral("The House of Identity"));
    }
}

TEST_F(FrmDisplayTest, ShowChartWritesEveryFigure) {
    BhavaResult result;
    result.JulianDayValue = 2451545;
    result.AyanamsaText = "-23° 51' 14\"";
    result.AscendantText = "13° 10' 47\" Pis";
    result.MidheavenText = "10° 40' 32\" Sag";
    for (std::size_t i = 0; i < 12; ++i) {
        result.BhavaMadhyaText.at(i) = std::to_string(i) + "° 1' 2\" Ari";
        result.BhavaSandhiText.at(i) = std::to_string(i) + "° 3' 4\" Tau";
    }

    display->showReading(Reading{{}, result, {}});

    EXPECT_EQ(display->lblJulianDay->text(), QStringLiteral("2451545"));
    EXPECT_EQ(display->lblAyanamsa->text(), QStringLiteral("-23° 51' 14\""));
    EXPECT_EQ(display->lblAscendant->text(), QStringLiteral("13° 10' 47\" Pis"));
    EXPECT_EQ(display->lblMidheaven->text(), QStringLiteral("10° 40' 32\" Sag"));
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(testing::Message() << "house " << i + 1);
        const auto slot = static_cast<std::size_t>(i);
        EXPECT_EQ(display->lblBhavaMadhya.at(slot)->text(),
                  QStringLiteral("%1° 1' 2\" Ari").arg(i));
        EXPECT_EQ(display->lblBhavaSandhi.at(slot)->text(),
                  QStringLiteral("%1° 3' 4\" Tau").arg(i));
        EXPECT_EQ(display->lblBhavaMadhya.at(slot)->objectName(),
                  QStringLiteral("lblBhavaMadhya_%1").arg(i));
        EXPECT_EQ(display->lblBhavaSandhi.at(slot)->objectName(),
                  QStringLiteral("lblBhavaSandhi_%1").arg(i));
    }
}

namespace {

// A reading's planets made by hand: the figures the window must show.
PlanetsOutcome handMadePlanets() {
    PlanetsReading r;
    const std::array<const char*, 9> positions = {
        "16° 16' 52\" Sag", "16° 42' 39\" Lib", "3° 55' 53\" Aqu",
        "7° 40' 43\" Sag",  "1° 23' 23\" Ari",  "7° 26' 5\" Sco",
        "16° 32' 46\" Ari", "11° 11' 55\" Can", "11° 11' 55\" Cap"};
    for (std::size_t i = 0; i < 9; ++i) {
        PlanetPlacement& p = r.Planets.at(i);
        p.Name = kPlanetNames.at(i);
        p.LongitudeText = positions.at(i);
        p.Sign = static_cast<int>(i) + 1;
        p.Bhava = 12 - static_cast<int>(i);
        p.MinutesEarlier = 40 + static_cast<int>(i);
        p.MinutesLater = 81;
    }
    r.Planets[4].MinutesLater = 11;      // Jupiter: within 15 minutes
    r.Planets[6].Retrograde = true;      // Saturn
    r.Planets[8].Retrograde = true;      // Ketu
    r.Planets[8].MinutesEarlier.reset(); // more than four hours
    r.Planets[0].MinutesEarlier = 15;    // the Sun: just within
    r.Planets[1].MinutesEarlier = 16;    // the Moon: just beyond
    r.AscendantSignMinutesEarlier = 37;
    r.AscendantSignMinutesLater = 3;
    return {r, {}};
}

BhavaResult ascendantInPisces() {
    BhavaResult houses;
    houses.Ascendant = 343.18;
    houses.AscendantText = "13° 10' 47\" Pis";
    return houses;
}

QString cellText(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item != nullptr ? item->text() : QStringLiteral("(none)");
}

// What a screen reader says for a cell.
QString spokenCell(QTableWidget* table, int row, int column) {
    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(table);
    QAccessibleTableInterface* cells = view != nullptr ? view->tableInterface() : nullptr;
    QAccessibleInterface* cell = cells != nullptr ? cells->cellAt(row, column) : nullptr;
    return cell != nullptr ? cell->text(QAccessible::Name) : QStringLiteral("(none)");
}

} // namespace

TEST_F(FrmDisplayTest, ThePlanetsTabShowsEachBodyAndTheAscendant) {
    ASSERT_EQ(display->SSTab1->count(), 5);
    EXPECT_EQ(display->SSTab1->tabText(2), QStringLiteral("Planets in Bhavas"));
    EXPECT_EQ(display->SSTab1->widget(2), display->tabPlanets);
    EXPECT_EQ(display->tabPlanets->objectName(), QStringLiteral("tabPlanets"));
    EXPECT_EQ(display->tabPlanets->accessibleName(), QStringLiteral("Planets in Bhavas"));

    display->showReading(Reading{{}, ascendantInPisces(), handMadePlanets()});
    display->SSTab1->setCurrentIndex(2);

    QTableWidget* table = display->tblPlanets;
    ASSERT_EQ(table->rowCount(), 10);
    ASSERT_EQ(table->columnCount(), 9);
    const QStringList headings = {"Planet",        "Position",  "Sign", "Bhava", "Minutes earlier",
                                  "Minutes later", "Nakshatra", "Pada", "Lord"};
    for (int column = 0; column < 9; ++column) {
        EXPECT_EQ(table->horizontalHeaderItem(column)->text(), headings.at(column));
    }
    const std::vector<std::vector<const char*>> rows = {
        {"Sun", "16° 16' 52\" Sag", "Aries", "12", "15 *", "81"},
        {"Moon", "16° 42' 39\" Lib", "Taurus", "11", "16", "81"},
        {"Jupiter", "1° 23' 23\" Ari", "Leo", "8", "44", "11 *"},
        {"Saturn (R)", "16° 32' 46\" Ari", "Libra", "6", "46", "81"},
        {"Ketu (R)", "11° 11' 55\" Cap", "Sagittarius", "4", "> 240", "81"},
        {"Ascendant", "13° 10' 47\" Pis", "Pisces", "1", "37", "3 *"},
    };
    for (const auto& expected : rows) {
        int row = 0;
        while (row < 10 && cellText(table, row, 0) != QString::fromUtf8(expected[0])) {
            ++row;
        }
        ASSERT_LT(row, 10) << expected[0];
        for (int column = 1; column < 6; ++column) {
            EXPECT_EQ(cellText(table, row, column), QString::fromUtf8(expected.at(column)))
                << expected[0] << " column " << column;
        }
    }
    EXPECT_EQ(cellText(table, 9, 0), QStringLiteral("Ascendant"));
    EXPECT_TRUE(display->lblPlanetsNote->text().contains(QStringLiteral("within 15 minutes")));
}

// The nakshatra columns of a computed reading: the Moon's lord is the one whose
// dasha runs at birth, and the ascendant has its nakshatra too.
TEST_F(FrmDisplayTest, ThePlanetsTabShowsEachNakshatraWithItsPadaAndLord) {
    const Reading reading = MakeReading(firstExampleBirth(), {{}, false, DashaYear::Sidereal});
    ASSERT_TRUE(reading.dasha);
    display->showReading(reading);
    QTableWidget* table = display->tblPlanets;
    ASSERT_EQ(table->rowCount(), 10);
    const std::optional<DashaTable> dasha = DashaTableOf(reading);
    EXPECT_EQ(cellText(table, 1, 8), QString::fromStdString(dasha->lordAtBirth));
    const NakshatraPlace& rising = reading.ascendantNakshatra;
    EXPECT_EQ(cellText(table, 9, 6), QString::fromLatin1(rising.Name));
    EXPECT_EQ(cellText(table, 9, 7), QString::number(rising.Pada));
    EXPECT_EQ(cellText(table, 9, 8), QString::fromLatin1(rising.LordName));
    EXPECT_EQ(spokenCell(table, 9, 6),
              QStringLiteral("%1, nakshatra %2").arg(rising.Name).arg(rising.Number));
    EXPECT_EQ(spokenCell(table, 9, 7), QStringLiteral("pada %1").arg(rising.Pada));
    for (int row = 0; row < 9; ++row) {
        EXPECT_FALSE(cellText(table, row, 6).isEmpty()) << row;
    }
}

TEST_F(FrmDisplayTest, CloseMinutesStandOutInColourAndInWords) {
    display->showReading(Reading{{}, ascendantInPisces(), handMadePlanets()});
    display->SSTab1->setCurrentIndex(2);
    QTableWidget* table = display->tblPlanets;
    const QTableWidgetItem* close = table->item(4, 5); // Jupiter, 11 minutes later
    const QTableWidgetItem* far = table->item(4, 4);   // Jupiter, 44 minutes earlier
    EXPECT_TRUE(close->font().bold());
    EXPECT_NE(close->background(), far->background());
    EXPECT_FALSE(far->font().bold());
    EXPECT_EQ(spokenCell(table, 4, 5), QStringLiteral("11 minutes later, within 15 minutes"));
    EXPECT_EQ(spokenCell(table, 4, 4), QStringLiteral("44 minutes earlier"));
    EXPECT_EQ(spokenCell(table, 8, 4), QStringLiteral("more than 240 minutes earlier"));
    EXPECT_EQ(spokenCell(table, 6, 0), QStringLiteral("Saturn, retrograde"));
    EXPECT_EQ(spokenCell(table, 0, 4), QStringLiteral("15 minutes earlier, within 15 minutes"));
    EXPECT_EQ(spokenCell(table, 1, 4), QStringLiteral("16 minutes earlier"));
    EXPECT_TRUE(close->toolTip().contains(QStringLiteral("Jupiter would stand in another Bhava")));
    EXPECT_TRUE(table->item(9, 5)->toolTip().contains(QStringLiteral("another sign")));
}

TEST_F(FrmDisplayTest, ThePlanetsCannotBeEdited) {
    display->showReading(Reading{{}, ascendantInPisces(), handMadePlanets()});
    display->SSTab1->setCurrentIndex(2);
    QTableWidget* table = display->tblPlanets;
    table->setCurrentCell(0, 3);
    const QRect bhava = table->visualItemRect(table->item(0, 3));
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, bhava.center());
    QTest::keyClicks(table->viewport(), QStringLiteral("7"));
    QTest::keyClick(table->viewport(), Qt::Key_Return);
    EXPECT_EQ(cellText(table, 0, 3), QStringLiteral("12"));
    EXPECT_FALSE(table->item(0, 3)->flags().testFlag(Qt::ItemIsEditable));
}

TEST_F(FrmDisplayTest, WithoutPlanetsTheTabSaysWhy) {
    display->showReading(Reading{{}, ascendantInPisces(), handMadePlanets()});
    const PlanetsOutcome missing{std::nullopt, "The ephemeris files were not found."};
    display->showReading(Reading{{}, ascendantInPisces(), missing});
    EXPECT_EQ(display->tblPlanets->rowCount(), 0);
    EXPECT_EQ(display->lblPlanetsNote->text(),
              QStringLiteral("The ephemeris files were not found."));
    // The next reading with planets fills the table again.
    display->showReading(Reading{{}, ascendantInPisces(), handMadePlanets()});
    EXPECT_EQ(display->tblPlanets->rowCount(), 10);
    EXPECT_EQ(cellText(display->tblPlanets, 2, 0), QStringLiteral("Mars"));
}

TEST_F(FrmDisplayTest, TheDescriptionBoxClearsOnlyWhatWasTakenFromIt) {
    openInterpretationTab();
    QWidget* viewport = display->txtHouseDesc->viewport();
    const QPoint inside = viewport->rect().center();
    const std::vector<std::pair<const char*, std::function<void()>>> events{
        {"text change", [this] { display->showHouse(5); }},
        {"click", [&] { QTest::mouseClick(viewport, Qt::LeftButton, {}, inside); }},
        {"mouse down", [&] { QTest::mousePress(viewport, Qt::LeftButton, {}, inside); }},
        {"mouse up", [&] { QTest::mouseRelease(viewport, Qt::LeftButton, {}, inside); }},
        {"double click", [&] { QTest::mouseDClick(viewport, Qt::LeftButton, {}, inside); }},
        {"mouse move",
         [&] {
             QMouseEvent move(QEvent::MouseMove, inside, viewport->mapToGlobal(inside),
                              Qt::NoButton, Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(viewport, &move);
         }},
    };
    QClipboard* clipboard = QGuiApplication::clipboard();
    // Text selected in the description and copied, as the selection buffer
    // takes it on a desktop.
    const auto copyFromTheDescription = [this, clipboard] {
        QTextCursor cursor = display->txtHouseDesc->textCursor();
        cursor.setPosition(5);
        cursor.setPosition(25, QTextCursor::KeepAnchor);
        display->txtHouseDesc->setTextCursor(cursor);
        clipboard->setText(cursor.selectedText());
    };
    for (const auto& [name, fire] : events) {
        copyFromTheDescription();
        ASSERT_FALSE(clipboard->text().isEmpty());
        fire();
        EXPECT_TRUE(clipboard->text().isEmpty()) << name;

        // What came from elsewhere, another program included, stays.
        clipboard->setText(QStringLiteral("copied from another program"));
        fire();
        EXPECT_EQ(clipboard->text(), QStringLiteral("copied from another program")) << name;
    }

    // The copy keys do nothing in the description.
    clipboard->setText(QStringLiteral("kept"));
    display->txtHouseDesc->setFocus();
    display->txtHouseDesc->selectAll();
    QTest::keyClick(display->txtHouseDesc, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), QStringLiteral("kept"));

    // Elsewhere in the window the clipboard is left alone.
    clipboard->setText(QStringLiteral("kept"));
    QTest::mouseClick(display->lblHouseName, Qt::LeftButton);
    EXPECT_EQ(clipboard->text(), QStringLiteral("kept"));
}

TEST_F(FrmDisplayTest, TheDescriptionCannotBeTypedInto) {
    openInterpretationTab();
    const QString before = display->txtHouseDesc->toPlainText();
    display->txtHouseDesc->setFocus();
    QTest::keyClicks(display->txtHouseDesc, QStringLiteral("xyz"));
    QTest::keyClick(display->txtHouseDesc, Qt::Key_Backspace);
    QTest::keyClick(display->txtHouseDesc, Qt::Key_Delete);
    EXPECT_EQ(display->txtHouseDesc->toPlainText(), before);
    EXPECT_TRUE(display->txtHouseDesc->isReadOnly());
    EXPECT_EQ(display->txtHouseDesc->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(FrmDisplayTest, BackBringsTheInputWindowAndLeavesNoReferralWindow) {
    const std::vector<std::pair<const char*, std::function<void(FrmDisplay&)>>> ways{
        {"button", [](FrmDisplay& window) { QTest::mouseClick(window.cmdOK, Qt::LeftButton); }},
        {"menu", [](FrmDisplay& window) { window.mnuFileBack->trigger(); }},
    };
    for (const auto& [name, goBack] : ways) {
        SCOPED_TRACE(name);
        app.frmMain().hide();
        FrmDisplay& window = app.frmDisplay();
        window.show();

        goBack(window);
        settle();

        EXPECT_EQ(app.loadedFrmDisplay(), nullptr);
        ASSERT_NE(app.loadedFrmMain(), nullptr);
        EXPECT_TRUE(app.loadedFrmMain()->isVisible());
        // The window's unloading brought the referral window; Back hid it again.
        ASSERT_NE(app.loadedReferralWindow(), nullptr);
        EXPECT_FALSE(app.loadedReferralWindow()->isVisible());
    }
}

TEST_F(FrmDisplayTest, ExitAndTheCloseBoxShowTheReferralWindow) {
    const std::vector<std::pair<const char*, std::function<void(FrmDisplay&)>>> ways{
        {"button", [](FrmDisplay& window) { QTest::mouseClick(window.cmdExit, Qt::LeftButton); }},
        {"menu", [](FrmDisplay& window) { window.mnuExit->trigger(); }},
        {"close box", [](FrmDisplay& window) { window.close(); }},
    };
    for (const auto& [name, leave] : ways) {
        SCOPED_TRACE(name);
        app.hideReferralWindow();
        FrmDisplay& window = app.frmDisplay();
        window.show();

        leave(window);
        settle();

        EXPECT_EQ(app.loadedFrmDisplay(), nullptr);
        ASSERT_NE(app.loadedReferralWindow(), nullptr);
        EXPECT_TRUE(app.loadedReferralWindow()->isVisible());
        EXPECT_TRUE(app.loadedFrmMain() == nullptr || !app.loadedFrmMain()->isVisible());
        EXPECT_FALSE(app.ended());
    }
}

TEST_F(FrmDisplayTest, EveryLinkOpensItsPage) {
    display->mkmoney->setVisible(true); // hidden from the user; its action still holds
    const std::vector<std::tuple<const char*, std::function<void()>, QString>> links{
        {"Label61", [this] { QTest::mouseClick(display->Label61, Qt::LeftButton); },
         pageOf(&OpenHomePage)},
        {"mnuVisit", [this] { display->mnuVisit->trigger(); }, pageOf(&OpenHomePage)},
        {"mnuOnline", [this] { display->mnuOnline->trigger(); }, pageOf(&OpenOnlineHelpPage)},
        {"mnuUpdate", [this] { display->mnuUpdate->trigger(); }, pageOf(&OpenDownloadPage)},
        {"mnuDonate", [this] { display->mnuDonate->trigger(); }, pageOf(&OpenDonatePage)},
        {"lblCobrand", [this] { QTest::mouseClick(display->lblCobrand, Qt::LeftButton); },
         pageOf(&OpenCoBrandPage)},
        {"Label19", [this] { QTest::mouseClick(display->Label19, Qt::LeftButton); },
         pageOf(&OpenCoBrandPage)},
        {"lblFullBrand", [this] { QTest::mouseClick(display->lblFullBrand, Qt::LeftButton); },
         pageOf(&OpenFullBrandPage)},
        {"Label1", [this] { QTest::mouseClick(display->Label1, Qt::LeftButton); },
         pageOf(&OpenFullBrandPage)},
        {"mkmoney", [this] { display->mkmoney->trigger(); }, pageOf(&OpenFullBrandPage)},
    };
    for (const auto& [name, follow, page] : links) {
        SCOPED_TRACE(name);
        ASSERT_FALSE(page.isEmpty());
        fakes.browser.urls.clear();
        follow();
        ASSERT_EQ(fakes.browser.urls.size(), 1U);
        EXPECT_EQ(lastUrl(fakes.browser), page);
    }
    EXPECT_EQ(display->Label19->text(), QStringLiteral("12"));
    EXPECT_EQ(display->Label1->text(), QStringLiteral("House"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(FrmDisplayTest, AboutSoftwareShowsTheAboutWindowModally) {
    QString shownModal;
    // Closes the about window as soon as its modal loop runs.
    QTimer::singleShot(0, display, [&shownModal] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr) {
            shownModal = modal->objectName();
            modal->close();
        }
    });
    display->mnuAbout->trigger();
    EXPECT_EQ(shownModal, QStringLiteral("frmAbout"));
    EXPECT_TRUE(fakes.browser.urls.empty());
}

// The user may shrink the window as far as it lets them: every text must still
// show whole, the wrapped banners included.
TEST_F(FrmDisplayTest, TextsShowWholeAtTheSmallestWindowSize) {
    BhavaResult result;
    result.JulianDayValue = 2488069;
    result.AyanamsaText = "-29° 59' 59\"";
    result.AscendantText = "29° 59' 59\" Sag";
    result.MidheavenText = "29° 59' 59\" Sag";
    result.BhavaMadhyaText.fill("29° 59' 59\" Sag");
    result.BhavaSandhiText.fill("29° 59' 59\" Sag");
    display->showReading(Reading{{}, result, {}});
    display->resize(1, 1);
    const auto expectNothingClipped = [this] {
        QApplication::processEvents(); // the layouts follow the new texts
        for (QLabel* label : display->findChildren<QLabel*>()) {
            if (!label->isVisibleTo(display)) {
                continue;
            }
            const std::string name =
                label->objectName().toStdString() + " " + label->text().left(20).toStdString();
            const int needed = label->wordWrap() ? label->heightForWidth(label->width())
                                                 : label->sizeHint().height();
            EXPECT_GE(label->height(), needed) << name;
            if (!label->wordWrap()) {
                EXPECT_GE(label->width(), label->sizeHint().width()) << name;
            }
        }
    };
    expectNothingClipped();
    openInterpretationTab();
    for (int house = 0; house < 12; ++house) {
        SCOPED_TRACE(testing::Message() << "house " << house + 1);
        display->showHouse(house);
        expectNothingClipped();
    }

    // The planets table with its widest texts, every row and column in view.
    PlanetsOutcome widest = handMadePlanets();
    for (PlanetPlacement& p : widest.Reading->Planets) {
        p.LongitudeText = "29° 59' 59\" Sag";
        p.Retrograde = true;
        p.Sign = 9;
        p.MinutesLater.reset();
    }
    display->showReading(Reading{{}, result, widest});
    display->SSTab1->setCurrentWidget(display->tabPlanets);
    expectNothingClipped();
    QTableWidget* table = display->tblPlanets;
    EXPECT_LE(table->horizontalHeader()->length(), table->viewport()->width());
    EXPECT_LE(table->verticalHeader()->length(), table->viewport()->height());
    const QFontMetrics metrics = table->fontMetrics();
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem* item = table->item(row, column);
            QFontMetrics itemMetrics(item->font());
            EXPECT_LE(itemMetrics.horizontalAdvance(item->text()),
                      table->visualItemRect(item).width())
                << item->text().toStdString();
        }
    }
}

TEST_F(FrmDisplayTest, SaveAsksForTheReadingFile) {
    QTest::mouseClick(display->cmdSave, Qt::LeftButton); // the fake dialog answers "cancelled"
    ASSERT_EQ(fakes.dialogs.fileDialogs.size(), 1U);
    EXPECT_EQ(fakes.dialogs.fileDialogs[0].defaultSuffix, QStringLiteral("kvr"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_TRUE(display->isVisible());
}
