#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "platform/clickable_label.h"
#include "shell/application.h"
#include "support/fake_services.h"
#include "support/worked_examples.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <array>

namespace {

// A birth as a user types it into frmMain.
struct TypedBirth {
    const char* name;
    const char* month;
    const char* day;
    const char* year;
    const char* hour;
    const char* minute;
    const char* zoneHour;
    const char* zoneMinute;
    const char* latD;
    const char* latM;
    bool south;
    const char* lonD;
    const char* lonM;
    bool west;
    bool dst;
};

// Home, then the down arrow until the entry is reached, as a user would.
void pickFromList(QComboBox* list, const char* text) {
    const QString wanted = QString::fromUtf8(text);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int step = 0; step < list->count() && list->currentText() != wanted; ++step) {
        QTest::keyClick(list, Qt::Key_Down);
    }
    ASSERT_EQ(list->currentText(), wanted);
}

void typeBirth(FrmMain& form, const TypedBirth& birth) {
    QTest::keyClicks(form.txtName, QString::fromUtf8(birth.name));
    pickFromList(form.cboMonth, birth.month);
    pickFromList(form.cboDate, birth.day);
    pickFromList(form.cboYear, birth.year);
    pickFromList(form.cboHH, birth.hour);
    pickFromList(form.cboMM, birth.minute);
    QTest::keyClicks(form.txtZoneHour, QString::fromUtf8(birth.zoneHour));
    QTest::keyClicks(form.txtZoneMinute, QString::fromUtf8(birth.zoneMinute));
    QTest::keyClicks(form.txtLatD, QString::fromUtf8(birth.latD));
    QTest::keyClicks(form.txtLatM, QString::fromUtf8(birth.latM));
    QTest::mouseClick(form.optLat[birth.south ? 1 : 0], Qt::LeftButton);
    QTest::keyClicks(form.txtLonD, QString::fromUtf8(birth.lonD));
    QTest::keyClicks(form.txtLonM, QString::fromUtf8(birth.lonM));
    QTest::mouseClick(form.optLong[birth.west ? 1 : 0], Qt::LeftButton);
    if (birth.dst != form.chkDST->isChecked()) {
        QTest::mouseClick(form.chkDST, Qt::LeftButton);
    }
}

void expectShown(const FrmDisplay& display, const WorkedExampleFigures& reading) {
    auto expectText = [](const QLabel* label, const char* text) {
        if (*text != '\0') {
            EXPECT_EQ(label->text(), QString::fromUtf8(text)) << label->objectName().toStdString();
        }
    };
    expectText(display.lblJulianDay, reading.julianDay);
    expectText(display.lblAyanamsa, reading.ayanamsa);
    expectText(display.lblAscendant, reading.ascendant);
    expectText(display.lblMidheaven, reading.midheaven);
    for (int i = 0; i < 12; ++i) {
        expectText(display.lblBhavaMadhya.at(i), reading.madhya.at(i));
        expectText(display.lblBhavaSandhi.at(i), reading.sandhi.at(i));
    }
}

const TypedBirth kDelhi2000 = {"ram", "January", "1",   "2000", "12", "0",   "5",  "30",
                               "28",  "36",      false, "77",   "12", false, false};
const TypedBirth kNewYork1985 = {"sita", "June", "15",  "1985", "6", "30", "5", "0",
                                 "40",   "43",   false, "74",   "0", true, true};
const TypedBirth kSydney1990 = {"gita", "March", "10", "1990", "20", "15",  "10", "0",
                                "33",   "52",    true, "151",  "12", false, false};
class ReadingDriver : public ::testing::Test {
protected:
    FakeServices fakes;
    Application app{fakes.services()};

    FrmMain& form() { return app.frmMain(); }
    FrmDisplay* display() { return app.loadedFrmDisplay(); }

    void SetUp() override { app.showBirthDataWindow(); }

    void getReading() { QTest::mouseClick(form().cmdRashi, Qt::LeftButton); }
};

