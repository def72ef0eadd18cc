#include "entry/frm_main.h"
#include "entry/frm_time_zone.h"
#include "entry/time_zones.h"
#include "platform/clickable_label.h"
#include "shell/application.h"
#include "support/fake_services.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

using ZoneTexts = std::pair<QString, QString>;

class FrmTimeZoneTest : public testing::Test {
protected:
    FakeServices fakes;
    Application app{fakes.services()};
    FrmMain& frm = app.frmMain();

    ZoneTexts zoneBoxes() const { return {frm.txtZoneHour->text(), frm.txtZoneMinute->text()}; }

    static void doubleClickRow(QListWidget* list, int row) {
        list->scrollToItem(list->item(row));
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }
};

QString entryText(int position) {
    const std::string_view text = kTimeZones.at(static_cast<std::size_t>(position)).text;
    return QString::fromUtf8(text.data(), std::ssize(text));
}

// The texts a user works out from an entry: the offset east of Universal Time
// with its sign reversed, in whole hours and the minutes left over.
ZoneTexts textsFromEntry(int position) {
    const double hoursEast = entryText(position).section(QLatin1Char(','), -1).toDouble();
    // "+5.3" is India's five and a half hours, not 5 hours 18 minutes.
    const int written = position == 34 ? -330 : -qRound(hoursEast * 60.0);
    return {QString::number(written / 60), QString::number(written % 60)};
}

TEST(TimeZoneTable, WrittenTextsFollowFromEachEntry) {
    ASSERT_EQ(kTimeZones.size(), 71U);
    for (int position = 0; position < 71; ++position) {
        const TimeZoneEntry& zone = kTimeZones.at(static_cast<std::size_t>(position));
        EXPECT_EQ(ZoneTexts(QString::number(zone.zoneHour), QString::number(zone.zoneMinute)),
                  textsFromEntry(position))
            << zone.text;
    }
    const std::pair<int, ZoneTexts> known[] = {
        {29, {"0", "0"}},   {61, {"0", "0"}},    {1, {"10", "0"}},    {50, {"3", "30"}},
        {46, {"-13", "0"}}, {34, {"-5", "-30"}}, {5, {"-10", "-30"}}, {31, {"9", "30"}}};
    for (const auto& [position, texts] : known) {
        EXPECT_EQ(textsFromEntry(position), texts) << position;
    }
    EXPECT_EQ(entryText(11), QStringLiteral("Azores Time, AT, -2.0"));
    EXPECT_EQ(entryText(35), QStringLiteral("Int'l Date Line East,IDLE,+12.0"));
}

TEST_F(FrmTimeZoneTest, OpensWithTheWholeListAndNothingSelected) {
    FrmTimeZone picker(frm);
    picker.show();
    EXPECT_EQ(picker.windowTitle(), QStringLiteral("Kelvaro v1.15"));
    EXPECT_EQ(picker.lstTimeZone->font().family(), QStringLiteral("Verdana"));
    EXPECT_FALSE(picker.lstTimeZone->isSortingEnabled());
    ASSERT_EQ(picker.lstTimeZone->count(), 71);
    for (int row = 0; row < 71; ++row) {
        EXPECT_EQ(picker.lstTimeZone->item(row)->text(), entryText(row));
    }
    EXPECT_EQ(picker.cmdQuit->text(), QStringLiteral("&Quit"));
    EXPECT_TRUE(picker.lstTimeZone->selectedItems().isEmpty());
}

// Every zone, double-clicked, writes its texts, closes the picker and leaves a
// birth that passes the zone checks.
TEST_F(FrmTimeZoneTest, DoubleClickWritesEveryZonesTexts) {
    const std::pair<QLineEdit*, const char*> birth[] = {{frm.txtName, "RAM"},
                                                        {frm.txtLonD, "77"},
                                                        {frm.txtLonM, "12"},
                                                        {frm.txtLatD, "28"},
                                                        {frm.txtLatM, "36"}};
    for (const auto& [box, text] : birth) {
        box->setText(QLatin1String(text));
    }
    for (int row = 0; row < 71; ++row) {
        SCOPED_TRACE(entryText(row).toStdString());
        frm.txtZoneHour->setText(QStringLiteral("x"));
        frm.txtZoneMinute->setText(QStringLiteral("y"));
        FrmTimeZone picker(frm, &frm);
        picker.show();

        doubleClickRow(picker.lstTimeZone, row);

        EXPECT_EQ(zoneBoxes(), textsFromEntry(row));
        // The zone's direction is the entry's: ahead of universal time for
        // UT+ zones (and UT itself), behind for UT- zones.
        const double hoursEast = entryText(row).section(QLatin1Char(','), -1).toDouble();
        EXPECT_EQ(frm.zoneAhead(), std::optional<bool>(hoursEast >= 0));
        EXPECT_FALSE(picker.isVisible());
        EXPECT_TRUE(frm.ValidateBirthData());
    }
    EXPECT_TRUE(fakes.dialogs.messages.empty());
}

