#pragma once

#include "birth/birth_rules.h"

#include <QMainWindow>
#include <QPoint>
#include <QStringList>

#include <array>
#include <utility>
#include <vector>

class App;
class ClickableLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QKeyEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

// The entries of cboMonth, January first.
const QStringList& MonthNames();

// The birth-data window. Its controls carry the names the rest of the program
// knows them by (their objectName is the same text); the time-zone picker, the
// reading driver and the reading-file opener read and write them directly.
class FrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmMain(App& app, QWidget* parent = nullptr);

    // True when every input is valid; otherwise reports the first failure
    // (message box, focus) and returns false.
    bool ValidateBirthData();

    // The birth data the controls hold, and the controls set to an entry (a
    // list whose text names none of its items is left without a choice).
    BirthEntry birthEntry() const;
    void showBirthEntry(const BirthEntry& entry);

    // Banners, chosen at start-up.
    ClickableLabel* Label61 = nullptr;
    QLabel* Label11 = nullptr;
    ClickableLabel* lblCobrand = nullptr;
    ClickableLabel* lblFullBrand = nullptr;

    // Inputs.
    QLineEdit* txtName = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    QComboBox* cboHH = nullptr;
    QComboBox* cboMM = nullptr;
    QComboBox* cboSS = nullptr;
    QFrame* fraZone = nullptr;
    QLineEdit* txtZoneHour = nullptr;
    QLineEdit* txtZoneMinute = nullptr;
    ClickableLabel* lblTZHelp = nullptr;
    QCheckBox* chkDST = nullptr;
    QLineEdit* txtLatD = nullptr;
    QLineEdit* txtLatM = nullptr;
    std::array<QRadioButton*, 2> optLat{}; // 0 North, 1 South
    QLineEdit* txtLonD = nullptr;
    QLineEdit* txtLonM = nullptr;
    std::array<QRadioButton*, 2> optLong{}; // 0 East, 1 West
    QLineEdit* txtMCity = nullptr;
    QLineEdit* txtMState = nullptr;
    QLineEdit* txtMCountry = nullptr;

    // Buttons.
    QPushButton* cmdBrowser = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdRashi = nullptr;

    // Menu.
    QMenu* mnuFile = nullptr;
    QAction* mnuNext = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mkmoney = nullptr;

    // Where "TZ Help" opens the time-zone picker: the label's right edge, and
    // a little below its bottom (global coordinates, top-left of the picker).
    QPoint timeZonePickerPosition() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter anywhere that does not use it itself runs "Get My Bhava Chart
    // Reading", as a dialog's default button would.
    void keyPressEvent(QKeyEvent* event) override;
    // The key filters of the name, zone, latitude and longitude boxes.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum class KeyRule { Letters, SignedDigits, Digits };

    QWidget* buildTopBand();
    QWidget* buildMainFrame();
    QWidget* buildBottomBand();
    void buildMenu();
    void fillLists();
    void setTabOrderAsFilled();
    void connectHandlers();
    void installKeyFilter(QLineEdit* box, KeyRule rule);
    // The box the keyboard focus goes to for a problem with the field.
    QWidget* boxOf(BirthField field) const;
    bool filterKey(QLineEdit* box, KeyRule rule, QKeyEvent* event);

    void on_cmdRashi_clicked();
    void on_cmdOpen_clicked();
    void on_cmdBrowser_clicked();
    void on_lblTZHelp_clicked();
    void on_mnuExit_triggered();
    void on_mnuAbout_triggered();

    App& app;
    std::vector<std::pair<QLineEdit*, KeyRule>> keyRules;
};
