#pragma once

#include <QMainWindow>

#include <array>

class App;
class ClickableLabel;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    App& app;
};
