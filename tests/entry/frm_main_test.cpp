#include "entry/frm_main.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "shell/application.h"
#include "shell/frm_referral.h"
#include "support/fake_services.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

class FrmMainTest : public testing::Test {
protected:
    FakeServices fakes;
    Application app{fakes.services()};
    FrmMain& frm = app.frmMain();

    // Shown and active, as a user sees it, so that focus and access keys work.
    void showActive() {
        frm.show();
        frm.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    // A birth that passes every check, so that one field at a time can be spoiled.
    void fillValidBirth() {
        const std::pair<QLineEdit*, const char*> texts[] = {
            {frm.txtName, "RAM"}, {frm.txtZoneHour, "-5"}, {frm.txtZoneMinute, "-30"},
            {frm.txtLonD, "73"},  {frm.txtLonM, "51"},     {frm.txtLatD, "18"},
            {frm.txtLatM, "31"}};
        for (const auto& [box, text] : texts) {
            box->setText(QLatin1String(text));
        }
    }

    QLineEdit* box(const char* name) { return frm.findChild<QLineEdit*>(QLatin1String(name)); }
    QString focusName() const { return frm.focusWidget()->objectName(); }

    // The URL a link action opens, to compare with what a control opened.
    static QUrl linkOf(void (*open)(Browser&)) {
        FakeBrowser browser;
        open(browser);
        return browser.urls.at(0);
    }
};

// What a screen reader announces as a control's name. A drop-down list's own
// name on Linux is its chosen entry, so there it is the label tied to it.
QString spokenName(QWidget* widget) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (qobject_cast<QComboBox*>(widget) != nullptr) {
        const auto labels = face->relations(QAccessible::Label);
        return labels.size() == 1 ? labels.front().first->text(QAccessible::Name) : QString();
    }
    return face->text(QAccessible::Name);
}

TEST_F(FrmMainTest, StartsWithTheListsFilledAndTheBoxesEmpty) {
    const struct {
        QComboBox* list;
        int count;
        const char* first;
        const char* last;
    } lists[] = {{frm.cboMonth, 12, "January", "December"},
                 {frm.cboDate, 31, "1", "31"},
                 {frm.cboYear, 150, "1901", "2050"},
                 {frm.cboHH, 24, "0", "23"},
                 {frm.cboMM, 60, "0", "59"},
                 {frm.cboSS, 60, "0", "59"}};
    for (const auto& [list, count, first, last] : lists) {
        EXPECT_EQ(list->count(), count);
        EXPECT_EQ(list->currentText(), QLatin1String(first));
        EXPECT_EQ(list->itemText(count - 1), QLatin1String(last));
        EXPECT_FALSE(list->isEditable());
    }
    EXPECT_EQ(frm.cboMonth->itemText(8), QStringLiteral("September"));
    EXPECT_EQ(frm.cboYear->itemText(99), QStringLiteral("2000"));

    for (const char* name : {"txtName", "txtZoneHour", "txtZoneMinute", "txtLatD", "txtLatM",
                             "txtLonD", "txtLonM", "txtMCity", "txtMState", "txtMCountry"}) {
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    }
    EXPECT_EQ(frm.chkDST->checkState(), Qt::Unchecked);
    EXPECT_TRUE(frm.optLat[0]->isChecked() && frm.optLong[0]->isChecked());
    EXPECT_EQ(frm.windowTitle(), QStringLiteral("Kelvaro v1.15"));
    EXPECT_EQ(frm.Label11->text(),
              QStringLiteral("Know what the Bhavas or the Houses of your natal chart have to tell "
                             "you. Understand your life better witht his software."));
    EXPECT_EQ(frm.cmdBrowser->text(), QStringLiteral("Click Here To Find Latitude && Longitude"));
}