TEST_F(FrmTimeZoneTest, ClosingWithoutAChoiceWritesNothing) {
    const std::pair<const char*, void (*)(FrmTimeZone&)> ways[] = {
        {"double-click below the last entry",
         [](FrmTimeZone& picker) {
             QListWidget* list = picker.lstTimeZone;
             const QRect last = list->visualItemRect(list->item(70));
             ASSERT_LT(last.bottom() + 10, list->viewport()->height());
             QTest::mouseDClick(list->viewport(), Qt::LeftButton, {},
                                QPoint(last.center().x(), last.bottom() + 10));
         }},
        {"Quit with an entry selected",
         [](FrmTimeZone& picker) {
             picker.lstTimeZone->setCurrentRow(34);
             QTest::mouseClick(picker.cmdQuit, Qt::LeftButton);
         }},
        {"Escape", [](FrmTimeZone& picker) { QTest::keyClick(&picker, Qt::Key_Escape); }},
    };
    for (const auto& [how, close] : ways) {
        SCOPED_TRACE(how);
        frm.txtZoneHour->setText(QStringLiteral("7"));
        frm.txtZoneMinute->setText(QStringLiteral("15"));
        FrmTimeZone picker(frm);
        picker.resize(330, 1600); // room below the last entry
        picker.show();

        close(picker);

        EXPECT_FALSE(picker.isVisible());
        EXPECT_EQ(zoneBoxes(), ZoneTexts("7", "15"));
    }
}

TEST_F(FrmTimeZoneTest, EnterPicksTheSelectedZone) {
    FrmTimeZone picker(frm);
    picker.show();
    picker.lstTimeZone->setCurrentRow(46);
    QTest::keyClick(picker.lstTimeZone, Qt::Key_Return);
    EXPECT_EQ(zoneBoxes(), ZoneTexts("-13", "0"));
    EXPECT_FALSE(picker.isVisible());
}

TEST_F(FrmTimeZoneTest, TzHelpOpensAFreshModalPickerBesideTheLabel) {
    frm.move(40, 30);
    frm.show();
    QPointer<FrmTimeZone> opened;
    bool modal = false;
    QRect frame;
    QTimer::singleShot(0, [&] {
        opened = qobject_cast<FrmTimeZone*>(QApplication::activeModalWidget());
        if (opened != nullptr) {
            modal = opened->isModal();
            frame = opened->frameGeometry();
            doubleClickRow(opened->lstTimeZone, 34);
        }
        if (QWidget* still = QApplication::activeModalWidget()) {
            still->close(); // never leave the test waiting on a window
        }
    });

    QTest::mouseClick(frm.lblTZHelp, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_TRUE(modal);
    const QRect label(frm.lblTZHelp->mapToGlobal(QPoint(0, 0)), frm.lblTZHelp->size());
    EXPECT_EQ(frame.left(), label.right() + 1); // just right of the label
    EXPECT_GT(frame.top(), label.bottom());     // and a little below it
    EXPECT_LE(frame.top(), label.bottom() + 60);
    EXPECT_EQ(zoneBoxes(), ZoneTexts("-5", "-30"));
    EXPECT_EQ(opened, nullptr); // unloaded once closed
}

TEST_F(FrmTimeZoneTest, PickerStaysOnScreenNearTheScreensEdge) {
    const QRect screen = frm.screen()->availableGeometry();
    frm.show();
    frm.move(screen.right() - frm.width(), screen.bottom() - frm.height());
    QRect frame;
    QTimer::singleShot(0, [&] {
        if (QWidget* top = QApplication::activeModalWidget()) {
            frame = top->frameGeometry();
            top->close();
        }
    });
    QTest::mouseClick(frm.lblTZHelp, Qt::LeftButton);
    ASSERT_FALSE(frame.isNull());
    EXPECT_TRUE(screen.contains(frame));
}

} // namespace
