#include "display/save_reading.h"
#include "entry/frm_main.h"
#include "entry/open_reading.h"
#include "entry/reading_driver.h"
#include "entry/time_zones.h"
#include "files/reading_file.h"
#include "reading_test_support.h"
#include "shell/application.h"
#include "shell/frm_referral.h"
#include "support/fake_services.h"
#include "tools/chart/chart.h"
#include "tools/reading_json.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

const QString kCheckTheFile = QStringLiteral("Please Check The File.");

const std::vector<std::string> kSitaLines = {"SITA",  "2",    "29", "2000", "7",  "5",
                                             "-3",    "0",    "43", "12",   "22", "54",
                                             "false", "TRUE", "1",  "Rio",  "RJ", "Brasil"};

QComboBox* list(QWidget* parent, const char* name, const QStringList& items) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->addItems(items);
    return box;
}

QStringList numbers(int from, int to) { // NOLINT(bugprone-easily-swappable-parameters)
    QStringList items;
    for (int i = from; i <= to; ++i) {
        items << QString::number(i);
    }
    return items;
}

// frmMain with its input controls. Until the birth-data window's own controls
// are in place, stand-ins with the same lists and pairs are given to it.
FrmMain& frmMainWithInputs(Application& app) {
    FrmMain& f = app.frmMain();
    if (f.txtName != nullptr) {
        return f;
    }
    auto* inputs = new QWidget(&f);
    auto* layout = new QVBoxLayout(inputs);
    auto edit = [&](const char* name) {
        auto* box = new QLineEdit(inputs);
        box->setObjectName(QString::fromLatin1(name));
        layout->addWidget(box);
        return box;
    };
    f.txtName = edit("txtName");
    f.cboMonth = list(inputs, "cboMonth",
                      {"January", "February", "March", "April", "May", "June", "July", "August",
                       "September", "October", "November", "December"});
    f.cboDate = list(inputs, "cboDate", numbers(1, 31));
    f.cboYear = list(inputs, "cboYear", numbers(1901, 2050));
    f.cboHH = list(inputs, "cboHH", numbers(0, 23));
    f.cboMM = list(inputs, "cboMM", numbers(0, 59));
    f.cboSS = list(inputs, "cboSS", numbers(0, 59));
    f.txtZoneHour = edit("txtZoneHour");
    f.txtZoneMinute = edit("txtZoneMinute");
    f.chkDST = new QCheckBox(QStringLiteral("DST"), inputs);
    f.txtLatD = edit("txtLatD");
    f.txtLatM = edit("txtLatM");
    auto* lat = new QWidget(inputs);
    f.optLat = {new QRadioButton(QStringLiteral("North"), lat),
                new QRadioButton(QStringLiteral("South"), lat)};
    f.optLat[0]->setChecked(true);
    f.txtLonD = edit("txtLonD");
    f.txtLonM = edit("txtLonM");
    auto* lon = new QWidget(inputs);
    f.optLong = {new QRadioButton(QStringLiteral("East"), lon),
                 new QRadioButton(QStringLiteral("West"), lon)};
    f.optLong[0]->setChecked(true);
    f.txtMCity = edit("txtMCity");
    f.txtMState = edit("txtMState");
    f.txtMCountry = edit("txtMCountry");
    return f;
}

// Everything the opener may change, as text, to see whether it changed.
QStringList inputsOf(const FrmMain& f) {
    return {f.txtName->text(),
            QString::number(f.cboMonth->currentIndex()),
            f.cboDate->currentText(),
            f.cboYear->currentText(),
            f.cboHH->currentText(),
            f.cboMM->currentText(),
            f.cboSS->currentText(),
            f.txtZoneHour->text(),
            f.txtZoneMinute->text(),
            f.txtLonD->text(),
            f.txtLonM->text(),
            f.txtLatD->text(),
            f.txtLatM->text(),
            f.optLong[0]->isChecked() ? QStringLiteral("East") : QStringLiteral("West"),
            f.optLat[1]->isChecked() ? QStringLiteral("South") : QStringLiteral("North"),
            f.chkDST->isChecked() ? QStringLiteral("DST") : QStringLiteral("no DST"),
            f.txtMCity->text(),
            f.txtMState->text(),
            f.txtMCountry->text()};
}

// Inputs a user typed before opening a file.
void typeSomething(FrmMain& f) {
    f.txtName->setText(QStringLiteral("GOPAL"));
    f.cboMonth->setCurrentIndex(4);
    for (QComboBox* list : {f.cboDate, f.cboYear, f.cboHH, f.cboMM}) {
        list->setCurrentIndex(0);
    }
    f.cboSS->setCurrentIndex(33);
    f.txtZoneHour->setText(QStringLiteral("5"));
    f.txtMCity->setText(QStringLiteral("Pune"));
}