TEST_F(FrmMainTest, EveryControlHasTheNameAListenerHears) {
    const std::pair<const char*, const char*> names[] = {
        {"txtName", "Name"},
        {"cboMonth", "Month"},
        {"cboDate", "Day"},
        {"cboYear", "Year"},
        {"cboHH", "Hour"},
        {"cboMM", "Minute"},
        {"cboSS", "Second"},
        {"txtZoneHour", "Zone hour"},
        {"txtZoneMinute", "Zone minutes"},
        {"txtLatD", "Latitude degrees"},
        {"txtLatM", "Latitude minutes"},
        {"txtLonD", "Longitude degrees"},
        {"txtLonM", "Longitude minutes"},
        {"txtMCity", "City"},
        {"txtMState", "State"},
        {"txtMCountry", "Country"},
        {"cmdBrowser", "Click Here To Find Latitude & Longitude"},
        {"cmdOpen", "Open Previously Saved Reading"},
        {"chkDST", "DST"},
        {"optLat_1", "South"},
        {"optLong_1", "West"},
    };
    for (const auto& [name, spoken] : names) {
        QWidget* widget = frm.findChild<QWidget*>(QLatin1String(name));
        ASSERT_NE(widget, nullptr) << name;
        EXPECT_EQ(spokenName(widget), QLatin1String(spoken)) << name;
    }
}

struct KeyCase {
    const char* box;
    const char* before;
    const char* typed;                     // characters typed one by one...
    QKeyCombination key = Qt::Key_unknown; // ...or one key press
    const char* after;
    bool refused = false;
};

TEST_F(FrmMainTest, KeyFiltersAcceptSomeKeysAndRefuseTheRestWithAMessage) {
    const auto ctrl = [](Qt::Key key) { return QKeyCombination(Qt::ControlModifier, key); };
    const KeyCase cases[] = {
        {"txtName", "", "Sita ram", {}, "SITA RAM"},
        {"txtName", "RAMA", "", Qt::Key_Backspace, "RAM"},
        {"txtName", "AB", "7", {}, "AB", true},
        {"txtName", "AB", "[", {}, "AB", true}, // between Z and a
        {"txtName", "AB", "", ctrl(Qt::Key_V), "AB", true},
        {"txtZoneHour", "", "-1-0", {}, "-1-0"},
        {"txtZoneHour", "5", "+", {}, "5", true},
        {"txtZoneHour", "5", "", Qt::Key_Return, "5", true},
        {"txtZoneMinute", "3", "-", {}, "3", true},
        {"txtLatD", "", "", Qt::Key_Enter, "", true},
        {"txtLatM", "12", "", ctrl(Qt::Key_C), "12", true},
        {"txtLonD", "12", "", ctrl(Qt::Key_X), "12", true},
        {"txtLonM", "", "", ctrl(Qt::Key_V), "", true},
        {"txtLonM", "12", "", Qt::Key_Backspace, "1"},
        // Keys that type nothing pass unfiltered and do their usual work.
        {"txtLonD", "123", "", Qt::Key_Home, "123"},
        {"txtLonD", "123", "", Qt::Key_Delete, "123"}, // the cursor is at the end
        {"txtLatM", "12", "", Qt::Key_F5, "12"},
        {"txtName", "AB", "", Qt::Key_Shift, "AB"},
        {"txtLatD", "", "", QKeyCombination(Qt::AltModifier, Qt::Key_Q), ""},
        {"txtMCity", "", "St. John's 2", {}, "St. John's 2"},
        // Length limits.
        {"txtLatD", "", "1234", {}, "12"},
        {"txtLatM", "", "1234", {}, "12"},
        {"txtLonD", "", "1234", {}, "123"},
        {"txtLonM", "", "1234", {}, "12"},
    };
    QApplication::clipboard()->setText(QStringLiteral("42"));
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " '" + c.before + "' + '" + c.typed + "'");
        fakes.dialogs.messages.clear();
        QLineEdit* edit = box(c.box);
        edit->setText(QLatin1String(c.before));
        QTest::keyClicks(edit, QLatin1String(c.typed));
        if (c.key.key() != Qt::Key_unknown) {
            QTest::keyClick(edit, c.key.key(), c.key.keyboardModifiers());
        }
        EXPECT_EQ(edit->text(), QLatin1String(c.after));
        ASSERT_EQ(fakes.dialogs.messages.size(), c.refused ? 1U : 0U);
        if (c.refused) {
            const bool name = edit == frm.txtName;
            EXPECT_EQ(fakes.dialogs.messages[0].text,
                      name ? "Please Enter only Letters" : "Only Numbers Are Accepted");
            EXPECT_EQ(fakes.dialogs.messages[0].icon,
                      name ? MessageIcon::Information : MessageIcon::Critical);
        }
    }
    // Delete still deletes, arrows still move.
    QTest::keyClick(frm.txtLonD, Qt::Key_Left);
    QTest::keyClick(frm.txtLonD, Qt::Key_Delete);
    EXPECT_EQ(frm.txtLonD->text(), QStringLiteral("12"));
}

