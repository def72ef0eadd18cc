#pragma once

#include "document/reading_document.h"

#include <QMainWindow>
#include <QString>

#include <array>

struct BhavaResult;
struct PlanetsOutcome;
class App;
class BhavaChartView;
class ClickableLabel;
class QAction;
class QComboBox;
class QEvent;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QTabWidget;
class QTableWidget;

// The reading window: the chart's figures on one tab, the house
// interpretations on the other, stepped through by a click on lblName.
class FrmDisplay : public QMainWindow {
    Q_OBJECT
public:
    explicit FrmDisplay(App& app, QWidget* parent = nullptr);

    // Lays the reading out: the 12 Bhava Madhya and the 12 Bhava Sandhi, the
    // Julian day, ayanamsa, ascendant and midheaven, the warnings, the drawn
    // chart and the planets table (or why there are no planets).
    void showReading(const Reading& reading);
    // Shows the interpretation of house index 0..11 with the prompt that names
    // the next house, and makes it the program's current house.
    void showHouse(int houseIndex);
    // Advances the program's current house index in a cycle and shows it.
    void ShowNextHouse();

    ClickableLabel* Label61 = nullptr;
    QTabWidget* SSTab1 = nullptr;

    // "Bhava Chart".
    QLabel* lblJulianDay = nullptr;
    QLabel* lblAyanamsa = nullptr;
    QLabel* lblAscendant = nullptr;
    QLabel* lblMidheaven = nullptr;
    QLabel* lblWarnings = nullptr;     // the reading's warnings, hidden when there are none
    ClickableLabel* Label1 = nullptr;  // the "House" column heading
    ClickableLabel* Label19 = nullptr; // the house-number label "12"
    std::array<QLabel*, 12> lblBhavaMadhya{};
    std::array<QLabel*, 12> lblBhavaSandhi{};
    BhavaChartView* picBhavaChart = nullptr;
    QComboBox* cboChartStyle = nullptr; // "North Indian", "South Indian"

    // "Interpretation of Houses".
    ClickableLabel* lblName = nullptr;
    QLabel* lblHouseName = nullptr;
    QLabel* lblSanskritName = nullptr;
    QLabel* lblPlanetRuler = nullptr;
    QLabel* lblSignRuler = nullptr;
    QLabel* lblKeywords = nullptr;
    QLabel* lblMantra = nullptr;
    QLabel* lblType = nullptr;
    QLabel* lblQuality = nullptr;
    QLabel* lblElement = nullptr;
    QPlainTextEdit* txtHouseDesc = nullptr;

    // "Planets in Bhavas".
    QWidget* tabPlanets = nullptr;
    QTableWidget* tblPlanets = nullptr; // the nine bodies, then the ascendant
    QLabel* lblPlanetsNote = nullptr;   // what the columns mean, or why they are empty

    QPushButton* cmdSave = nullptr;
    QPushButton* cmdOK = nullptr; // "&Back"
    QPushButton* cmdExit = nullptr;
    ClickableLabel* lblFullBrand = nullptr;
    ClickableLabel* lblCobrand = nullptr;

    QMenu* mnuFile = nullptr;
    QAction* mnuPrint = nullptr;
    QAction* mnuExportPdf = nullptr;
    QAction* mnuSaveChartPicture = nullptr;
    QAction* mnuFileBack = nullptr;
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
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* createBanner();
    QWidget* createChartTab();
    QWidget* createChartPicture();
    QWidget* createInterpretationTab();
    QWidget* createPlanetsTab();
    QWidget* createButtons();
    QWidget* createBrandFrame();
    void createMenu();
    void reserveBannerHeights();
    void connectEvents();

    void clearDescriptionFromClipboard();

    void showFigures(const Reading& reading);
    // The planets table: each body's position, sign and Bhava and how many
    // minutes of birth time move it, then the ascendant's sign.
    void showPlanets(const Reading& reading);

    // The printed reading of what the window shows, in the chosen style.
    ReadingDocument readingDocument() const;

    void on_lblName_clicked();
    void on_cboChartStyle_currentIndexChanged(int index);
    void on_mnuPrint_triggered();
    void on_mnuExportPdf_triggered();
    void on_mnuSaveChartPicture_triggered();
    void on_cmdSave_clicked();
    void on_cmdOK_clicked();
    void on_cmdExit_clicked();

    App& app;
    QString selectedDescription; // the last text selected in the description
};