BirthRecord gopal() {
    BirthRecord r;
    r.Name = " GOPAL ";
    r.Month = 5;
    r.Day = 3;
    r.Year = 1980;
    r.ZoneHour = 5;
    r.ZoneMinute = 30;
    r.LonD = 73;
    r.LonM = 51;
    r.LatD = 18;
    r.LatM = 31;
    r.LonEast = true;
    r.City = "Pune";
    r.State = "Maharashtra";
    r.Country = "India";
    return r;
}

class ReadingDialogs : public testing::Test {
protected:
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir dir;
    FakeServices fakes;
    Application app{fakes.services()};
};

TEST_F(ReadingDialogs, SaveWritesTheReadingWhereTheUserChose) {
    app.state().reading.birth = gopal();
    fakes.dialogs.fileAnswers.push_back(path("gopal.kvr"));

    SaveReading(app, nullptr);

    ASSERT_EQ(fakes.dialogs.fileDialogs.size(), 1U);
    const FileDialogSpec& spec = fakes.dialogs.fileDialogs[0];
    EXPECT_EQ(spec.title, QStringLiteral("Kelvaro"));
    EXPECT_EQ(spec.filter, QStringLiteral("Kelvaro (*.kvr)"));
    EXPECT_EQ(spec.defaultSuffix, QStringLiteral("kvr"));
    EXPECT_TRUE(spec.confirmOverwrite);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(contents(path("gopal.kvr")),
              fileOf({"GOPAL", "5", "3", "1980", "0", "0", "5", "30", "73", "51", "18", "31",
                      "True", "False", "False", "Pune", "Maharashtra", "India"}));
}

TEST_F(ReadingDialogs, CancellingTheSaveDoesNothing) {
    app.state().reading.birth = gopal();
    fakes.dialogs.fileAnswers = {std::nullopt, QString()};

    SaveReading(app, nullptr);
    SaveReading(app, nullptr);

    EXPECT_EQ(fakes.dialogs.fileDialogs.size(), 2U);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
}

TEST_F(ReadingDialogs, SaveNamesTheCharactersLeftOut) {
    BirthRecord r = gopal();
    r.Name = "Ren\xC3\xA9 \xC3\x89mile";
    r.Country = "\xC3\x96sterreich";
    app.state().reading.birth = r;
    fakes.dialogs.fileAnswers.push_back(path("rene.kvr"));

    SaveReading(app, nullptr);

    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    EXPECT_EQ(fakes.dialogs.messages[0].text,
              QString::fromUtf8("Some characters cannot be stored in a reading file and were left "
                                "out:\nName: \xC3\xA9\xC3\x89\nCountry: \xC3\x96"));
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(contents(path("rene.kvr")).startsWith(shifted("Ren mile") + "\r\n"));
}

TEST_F(ReadingDialogs, AFailedSaveSaysSoAndWhy) {
    ASSERT_TRUE(put(path("plain"), "a file, not a folder"));
    app.state().reading.birth = gopal();
    fakes.dialogs.fileAnswers.push_back(path("plain/gopal.kvr"));

    SaveReading(app, nullptr);

    ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
    const QString prefix = QStringLiteral("The reading could not be saved.\n");
    EXPECT_TRUE(fakes.dialogs.messages[0].text.startsWith(prefix));
    EXPECT_GT(fakes.dialogs.messages[0].text.size(), prefix.size()); // the reason
    EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(contents(path("plain")), QByteArray("a file, not a folder"));
}

TEST_F(ReadingDialogs, OpenPutsTheFileIntoFrmMain) {
    FrmMain& f = frmMainWithInputs(app);
    typeSomething(f);
    app.showReferralWindow();
    ASSERT_TRUE(put(path("sita.kvr"), fileOf(kSitaLines)));
    fakes.dialogs.fileAnswers.push_back(path("sita.kvr"));

    OpenReading(app, app.frmMain());

    ASSERT_EQ(fakes.dialogs.fileDialogs.size(), 1U);
    const FileDialogSpec& spec = fakes.dialogs.fileDialogs[0];
    EXPECT_EQ(spec.title, QStringLiteral("Select the source file"));
    EXPECT_EQ(spec.filter, QStringLiteral("Kelvaro (*.kvr)"));
    EXPECT_EQ(spec.defaultSuffix, QStringLiteral("kvr"));
    EXPECT_TRUE(spec.fileMustExist);
    EXPECT_FALSE(fakes.messageTexts().contains(kCheckTheFile));
    EXPECT_EQ(inputsOf(f),
              (QStringList{"SITA", "1", "29", "2000", "7", "5", "33", "-3", "0", "43", "12", "22",
                           "54", "West", "South", "DST", "Rio", "RJ", "Brasil"}));
    ASSERT_NE(app.loadedReferralWindow(), nullptr);
    EXPECT_FALSE(app.loadedReferralWindow()->isVisible());
}

