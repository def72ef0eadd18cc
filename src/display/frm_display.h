#pragma once

#include "document/reading_document.h"
#include "platform/shared_menus.h"
#include "reading/reading_rows.h"
#include "ui_frm_display.h"

#include <QMainWindow>
#include <QString>

#include <array>
#include <string>

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
class QTreeWidgetItem;

// The reading window, laid out in frm_display.ui: the chart's figures on one tab, the house
// interpretations on the other, stepped through by a click on lblName.
class FrmDisplay : public QMainWindow, public Ui::FrmDisplay {
    Q_OBJECT
public:
    explicit FrmDisplay(App& app, QWidget* parent = nullptr);

    // Lays the reading out: the 12 Bhava Madhya and the 12 Bhava Sandhi, the
    // Julian day, ayanamsa, ascendant and midheaven, the warnings, the drawn
    // chart and the planets table (or why there are no planets).
    void showReading(const Reading& shown);
    // Shows the interpretation of house index 0..11 with the prompt that names
    // the next house, and makes it the program's current house.
    void showHouse(int houseIndex);
    // Advances the program's current house index in a cycle and shows it.
    void ShowNextHouse();

    // The controls of the form (frm_display.ui) are members by their names;
    // the house rows' values are also arrays, index i for house i+1.
    std::array<QLabel*, 12> lblBhavaMadhya{};
    std::array<QLabel*, 12> lblBhavaSandhi{};

    // The shared menus.
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new language: the form's captions and the reading again in it.
    void changeEvent(QEvent* event) override;

private:
    void addSharedMenus();
    void retranslate();
    void showLinks();
    // Room for the longest text each label will ever show, so that the window
    // is laid out right before the first reading fills it and never has to
    // grow while the user steps through the houses.
    void reserveTextSpace();
    void setUpDescription();
    void sizePlanetsTable();
    void reserveBannerHeights();
    void connectEvents();

    void clearDescriptionFromClipboard();

    void showFigures(const Reading& reading);
    void showVargas();
    // The chart chosen: the Bhava chart or a divisional chart of the reading.
    void showChartKind();
    // The balance, the sensitivity and the tree of the dasha on screen, with
    // the year choice naming its year.
    void showDasha();
    // The planets table: each body's position, sign and Bhava and how many
    // minutes of birth time move it, then the ascendant's sign.
    void showPlanets(const Reading& reading);

    void on_lblName_clicked();
    void on_cboChartStyle_currentIndexChanged(int index);
    void on_cboChartKind_currentIndexChanged(int index);
    void on_cboDashaYear_currentIndexChanged(int index);
    void on_treDasha_itemExpanded(QTreeWidgetItem* item);
    void on_mnuPrint_triggered();
    void on_mnuExportPdf_triggered();
    void on_mnuSaveChartPicture_triggered();
    void on_cmdSave_clicked();
    void on_cmdOK_clicked();
    void on_cmdExit_clicked();

    App& app;
    SharedMenus sharedMenus;
    // The reading on screen, its dasha in the year chosen here.
    Reading reading;
    QString selectedDescription; // the last text selected in the description
};
