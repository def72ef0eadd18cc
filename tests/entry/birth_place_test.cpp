// frmMain's birth place from the atlas: the place box and its list, the zone
// that follows the date and time, the zone's direction, the offset line and
// the nearest place for typed coordinates.

#include "atlas/atlas.h"
#include "entry/frm_main.h"
#include "shell/application.h"
#include "support/fake_services.h"
#include "support/installed_atlas.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

namespace {

class BirthPlaceTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(installedAtlas(), nullptr);
        frm.setAtlas(installedAtlas());
    }

    void showActive() {
        frm.show();
        frm.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&frm));
    }

    void setDate(int year, int month, int day, int hour, int minute) {
        frm.cboYear->setCurrentText(QString::number(year));
        frm.cboMonth->setCurrentIndex(month - 1);
        frm.cboDate->setCurrentText(QString::number(day));
        frm.cboHH->setCurrentText(QString::number(hour));
        frm.cboMM->setCurrentText(QString::number(minute));
    }

    void choose(const char16_t* typed) {
        const Place* place = installedAtlas()->choose(typed);
        ASSERT_NE(place, nullptr);
        frm.choosePlace(*place);
    }

    // The zone boxes, the daylight-saving box, the direction and the offset
    // line, as one text.
    QString zone() const {
        return QStringLiteral("%1:%2 %3 %4 | %5")
            .arg(frm.txtZoneHour->text(), frm.txtZoneMinute->text(),
                 frm.chkDST->isChecked() ? QStringLiteral("DST") : QStringLiteral("-"),
                 frm.cboZoneDirection->currentText(), frm.lblOffsetUsed->text());
    }

    QString coordinates() const {
        return QStringLiteral("%1 %2 %3 / %4 %5 %6")
            .arg(frm.txtLatD->text(), frm.txtLatM->text(),
                 frm.optLat[1]->isChecked() ? QStringLiteral("S") : QStringLiteral("N"),
                 frm.txtLonD->text(), frm.txtLonM->text(),
                 frm.optLong[0]->isChecked() ? QStringLiteral("E") : QStringLiteral("W"));
    }

    QAbstractItemView* placeList() const { return frm.txtBirthPlace->completer()->popup(); }

    FakeServices fakes;
    Application app{fakes.services()};
    FrmMain& frm = app.frmMain();
};

TEST_F(BirthPlaceTest, TheNewControlsCarryTheirNames) {
    EXPECT_EQ(frm.txtBirthPlace->objectName(), QStringLiteral("txtBirthPlace"));
    EXPECT_EQ(frm.txtBirthPlace->accessibleName(), QStringLiteral("Birth place"));
    EXPECT_EQ(frm.lblOffsetUsed->objectName(), QStringLiteral("lblOffsetUsed"));
    EXPECT_TRUE(frm.lblOffsetUsed->accessibleName().startsWith(QStringLiteral("Offset used")));
    EXPECT_EQ(frm.cboZoneDirection->objectName(), QStringLiteral("cboZoneDirection"));
    EXPECT_EQ(frm.cboZoneDirection->accessibleName(), QStringLiteral("Zone direction"));
    ASSERT_EQ(frm.cboZoneDirection->count(), 3);
    EXPECT_EQ(frm.cboZoneDirection->itemText(0), QStringLiteral("From longitude"));
    EXPECT_EQ(frm.cboZoneDirection->itemText(1), QStringLiteral("Ahead of UT"));
    EXPECT_EQ(frm.cboZoneDirection->itemText(2), QStringLiteral("Behind UT"));
    EXPECT_EQ(frm.cboZoneDirection->currentIndex(), 0);
}