TEST_F(ReadingDialogs, OnlyTheLastThreeCharactersOfThePathCount) {
    struct Case {
        const char* name;
        bool opens;
    };
    const Case cases[] = {
        {"sita.kvr", true},  {"sitakvr", true},       {"sita.KVR", false},
        {"sita.Kvr", false}, {"sita.kvr.bak", false}, {"kv", false},
    };
    FrmMain& f = frmMainWithInputs(app);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        typeSomething(f);
        const QStringList before = inputsOf(f);
        fakes.dialogs.messages.clear();
        ASSERT_TRUE(put(path(c.name), fileOf(kSitaLines)));
        fakes.dialogs.fileAnswers.push_back(path(c.name));

        OpenReading(app, app.frmMain());

        EXPECT_EQ(fakes.messageTexts().contains(kCheckTheFile), !c.opens);
        EXPECT_EQ(f.txtName->text(), c.opens ? QStringLiteral("SITA") : QStringLiteral("GOPAL"));
        if (!c.opens) {
            ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
            EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
            EXPECT_EQ(inputsOf(f), before);
        }
    }
}

TEST_F(ReadingDialogs, ABrokenFileChangesNothing) {
    std::vector<std::string> seventeen = kSitaLines;
    seventeen.pop_back();
    ASSERT_TRUE(put(path("short.kvr"), fileOf(seventeen)));
    ASSERT_TRUE(put(path("empty.kvr"), QByteArray()));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.kvr")));
    // No one writes into it: opening it as a file would wait for ever.
    ASSERT_EQ(mkfifo(QFile::encodeName(path("fifo.kvr")).constData(), 0600), 0);
    FrmMain& f = frmMainWithInputs(app);
    typeSomething(f);
    const QStringList before = inputsOf(f);

    for (const char* name : {"short.kvr", "empty.kvr", "missing.kvr", "folder.kvr", "fifo.kvr"}) {
        SCOPED_TRACE(name);
        fakes.dialogs.messages.clear();
        fakes.dialogs.fileAnswers.push_back(path(name));

        OpenReading(app, app.frmMain());

        ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
        EXPECT_TRUE(fakes.dialogs.messages[0].text.startsWith(kCheckTheFile + QLatin1Char('\n')))
            << fakes.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(fakes.dialogs.messages[0].icon, MessageIcon::Critical);
        EXPECT_EQ(inputsOf(f), before);
    }
}

TEST_F(ReadingDialogs, CancellingTheOpenChangesNothing) {
    FrmMain& f = frmMainWithInputs(app);
    typeSomething(f);
    const QStringList before = inputsOf(f);
    fakes.dialogs.fileAnswers = {std::nullopt, QString()};

    OpenReading(app, app.frmMain());
    OpenReading(app, app.frmMain());

    EXPECT_EQ(fakes.dialogs.fileDialogs.size(), 2U);
    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(inputsOf(f), before);
}

TEST_F(ReadingDialogs, ASavedReadingOpensAsItWasSaved) {
    BirthRecord r = gopal();
    r.Hour = 23;
    r.Minute = 59;
    r.LonEast = false;
    r.LatSouth = true;
    r.DST = true;
    r.State = "";
    app.state().reading.birth = r;
    fakes.dialogs.fileAnswers = {path("gopal.kvr"), path("gopal.kvr")};
    FrmMain& f = frmMainWithInputs(app);
    typeSomething(f);

    SaveReading(app, nullptr);
    OpenReading(app, app.frmMain());

    EXPECT_TRUE(fakes.dialogs.messages.empty());
    EXPECT_EQ(inputsOf(f),
              (QStringList{"GOPAL", "4", "3", "1980", "23", "59", "33", "5", "30", "73", "51", "18",
                           "31", "West", "South", "DST", "Pune", "", "India"}));
}

struct DamagedCase {
    int line; // 1..18
    const char* text;
};