TEST_F(FrmMainTest, ValidationStopsAtTheFirstBadFieldWithItsMessageAndFocus) {
    const QString zoneHour = QStringLiteral("Please Enter Value Between 0 And 14 in the Zone Hour");
    const QString zoneMinute =
        QStringLiteral("Please Enter Value Between 0 And 59 in the Zone Minute");
    const QString lonD =
        QStringLiteral("Please Enter Value Between 0 And 179 in the Degree of Longitude");
    const QString lonM =
        QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    const QString latD =
        QStringLiteral("Please Enter Value Between 0 And 89 in the Degree of Latitude");
    const QString latM =
        QStringLiteral("Please Enter Value Between 0 And 59 in the  Minute of Latitude");
    const struct {
        const char* box;
        const char* text;
        QString message; // empty: the birth passes
    } cases[] = {
        {"txtName", "   ", QStringLiteral("Please Enter Name")},
        {"txtName", " R ", {}},
        {"txtZoneHour", "", zoneHour},
        {"txtZoneHour", "-", zoneHour},
        {"txtZoneHour", "---", zoneHour},
        {"txtZoneHour", "15", zoneHour},
        {"txtZoneHour", "12.5", zoneHour},
        {"txtZoneHour", "14", {}},
        {"txtZoneHour", " -10 ", {}},
        {"txtZoneHour", "-13", {}},
        // Texts no reading could use as a whole number, and zones beyond any
        // on earth, stop at their own field rather than reaching the reading.
        {"txtZoneHour", "1-2", zoneHour},
        {"txtZoneHour", "12abc", zoneHour},
        {"txtZoneHour", "1.5", zoneHour},
        {"txtZoneHour", "-15", zoneHour},
        {"txtZoneHour", "-14", {}},
        {"txtZoneHour", "99999999999999999999", zoneHour},
        {"txtZoneMinute", "60", zoneMinute},
        {"txtZoneMinute", "30x", zoneMinute},
        {"txtZoneMinute", "-60", zoneMinute},
        {"txtZoneMinute", "-59", {}},
        {"txtLonD", "", lonD},
        {"txtLonD", "180", lonD},
        {"txtLonD", "-1", lonD},
        {"txtLonD", "1.5", lonD},
        {"txtLonD", "179", {}},
        {"txtLonM", "60", lonM},
        {"txtLonM", "5x", lonM},
        {"txtLonM", "-1", lonM},
        {"txtLatD", "90", latD},
        {"txtLatD", "4-", latD},
        {"txtLatD", "89", {}},
        {"txtLatM", "", latM},
        {"txtLatM", "-1", latM},
        {"txtLatM", "59", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " '" + c.text + "'");
        fillValidBirth();
        box(c.box)->setText(QLatin1String(c.text));
        frm.cmdRashi->setFocus();
        fakes.dialogs.messages.clear();

        EXPECT_EQ(frm.ValidateBirthData(), c.message.isEmpty());

        if (c.message.isEmpty()) {
            EXPECT_TRUE(fakes.dialogs.messages.empty());
            EXPECT_EQ(focusName(), QStringLiteral("cmdRashi"));
        } else {
            ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
            EXPECT_EQ(fakes.dialogs.messages[0].text, c.message);
            EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
            EXPECT_EQ(focusName(), QLatin1String(c.box));
        }
    }
}