struct WorkedExample {
    const char* label;
    const TypedBirth* birth;
    const WorkedExampleFigures* reading;
};

class WorkedExamples : public ReadingDriver, public ::testing::WithParamInterface<WorkedExample> {};

TEST_P(WorkedExamples, TypedInShowEveryFigure) {
    typeBirth(form(), *GetParam().birth);
    getReading();

    ASSERT_TRUE(fakes.dialogs.messages.empty()) << fakes.messageTexts().join('|').toStdString();
    ASSERT_NE(display(), nullptr);
    EXPECT_TRUE(display()->isVisible());
    EXPECT_FALSE(form().isVisible());
    expectShown(*display(), *GetParam().reading);
}

INSTANTIATE_TEST_SUITE_P(
    Readings, WorkedExamples,
    ::testing::Values(WorkedExample{"Delhi2000", &kDelhi2000, &kDelhi2000Figures},
                      WorkedExample{"NewYork1985", &kNewYork1985, &kNewYork1985Figures},
                      WorkedExample{"Sydney1990", &kSydney1990, &kSydney1990Figures}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(ReadingDriver, ComputesThePlanetsWithTheHousesAndShowsThem) {
    typeBirth(form(), kDelhi2000);
    getReading();
    ASSERT_NE(display(), nullptr);
    const auto& planets = app.state().reading.planets;
    ASSERT_TRUE(planets.Reading) << planets.Error;
    for (std::size_t i = 0; i < 9; ++i) {
        const PlanetPlacement& p = planets.Reading->Planets.at(i);
        EXPECT_EQ(p.LongitudeText, kDelhi2000Planets.at(i).longitude);
        EXPECT_EQ(p.Bhava, kDelhi2000Planets.at(i).bhava);
        ASSERT_TRUE(p.MinutesEarlier && p.MinutesLater) << p.Name;
        const int row = static_cast<int>(i);
        EXPECT_EQ(display()->tblPlanets->item(row, 1)->text().toStdString(), p.LongitudeText);
        EXPECT_EQ(display()->tblPlanets->item(row, 3)->text(), QString::number(p.Bhava));
    }
    EXPECT_EQ(display()->tblPlanets->item(9, 1)->text(), QStringLiteral("13° 10' 47\" Pis"));

    // A second reading, a year on, replaces them.
    QTest::mouseClick(display()->cmdOK, Qt::LeftButton);
    pickFromList(form().cboYear, "2001");
    getReading();
    ASSERT_TRUE(app.state().reading.planets.Reading);
    const std::string sun = app.state().reading.planets.Reading->Planets[0].LongitudeText;
    EXPECT_NE(sun, kDelhi2000Planets[0].longitude);
    EXPECT_EQ(display()->tblPlanets->item(0, 1)->text().toStdString(), sun);
}

TEST_F(ReadingDriver, APolarChartSaysItsQuadrantsOverlap) {
    TypedBirth polar = kDelhi2000;
    polar.latD = "70";
    polar.latM = "0";
    typeBirth(form(), polar);
    getReading();

    ASSERT_NE(display(), nullptr);
    EXPECT_FALSE(display()->lblWarnings->isHidden());
    EXPECT_TRUE(display()->lblWarnings->text().contains(QStringLiteral("overlap")));

    // The next, ordinary reading takes the note away.
    QTest::mouseClick(display()->cmdOK, Qt::LeftButton);
    form().txtLatD->setText(QStringLiteral("28"));
    getReading();
    EXPECT_TRUE(display()->lblWarnings->isHidden());
}

TEST_F(ReadingDriver, FillsTheBirthRecordInTheFormsTerms) {
    typeBirth(form(), kDelhi2000);
    QTest::keyClicks(form().txtMCity, QStringLiteral("  New Delhi "));
    QTest::keyClicks(form().txtMCountry, QStringLiteral(" India"));
    getReading();

    const BirthRecord& record = app.state().reading.birth;
    EXPECT_EQ(record.Name, "RAM");
    EXPECT_EQ(record.Month, 1);
    EXPECT_EQ(record.Day, 1);
    EXPECT_EQ(record.Year, 2000);
    EXPECT_EQ(record.Hour, 12);
    EXPECT_EQ(record.ZoneHour, 5);
    EXPECT_EQ(record.ZoneMinute, 30);
    EXPECT_EQ(record.LatD, 28);
    EXPECT_EQ(record.LonM, 12);
    EXPECT_TRUE(record.LonEast);
    EXPECT_FALSE(record.LatSouth);
    EXPECT_FALSE(record.DST);
    EXPECT_EQ(record.City, "New Delhi");
    EXPECT_EQ(record.State, "");
    EXPECT_EQ(record.Country, "India");
}

TEST_F(ReadingDriver, InvalidInputStopsBeforeTheRecordChanges) {
    typeBirth(form(), kDelhi2000);
    form().txtName->clear();
    getReading();

    EXPECT_EQ(fakes.messageTexts(), QStringList{QStringLiteral("Please Enter Name")});
    EXPECT_EQ(app.state().reading.birth, BirthRecord{});
    EXPECT_EQ(display(), nullptr);
    EXPECT_TRUE(form().isVisible());
}

TEST_F(ReadingDriver, SecondsChangeNothing) {
    typeBirth(form(), kDelhi2000);
    pickFromList(form().cboSS, "45");
    getReading();
    expectShown(*display(), kDelhi2000Figures);
}

TEST_F(ReadingDriver, AMinusZoneWithEastCountsAsAheadOfUniversalTime) {
    typeBirth(form(), kDelhi2000);
    form().txtZoneHour->clear();
    QTest::keyClicks(form().txtZoneHour, QStringLiteral("-5"));
    getReading();
    EXPECT_EQ(app.state().reading.birth.ZoneHour, 5);
    expectShown(*display(), kDelhi2000Figures);
}

TEST_F(ReadingDriver, AGrayedDaylightSavingBoxCountsAsSet) {
    typeBirth(form(), kNewYork1985);
    form().chkDST->setTristate(true);
    form().chkDST->setCheckState(Qt::PartiallyChecked);
    getReading();
    EXPECT_TRUE(app.state().reading.birth.DST);
    expectShown(*display(), kNewYork1985Figures);
}

TEST_F(ReadingDriver, BackKeepsTheInputsAndASecondClickReproducesTheReading) {
    typeBirth(form(), kNewYork1985);
    getReading();
    for (int click = 0; click < 4; ++click) {
        QTest::mouseClick(display()->lblName, Qt::LeftButton);
    }
    QTest::mouseClick(display()->cmdOK, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_EQ(display(), nullptr);
    EXPECT_TRUE(form().isVisible());
    EXPECT_EQ(form().txtName->text(), QStringLiteral("SITA"));
    EXPECT_EQ(form().cboYear->currentText(), QStringLiteral("1985"));
    EXPECT_TRUE(form().optLong[1]->isChecked());
    EXPECT_TRUE(form().chkDST->isChecked());

    getReading();
    ASSERT_NE(display(), nullptr);
    expectShown(*display(), kNewYork1985Figures);
    EXPECT_EQ(app.state().currentHouse, 0);
    EXPECT_EQ(display()->lblName->text(),
              QStringLiteral("Click Here To Show Characteristics Of 2nd House"));
    EXPECT_EQ(display()->lblHouseName->text(), QStringLiteral("The House of Identity"));
}

TEST_F(ReadingDriver, ASecondReadingReusesTheWindowAndStartsAtHouseOne) {
    typeBirth(form(), kDelhi2000);
    getReading();
    FrmDisplay* first = display();
    QTest::mouseClick(first->lblName, Qt::LeftButton);
    EXPECT_EQ(app.state().currentHouse, 1);

    app.showBirthDataWindow();
    getReading();
    EXPECT_EQ(display(), first);
    EXPECT_EQ(app.state().currentHouse, 0);
    EXPECT_EQ(first->lblHouseName->text(), QStringLiteral("The House of Identity"));
}

} // namespace