TEST_F(ReadingDialogs, AValueTheWindowWouldShowOtherwiseIsADamagedFile) {
    // Each of these used to be cut by a box's length, left the previous
    // choice in a list, or counted as true.
    const DamagedCase cases[] = {
        {11, "028"}, {9, "0077"}, {2, "0"},    {2, "13"},  {2, "1.4"}, {3, "05"},
        {3, "32"},   {5, "24"},   {13, "yes"}, {14, "no"}, {15, ""},
    };
    FrmMain& f = frmMainWithInputs(app);
    for (const DamagedCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.line) + ": " + c.text);
        typeSomething(f);
        const QStringList before = inputsOf(f);
        fakes.dialogs.messages.clear();
        std::vector<std::string> lines = kSitaLines;
        lines.at(static_cast<std::size_t>(c.line - 1)) = c.text;
        ASSERT_TRUE(put(path("damaged.kvr"), fileOf(lines)));
        fakes.dialogs.fileAnswers.push_back(path("damaged.kvr"));

        OpenReading(app, app.frmMain());

        ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
        EXPECT_TRUE(fakes.dialogs.messages[0].text.startsWith(
            kCheckTheFile + QStringLiteral("\nLine %1 (").arg(c.line)))
            << fakes.dialogs.messages[0].text.toStdString();
        EXPECT_EQ(inputsOf(f), before);
    }
}

TEST_F(ReadingDialogs, TheWindowAndTheCommandLineReadAFileAlike) {
    // Each file gives the same figures in both, or the window's message in
    // both (with status 1 on the command line).
    const std::vector<std::pair<int, const char*>> variants[] = {
        {},
        {{7, "-3"}},           // a zone typed with a minus
        {{7, "-14"}},          // the Line Islands, as the picker writes it
        {{11, "08"}},          // a leading zero the box can hold
        {{1, ""}},             // no name
        {{7, "15"}},           // beyond any zone
        {{2, "2"}, {3, "30"}}, // 30 February
        {{3, "05"}},           // not an item of the day list
        {{13, "yes"}},         // not a flag
    };
    for (const auto& changes : variants) {
        std::vector<std::string> lines = kSitaLines;
        std::string what;
        for (const auto& [line, text] : changes) {
            lines.at(static_cast<std::size_t>(line - 1)) = text;
            what += std::to_string(line) + "=" + text + " ";
        }
        SCOPED_TRACE(what);
        ASSERT_TRUE(put(path("same.kvr"), fileOf(lines)));
        fakes.dialogs.messages.clear();
        fakes.dialogs.fileAnswers.push_back(path("same.kvr"));
        app.state().reading.houses = {};

        OpenReading(app, app.frmMain());

        std::FILE* none = std::tmpfile();
        std::ostringstream out;
        std::ostringstream err;
        const int status =
            runChart({QStringLiteral("kelvaro-chart"), QStringLiteral("--json"), path("same.kvr")},
                     none, out, err);
        std::fclose(none);
        if (fakes.dialogs.messages.empty()) {
            EXPECT_EQ(status, 0) << err.str();
            EXPECT_EQ(out.str(), readingJson(app.state().reading) + "\n");
        } else {
            ASSERT_EQ(fakes.dialogs.messages.size(), 1U);
            EXPECT_EQ(status, 1);
            EXPECT_NE(err.str().find(fakes.dialogs.messages[0].text.toStdString()),
                      std::string::npos)
                << err.str();
        }
    }
}

TEST_F(ReadingDialogs, EveryPickerZoneIsSavedAndReopened) {
    // The picker writes -13 and -14 for the zones far east of Greenwich; a
    // saved reading with any of its zones must open again to the same reading.
    FrmMain& f = app.frmMain();
    f.txtName->setText(QStringLiteral("SITA"));
    f.txtLonD->setText(QStringLiteral("172"));
    f.txtLonM->setText(QStringLiteral("30"));
    f.txtLatD->setText(QStringLiteral("40"));
    f.txtLatM->setText(QStringLiteral("0"));
    for (const TimeZoneEntry& zone : kTimeZones) {
        SCOPED_TRACE(std::string(zone.text));
        f.txtZoneHour->setText(QString::number(zone.zoneHour));
        f.txtZoneMinute->setText(QString::number(zone.zoneMinute));
        RunReadingDriver(app, app.frmMain());
        const BirthRecord shown = app.state().reading.birth;
        const std::string ascendant = app.state().reading.houses.AscendantText;
        fakes.dialogs.fileAnswers = {path("zone.kvr"), path("zone.kvr")};

        SaveReading(app, nullptr);
        f.txtZoneHour->setText(QStringLiteral("1"));
        OpenReading(app, app.frmMain());

        EXPECT_TRUE(fakes.dialogs.messages.empty())
            << fakes.messageTexts().join(u'|').toStdString();
        EXPECT_EQ(app.state().reading.birth, shown);
        EXPECT_EQ(app.state().reading.houses.AscendantText, ascendant);
    }
}

} // namespace