TEST_F(FrmMainTest, ImpossibleDatesAreRefusedWithoutMovingTheFocus) {
    const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
    const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
    const struct {
        int month, day, year;
        QString message;
    } cases[] = {
        {2, 29, 2000, {}},     {2, 29, 1901, february}, {2, 30, 2000, february},
        {2, 28, 1901, {}},     {2, 31, 1904, february}, {4, 31, 1975, thirty},
        {6, 31, 1975, thirty}, {9, 31, 1975, thirty},   {11, 31, 1975, thirty},
        {4, 30, 1975, {}},     {12, 31, 2050, {}},      {8, 31, 1901, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2/%3").arg(c.month).arg(c.day).arg(c.year).toStdString());
        fillValidBirth();
        frm.cboMonth->setCurrentIndex(c.month - 1);
        frm.cboDate->setCurrentIndex(c.day - 1);
        frm.cboYear->setCurrentText(QString::number(c.year));
        frm.cboYear->setFocus();
        fakes.dialogs.messages.clear();

        EXPECT_EQ(frm.ValidateBirthData(), c.message.isEmpty());

        EXPECT_EQ(fakes.messageTexts(),
                  c.message.isEmpty() ? QStringList() : QStringList{c.message});
        if (!c.message.isEmpty()) {
            EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
        }
        EXPECT_EQ(focusName(), QStringLiteral("cboYear"));
    }
}

TEST_F(FrmMainTest, PlaceLookupChecksTheThreeBoxesThenSearches) {
    const struct {
        const char *city, *state, *country;
        const char* stop;   // the box that is missing, or null when searched
        const char* result; // its message, or the query
    } cases[] = {
        {"", "", "", "txtMCity", "Please Enter City"},
        {"", "Goa", "India", "txtMCity", "Please Enter City"},
        {"Pune", "", "", "txtMState", "Please Enter State"},
        {"Pune", "Maharashtra", "", "txtMCountry", "Please Enter Country"},
        {"Pune", "Maharashtra", "India", nullptr, "Pune Maharashtra India Latitude Longitude"},
        {" ", " ", " ", nullptr, "      Latitude Longitude"}, // spaces count as filled
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.result);
        fakes.dialogs.messages.clear();
        fakes.webSearch.searches.clear();
        frm.txtMCity->setText(QLatin1String(c.city));
        frm.txtMState->setText(QLatin1String(c.state));
        frm.txtMCountry->setText(QLatin1String(c.country));
        frm.cmdRashi->setFocus();

        QTest::mouseClick(frm.cmdBrowser, Qt::LeftButton);

        if (c.stop == nullptr) {
            EXPECT_TRUE(fakes.dialogs.messages.empty());
            ASSERT_EQ(fakes.webSearch.searches.size(), 1U);
            EXPECT_EQ(fakes.webSearch.searches[0].first, QLatin1String(c.result));
            EXPECT_EQ(fakes.webSearch.searches[0].second, HomePageAddress());
        } else {
            EXPECT_TRUE(fakes.webSearch.searches.empty());
            ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
            EXPECT_EQ(fakes.dialogs.messages[0].text, QLatin1String(c.result));
            EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
            EXPECT_EQ(focusName(), QLatin1String(c.stop));
        }
    }
}

TEST_F(FrmMainTest, MenuEntriesAndBannersOpenTheirPages) {
    frm.show();
    const struct {
        std::function<void()> use;
        void (*page)(Browser&);
    } links[] = {
        {[&] { frm.mnuOnline->trigger(); }, OpenOnlineHelpPage},
        {[&] { frm.mnuVisit->trigger(); }, OpenHomePage},
        {[&] { frm.mnuUpdate->trigger(); }, OpenDownloadPage},
        {[&] { frm.mnuDonate->trigger(); }, OpenDonatePage},
        {[&] { frm.mkmoney->trigger(); }, OpenFullBrandPage},
        {[&] { QTest::mouseClick(frm.Label61, Qt::LeftButton); }, OpenHomePage},
        {[&] { QTest::mouseClick(frm.lblCobrand, Qt::LeftButton); }, OpenCoBrandPage},
        {[&] { QTest::mouseClick(frm.lblFullBrand, Qt::LeftButton); }, OpenFullBrandPage},
    };
    for (const auto& link : links) {
        fakes.browser.urls.clear();
        link.use();
        ASSERT_EQ(fakes.browser.urls.size(), 1U);
        EXPECT_EQ(fakes.browser.urls[0], linkOf(link.page));
    }
    QStringList bar;
    for (QAction* entry : frm.menuBar()->actions()) {
        bar << entry->text();
    }
    // "Make Money &Online" is hidden; the Language menu comes last.
    EXPECT_EQ(bar, (QStringList{"&File", "&Help", "&Donate", "&Language"}));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(FrmMainTest, TheBannerRaisedLastIsTheOneSeenAndClicked) {
    frm.show();
    QWidget* band = frm.lblCobrand->parentWidget();
    ASSERT_EQ(frm.lblCobrand->geometry(), frm.lblFullBrand->geometry());
    const QPoint middle = frm.lblFullBrand->geometry().center();
    EXPECT_EQ(band->childAt(middle), frm.lblFullBrand); // in front by layout

    fakes.random.draws = {0.0F}; // start-up draws 1: the co-branding banner
    app.CoBrand_Randomize();
    QWidget* front = band->childAt(middle);
    EXPECT_EQ(front, frm.lblCobrand);
    QTest::mouseClick(front, Qt::LeftButton, {}, front->mapFrom(band, middle));
    ASSERT_EQ(fakes.browser.urls.size(), 1U);
    EXPECT_EQ(fakes.browser.urls[0], linkOf(OpenCoBrandPage));

    frm.lblFullBrand->raise();
    EXPECT_EQ(band->childAt(middle), frm.lblFullBrand);
}

TEST_F(FrmMainTest, AboutEntryShowsTheAboutWindow) {
    QString shown;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            shown = modal->objectName();
            modal->close();
        }
    });
    frm.mnuAbout->trigger();
    EXPECT_EQ(shown, QStringLiteral("frmAbout"));
}