TEST_F(BirthPlaceTest, TypingListsPlacesAndChoosingOneFillsThePlaceAndTheZone) {
    showActive();
    setDate(1943, 6, 15, 12, 0);
    frm.txtBirthPlace->setFocus();
    QTest::keyClicks(frm.txtBirthPlace, QStringLiteral("calcutta"));
    ASSERT_TRUE(placeList()->isVisible());
    EXPECT_EQ(placeList()->model()->index(0, 0).data().toString(),
              QStringLiteral("Kolkata, West Bengal, India"));

    QTest::keyClick(placeList(), Qt::Key_Down);
    QTest::keyClick(placeList(), Qt::Key_Return);

    EXPECT_EQ(frm.txtBirthPlace->text(), QStringLiteral("Kolkata, West Bengal, India"));
    EXPECT_EQ(frm.txtMCity->text(), QStringLiteral("Kolkata"));
    EXPECT_EQ(frm.txtMState->text(), QStringLiteral("West Bengal"));
    EXPECT_EQ(frm.txtMCountry->text(), QStringLiteral("India"));
    EXPECT_EQ(coordinates(), QStringLiteral("22 34 N / 88 22 E"));
    // India's war time: standard time and one hour of daylight saving.
    EXPECT_EQ(zone(), QStringLiteral("5:30 DST Ahead of UT | UT+6:30 (daylight saving)"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(BirthPlaceTest, TheBoxTellsAScreenReaderWhatTheListHoldsAndWhatReturnChooses) {
    showActive();
    frm.txtBirthPlace->setFocus();
    const auto description = [this] { return frm.txtBirthPlace->accessibleDescription(); };
    QTest::keyClicks(frm.txtBirthPlace, QStringLiteral("kolkata"));
    const QRegularExpression first(
        QStringLiteral("^\\d+ places? match(es)?; Return chooses Kolkata, West Bengal, India, "
                       "Down goes through the list$"));
    EXPECT_TRUE(first.match(description()).hasMatch()) << description().toStdString();

    // Down highlights a row of the popup: the box names it and its place.
    QTest::keyClick(placeList(), Qt::Key_Down);
    const QString row = placeList()->currentIndex().data().toString();
    EXPECT_TRUE(
        description().contains(QStringLiteral("Return chooses ") + row + QStringLiteral(", 1 of ")))
        << description().toStdString();

    frm.txtBirthPlace->clear();
    QTest::keyClicks(frm.txtBirthPlace, QStringLiteral("qqqqzx"));
    EXPECT_EQ(description(), QStringLiteral("No place matches"));
}

TEST_F(BirthPlaceTest, EnterChoosesTheFirstPlaceListedThenRunsTheReading) {
    showActive();
    frm.txtBirthPlace->setFocus();
    QTest::keyClicks(frm.txtBirthPlace, QStringLiteral("zurich"));
    placeList()->hide();
    QTest::keyClick(frm.txtBirthPlace, Qt::Key_Return);
    EXPECT_EQ(frm.txtMCity->text(), QStringLiteral("Zurich"));
    EXPECT_EQ(frm.txtMCountry->text(), QStringLiteral("Switzerland"));
    EXPECT_TRUE(fakes.dialogs.messages.empty());

    // The place is chosen: Enter is "Get My Bhava Chart Reading" again.
    QTest::keyClick(frm.txtBirthPlace, Qt::Key_Return);
    EXPECT_EQ(fakes.messageTexts(), QStringList{QStringLiteral("Please Enter Name")});
}

TEST_F(BirthPlaceTest, TheZoneFollowsTheDateAndTimeUntilTheUserTypesOne) {
    setDate(1990, 1, 15, 12, 0);
    choose(u"New York City");
    EXPECT_EQ(zone(), QStringLiteral("5:0 - Behind UT | UT-5:00"));
    frm.cboMonth->setCurrentIndex(6);
    EXPECT_EQ(zone(), QStringLiteral("5:0 DST Behind UT | UT-4:00 (daylight saving)"));
    // Year-round war time in 1944.
    frm.cboMonth->setCurrentIndex(0);
    frm.cboYear->setCurrentText(QStringLiteral("1944"));
    EXPECT_EQ(zone(), QStringLiteral("5:0 DST Behind UT | UT-4:00 (daylight saving)"));

    // Typed by hand, the zone stays the user's.
    frm.txtZoneMinute->setFocus();
    QTest::keyClick(frm.txtZoneMinute, Qt::Key_Backspace);
    QTest::keyClicks(frm.txtZoneMinute, QStringLiteral("30"));
    frm.cboYear->setCurrentText(QStringLiteral("1990"));
    EXPECT_EQ(zone(), QStringLiteral("5:30 DST Behind UT | UT-4:30 (daylight saving)"));
    EXPECT_FALSE(frm.zoneFollowsPlace());
    EXPECT_EQ(frm.timeZone(), QByteArray("America/New_York"));
}

TEST_F(BirthPlaceTest, ClickingTheDaylightSavingBoxOrTheDirectionKeepsTheUsersZone) {
    showActive();
    setDate(1990, 7, 15, 12, 0);
    choose(u"Madrid");
    ASSERT_TRUE(frm.chkDST->isChecked());
    QTest::mouseClick(frm.chkDST, Qt::LeftButton);
    EXPECT_FALSE(frm.zoneFollowsPlace());
    // A later time in summer leaves the user's choice alone.
    frm.cboHH->setCurrentText(QStringLiteral("13"));
    EXPECT_FALSE(frm.chkDST->isChecked());

    choose(u"Madrid");
    EXPECT_TRUE(frm.zoneFollowsPlace());
    frm.cboZoneDirection->setFocus();
    QTest::keyClick(frm.cboZoneDirection, Qt::Key_Down);
    EXPECT_EQ(frm.cboZoneDirection->currentText(), QStringLiteral("Behind UT"));
    EXPECT_FALSE(frm.zoneFollowsPlace());
}

TEST_F(BirthPlaceTest, MadridInSummerIsAheadOfUniversalTimeWestOfGreenwich) {
    setDate(1990, 7, 15, 12, 0);
    choose(u"Madrid");
    EXPECT_EQ(coordinates(), QStringLiteral("40 25 N / 3 42 W"));
    EXPECT_EQ(zone(), QStringLiteral("1:0 DST Ahead of UT | UT+2:00 (daylight saving)"));
    // From the longitude, the same boxes would mean two hours behind the
    // right offset: the line shows what the reading will use.
    frm.setZoneAhead(std::nullopt);
    EXPECT_EQ(frm.lblOffsetUsed->text(), QStringLiteral("UT+0:00 (daylight saving)"));
}

TEST_F(BirthPlaceTest, TheOffsetLineShowsWhatTheReadingUses) {
    struct Case {
        const char* hour;
        const char* minute;
        bool east;
        bool dst;
        std::optional<bool> ahead;
        const char* shown;
    };
    const Case cases[] = {
        {"5", "30", true, false, std::nullopt, "UT+5:30"},
        // A sign typed in the zone-hour box is ignored.
        {"-5", "-30", true, false, std::nullopt, "UT+5:30"},
        {"5", "0", false, true, std::nullopt, "UT-4:00 (daylight saving)"},
        {"11", "0", false, false, true, "UT+11:00"},
        {"5", "0", true, false, false, "UT-5:00"},
        {"0", "0", false, true, std::nullopt, "UT+1:00 (daylight saving)"},
        {"", "", true, false, std::nullopt, ""},
    };
    frm.txtLonD->setText(QStringLiteral("77"));
    for (const Case& c : cases) {
        frm.txtZoneHour->setText(QLatin1String(c.hour));
        frm.txtZoneMinute->setText(QLatin1String(c.minute));
        frm.optLong[c.east ? 0 : 1]->setChecked(true);
        frm.chkDST->setChecked(c.dst);
        frm.setZoneAhead(c.ahead);
        EXPECT_EQ(frm.lblOffsetUsed->text(), QLatin1String(c.shown)) << c.hour << ":" << c.minute;
        // A screen reader hears the caption and the value.
        QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(frm.lblOffsetUsed);
        ASSERT_NE(heard, nullptr);
        EXPECT_EQ(heard->text(QAccessible::Name),
                  *c.shown == '\0' ? QStringLiteral("Offset used")
                                   : QStringLiteral("Offset used: ") + QLatin1String(c.shown));
    }
}

TEST_F(BirthPlaceTest, TypedCoordinatesProposeTheNearestPlacesZone) {
    showActive();
    setDate(2000, 1, 1, 12, 0);
    const std::pair<QLineEdit*, const char*> typed[] = {
        {frm.txtLatD, "18"}, {frm.txtLatM, "28"}, {frm.txtLonD, "73"}, {frm.txtLonM, "52"}};
    for (const auto& [box, text] : typed) {
        box->setFocus();
        QTest::keyClicks(box, QLatin1String(text));
    }
    EXPECT_TRUE(frm.lblNearestPlace->text().contains(QStringLiteral("Pune, Maharashtra, India")))
        << frm.lblNearestPlace->text().toStdString();
    EXPECT_TRUE(frm.lblNearestPlace->text().contains(QStringLiteral("Asia/Kolkata")));
    ASSERT_TRUE(frm.cmdNearestZone->isVisible());
    QTest::mouseClick(frm.cmdNearestZone, Qt::LeftButton);
    EXPECT_EQ(zone(), QStringLiteral("5:30 - Ahead of UT | UT+5:30"));
    EXPECT_EQ(frm.timeZone(), QByteArray("Asia/Kolkata"));
    // The typed coordinates stay.
    EXPECT_EQ(coordinates(), QStringLiteral("18 28 N / 73 52 E"));

    // The middle of the Pacific: nothing within reach.
    frm.txtLatD->setText(QStringLiteral("30"));
    frm.optLat[1]->setChecked(true);
    frm.optLong[1]->setChecked(true);
    frm.txtLonD->setFocus();
    frm.txtLonD->selectAll();
    QTest::keyClicks(frm.txtLonD, QStringLiteral("140"));
    EXPECT_TRUE(frm.lblNearestPlace->text().startsWith(QStringLiteral("No place of the atlas")));
    EXPECT_FALSE(frm.cmdNearestZone->isVisible());
}

TEST_F(BirthPlaceTest, AReadingOpenedKeepsItsOwnZone) {
    setDate(1990, 7, 15, 12, 0);
    choose(u"Madrid");
    BirthEntry opened = frm.birthEntry();
    EXPECT_EQ(opened.ZoneAhead, std::optional<bool>(true));
    EXPECT_EQ(opened.TimeZone, QStringLiteral("Europe/Madrid"));
    // A file's zone: one hour, no daylight saving, behind UT, its zone id.
    opened.ZoneHour = QStringLiteral("1");
    opened.ZoneMinute = QStringLiteral("0");
    opened.DST = false;
    opened.ZoneAhead = false;

    frm.showBirthEntry(opened);
    EXPECT_EQ(frm.birthEntry(), opened);
    EXPECT_FALSE(frm.zoneFollowsPlace());
    // A later change of date or time leaves the file's zone alone.
    frm.cboMonth->setCurrentIndex(0);
    EXPECT_EQ(zone(), QStringLiteral("1:0 - Behind UT | UT-1:00"));
    EXPECT_EQ(frm.timeZone(), QByteArray("Europe/Madrid"));
}

// The zone at the birth is settled when the reading is computed: a time that
// did not exist is refused, one that happened twice is asked about, one
// before standard time uses the birthplace's own mean time and says so.
TEST_F(BirthPlaceTest, TheReadingSaysWhatTheZoneAtTheBirthWas) {
    struct Case {
        const char16_t* place;
        int year, month, day, hour, minute;
        std::optional<int> answer; // to the question, when one is asked
        const char* asked;         // the start of the message or question, or ""
        const char* offsetUsed;    // the reading's offset, or "" for no reading
        const char* warning;       // a part of the reading's warning, or ""
    };
    const Case cases[] = {
        {u"New York City", 2021, 3, 14, 2, 30, std::nullopt,
         "The local time 2021-03-14 02:30 did not exist at New York City: the clocks moved "
         "forward from UT-5:00 to UT-4:00",
         "", ""},
        {u"New York City", 2021, 11, 7, 1, 30, 1,
         "The local time 2021-11-07 01:30 happened twice at New York City: the clocks moved back "
         "from UT-4:00 to UT-5:00. Which was the birth?\nThe first, UT-4:00\nThe second, UT-5:00",
         "UT-5:00", ""},
        {u"New York City", 2021, 11, 7, 1, 30, 0, "The local time 2021-11-07 01:30 happened twice",
         "UT-4:00 (daylight saving)", ""},
        {u"New York City", 2021, 11, 7, 1, 30, std::nullopt,
         "The local time 2021-11-07 01:30 happened twice", "", ""},
        {u"Pokhara", 1910, 6, 1, 12, 0, std::nullopt, "", "UT+5:36",
         "the local mean time of Pokhara, UT+5:36, is used"},
        {u"Kolkata", 2000, 1, 1, 12, 0, std::nullopt, "", "UT+5:30", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.place).toStdString() + " " + std::to_string(c.year));
        fakes.dialogs.messages.clear();
        fakes.dialogs.choiceAnswers.clear();
        if (c.answer) {
            fakes.dialogs.choiceAnswers.push_back(c.answer);
        }
        app.state().reading.houses.Warnings.clear();
        frm.show();
        frm.txtName->setText(QStringLiteral("RAM"));
        setDate(c.year, c.month, c.day, c.hour, c.minute);
        choose(c.place);

        frm.cmdRashi->click();

        const QStringList asked = fakes.messageTexts();
        if (*c.asked == '\0') {
            EXPECT_TRUE(asked.isEmpty()) << asked.join(' ').toStdString();
        } else {
            ASSERT_EQ(asked.size(), 1);
            EXPECT_TRUE(asked.front().startsWith(QString::fromUtf8(c.asked)))
                << asked.front().toStdString();
        }
        const bool read = *c.offsetUsed != '\0';
        EXPECT_EQ(frm.isVisible(), !read);
        if (read) {
            EXPECT_EQ(frm.lblOffsetUsed->text(), QString::fromUtf8(c.offsetUsed));
            const auto& warnings = app.state().reading.houses.Warnings;
            const bool warned = std::any_of(warnings.begin(), warnings.end(), [&c](const auto& w) {
                return *c.warning != '\0' && w.find(c.warning) != std::string::npos;
            });
            EXPECT_EQ(warned, *c.warning != '\0');
        }
    }
}

TEST_F(BirthPlaceTest, WithoutAnAtlasThePlaceBoxSaysWhy) {
    frm.setAtlas(nullptr, QStringLiteral("The atlas file cities15000.txt could not be read"));
    EXPECT_FALSE(frm.txtBirthPlace->isEnabled());
    EXPECT_EQ(frm.txtBirthPlace->placeholderText(),
              QStringLiteral("The atlas of places could not be read"));
    EXPECT_EQ(frm.txtBirthPlace->toolTip(),
              QStringLiteral("The atlas file cities15000.txt could not be read"));
}

// The window is created without the atlas, which is read on a thread of its
// own once the window is painted, and handed over when it is ready.
TEST(AtlasLoadingTest, TheAtlasArrivesAfterTheWindowIsUp) {
    FakeServices fakes;
    Application app{fakes.services()};
    FrmMain& frm = app.frmMain();
    EXPECT_FALSE(frm.atlasReady());
    frm.show();
    QTest::keyClicks(frm.txtBirthPlace, QStringLiteral("kathm"));
    frm.loadAtlas(DefaultAtlasFolder());
    QTRY_VERIFY_WITH_TIMEOUT(frm.atlasReady(), 30000);
    EXPECT_TRUE(frm.txtBirthPlace->isEnabled());
    // What was typed meanwhile is searched once the atlas is there.
    EXPECT_EQ(frm.txtBirthPlace->completer()->model()->index(0, 0).data().toString(),
              QStringLiteral("Kathmandu, Central Region, Nepal"));
}

TEST(AtlasLoadingTest, AMissingAtlasLeavesThePlaceBoxDisabled) {
    FakeServices fakes;
    Application app{fakes.services()};
    FrmMain& frm = app.frmMain();
    frm.show();
    frm.loadAtlas(QStringLiteral("/nonexistent-atlas-folder"));
    QTRY_VERIFY_WITH_TIMEOUT(!frm.txtBirthPlace->isEnabled(), 30000);
    EXPECT_TRUE(frm.txtBirthPlace->toolTip().contains(QStringLiteral("cities15000.txt")));
}

} // namespace