TEST_F(FrmMainTest, ClosingShowsTheReferralWindowAndUnloadsTheWindow) {
    for (const bool byMenu : {true, false}) {
        FrmMain& window = app.frmMain();
        window.show();
        byMenu ? window.mnuExit->trigger() : static_cast<void>(window.close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(app.loadedFrmMain(), nullptr);
        ASSERT_NE(app.loadedReferralWindow(), nullptr);
        EXPECT_TRUE(app.loadedReferralWindow()->isVisible());
        app.hideReferralWindow();
    }
}

TEST_F(FrmMainTest, TabFollowsTheOrderAUserFillsTheForm) {
    showActive();
    frm.txtName->setFocus();
    QStringList visited;
    for (int i = 0; i < 25; ++i) {
        visited << focusName();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    // An option pair is one stop, at its chosen button; the nearest place's
    // button is hidden until coordinates are typed.
    EXPECT_EQ(visited.join(' '),
              "txtName cboMonth cboDate cboYear cboHH cboMM cboSS txtBirthPlace txtZoneHour "
              "txtZoneMinute chkDST cboZoneDirection txtLatD txtLatM optLat_0 txtLonD txtLonM "
              "optLong_0 txtMCity txtMState txtMCountry cmdBrowser cmdOpen cmdRashi txtName");
}

TEST_F(FrmMainTest, EnterRunsTheReadingUnlessAnotherButtonHasFocus) {
    showActive();
    const std::pair<QWidget*, const char*> cases[] = {
        {frm.cmdRashi, "Please Enter Name"},
        {frm.cboYear, "Please Enter Name"},
        {frm.chkDST, "Please Enter Name"},
        {frm.txtName, "Please Enter Value Between 0 And 14 in the Zone Hour"}, // no filter message
        {frm.cmdBrowser, "Please Enter City"},
    };
    for (const auto& [focus, message] : cases) {
        fakes.dialogs.messages.clear();
        frm.txtName->setText(focus == frm.txtName ? QStringLiteral("RAM") : QString());
        focus->setFocus();
        QTest::keyClick(focus, Qt::Key_Return);
        EXPECT_EQ(fakes.messageTexts(), QStringList{QLatin1String(message)});
    }
    fakes.dialogs.messages.clear();
    frm.mnuNext->trigger();
    EXPECT_EQ(fakes.messageTexts(), QStringList{QStringLiteral("Please Enter Name")});
}

TEST_F(FrmMainTest, AccessKeysWork) {
    showActive();
    frm.txtMCity->setFocus();

    QSignalSpy openPressed(frm.cmdOpen, &QPushButton::pressed);
    QTest::keyClick(frm.txtMCity, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(openPressed.count(), 1);

    QTest::keyClick(frm.txtMCity, Qt::Key_D, Qt::AltModifier);
    QTest::keyClick(frm.txtMCity, Qt::Key_H, Qt::AltModifier);
    ASSERT_TRUE(frm.mnuHelp->isVisible());
    QTest::keyClick(frm.mnuHelp, Qt::Key_V);
    ASSERT_EQ(fakes.browser.urls.size(), 2U);
    EXPECT_EQ(fakes.browser.urls[0], linkOf(OpenDonatePage));
    EXPECT_EQ(fakes.browser.urls[1], linkOf(OpenHomePage));

    QTest::keyClick(frm.txtMCity, Qt::Key_F, Qt::AltModifier);
    ASSERT_TRUE(frm.mnuFile->isVisible());
    QTest::keyClick(frm.mnuFile, Qt::Key_X);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app.loadedFrmMain(), nullptr);
}

} // namespace
