#include "display/frm_display.h"

#include "display/bhava_chart_view.h"
#include "display/reading_exports.h"
#include "display/save_reading.h"
#include "display/vedic_tabs.h"
#include "document/chart_picture.h"
#include "document/program_title.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/reading_choices.h"
#include "platform/shared_menus.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"
#include "translation/reading_texts.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

namespace {

// Room for the longest text the label will ever show, empty or not, so that
// the window is laid out right before the first reading fills it and never
// has to grow while the user steps through the houses.
void reserveSpace(QLabel* label, const QStringList& texts) {
    const QFontMetrics metrics = label->fontMetrics();
    int widest = 0;
    for (const QString& text : texts) {
        widest = std::max(widest, metrics.horizontalAdvance(text));
    }
    label->setMinimumSize(widest + metrics.averageCharWidth(), metrics.height());
}

QStringList catalogueColumn(QString HouseProfile::*field) {
    QStringList texts;
    for (const HouseProfile& profile : LoadHouseCatalogue().houses) {
        texts << TableText("HouseCatalogue", profile.*field);
    }
    return texts;
}

// The longest angle text of the chart: degrees, minutes, seconds and a sign.
const QString kWidestAngle = QStringLiteral("-29° 59' 59\" Sag");

// Where the chosen chart style is remembered, and its two values.
const QString kChartSection = QStringLiteral("Chart");
const QString kStyleName = QStringLiteral("Style");
const QString kNorthValue = QStringLiteral("north");
const QString kSouthValue = QStringLiteral("south");
// The chart chosen: "bhava", or a divisional chart by its label ("D9").
const QString kKindName = QStringLiteral("Kind");
const QString kBhavaValue = QStringLiteral("bhava");

ChartStyle styleOfIndex(int index) {
    return index == 1 ? ChartStyle::South : ChartStyle::North;
}

// The planets table: its columns, and one row for each body and the ascendant.
enum PlanetsColumn {
    kPlanetColumn,
    kPositionColumn,
    kSignColumn,
    kBhavaColumn,
    kEarlierColumn,
    kLaterColumn,
    kNakshatraColumn,
    kPadaColumn,
    kLordColumn,
    kPlanetsColumns
};

QString planetsNote() {
    return FrmDisplay::tr(
        "Minutes earlier and later: how far the birth time may be off before the planet stands in "
        "another Bhava (for the ascendant: before it rises in another sign). Marked * and "
        "highlighted: within 15 minutes, worth checking the recorded birth time. (R): retrograde. "
        "Lord: the nakshatra's lord, "
        "who rules its period of the Vimshottari dasha.");
}

QString vargasNote() {
    return FrmDisplay::tr(
        "Holds from and to: the birth times between which the chart's ascendant keeps its sign. "
        "Marked * and highlighted in D1 and D9: within 15 minutes of the birth, worth checking the "
        "recorded birth time; the finer charts' windows are short by nature.");
}

QTableWidgetItem* cell(const QString& text, const QString& spoken = {}) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (!spoken.isEmpty()) {
        item->setData(Qt::AccessibleTextRole, spoken);
    }
    return item;
}

// A sensitivity cell: the minutes, marked and highlighted when close, and
// said in words for a screen reader.
QTableWidgetItem* minutesCell(const SensitivityCell& minutes, const QString& body, bool earlier) {
    const QString when = earlier ? FrmDisplay::tr("earlier") : FrmDisplay::tr("later");
    const bool ascendant = body == QStringLiteral("Ascendant");
    const QString shownBody = PlanetText(body.toStdString());
    const QString what = ascendant
                             ? FrmDisplay::tr("the ascendant would rise in another sign")
                             : FrmDisplay::tr("%1 would stand in another Bhava").arg(shownBody);
    if (minutes.beyondLimit()) {
        QTableWidgetItem* item =
            cell(QStringLiteral("> %1").arg(kMaxSensitivityMinutes),
                 FrmDisplay::tr("more than %1 minutes %2").arg(kMaxSensitivityMinutes).arg(when));
        item->setToolTip(FrmDisplay::tr("Even born four hours %1, %2 would not change.")
                             .arg(when, ascendant ? FrmDisplay::tr("the ascendant's sign")
                                                  : FrmDisplay::tr("%1's Bhava").arg(shownBody)));
        return item;
    }
    const int count = *minutes.minutes;
    const QString spoken = minutes.close ? FrmDisplay::tr("%1 minutes %2, within %3 minutes")
                                               .arg(count)
                                               .arg(when)
                                               .arg(kCloseSensitivityMinutes)
                                         : FrmDisplay::tr("%1 minutes %2").arg(count).arg(when);
    QTableWidgetItem* item =
        cell(minutes.close ? QStringLiteral("%1 *").arg(count) : QString::number(count), spoken);
    item->setToolTip(FrmDisplay::tr("Born %1 minutes %2, %3.").arg(count).arg(when, what));
    if (minutes.close) {
        MarkClose(*item);
    }
    return item;
}

} // namespace

FrmDisplay::FrmDisplay(App& app, QWidget* parent) : QMainWindow(parent), app(app) {
    setupUi(this);
    setWindowTitle(ProgramTitle());
    for (std::size_t i = 0; i < lblBhavaMadhya.size(); ++i) {
        lblBhavaMadhya.at(i) = findChild<QLabel*>(QStringLiteral("lblBhavaMadhya_%1").arg(i));
        lblBhavaSandhi.at(i) = findChild<QLabel*>(QStringLiteral("lblBhavaSandhi_%1").arg(i));
    }
    mnuPrint->setShortcut(QKeySequence::Print);
    addSharedMenus();
    showLinks();
    reserveTextSpace();
    setUpDescription();
    sizePlanetsTable();
    lblPlanetsNote->setText(planetsNote());
    // The style chosen last time.
    const bool south = app.services().settings.value(kChartSection, kStyleName) == kSouthValue;
    cboChartStyle->setCurrentIndex(south ? 1 : 0);
    picBhavaChart->setChartStyle(styleOfIndex(cboChartStyle->currentIndex()));
    for (const std::string& title : VargaTitles()) {
        cboChartKind->addItem(VargaTitleText(title), QString::fromStdString(title));
    }
    const QString kind = app.services().settings.value(kChartSection, kKindName);
    for (int i = 1; i < cboChartKind->count(); ++i) {
        if (cboChartKind->itemData(i).toString().section(u' ', 0, 0) == kind) {
            cboChartKind->setCurrentIndex(i);
        }
    }
    for (const std::string& title : DashaYearTitles()) {
        cboDashaYear->addItem(TableText("DashaYears", title));
    }
    cboDashaYear->setCurrentIndex(static_cast<int>(RememberedDashaYear(app.services().settings)));
    lblVargasNote->setText(vargasNote());
    SizeVedicTabs(*tblVargas, *treDasha);
    connectEvents();
}

void FrmDisplay::addSharedMenus() {
    SharedMenuCaptions captions;
    captions.update = QT_TRANSLATE_NOOP("SharedMenus", "&Check for Software Update");
    sharedMenus = AddSharedMenus(*menuBar(), *this, app, captions);
    sharedMenus.keepIn(*this);
    // The home-business entry is kept but not offered.
    menuBar()->addAction(mkmoney);
}

// The banners read as links; the prompt in red, with a pointing hand; the
// warnings in a colour of their own.
void FrmDisplay::showLinks() {
    for (QLabel* link : {static_cast<QLabel*>(Label61), static_cast<QLabel*>(lblFullBrand),
                         static_cast<QLabel*>(lblCobrand)}) {
        link->setForegroundRole(QPalette::Link);
    }
    QPalette red = lblName->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblName->setPalette(red);
    QPalette warning = lblWarnings->palette();
    warning.setColor(QPalette::WindowText, QColor(0x9a, 0x34, 0x12));
    lblWarnings->setPalette(warning);
}

void FrmDisplay::reserveTextSpace() {
    for (QLabel* label : {lblJulianDay, lblAyanamsa, lblAscendant, lblMidheaven}) {
        reserveSpace(label, {PositionText(kWidestAngle)});
    }
    for (std::size_t i = 0; i < lblBhavaMadhya.size(); ++i) {
        reserveSpace(lblBhavaMadhya.at(i), {PositionText(kWidestAngle)});
        reserveSpace(lblBhavaSandhi.at(i), {PositionText(kWidestAngle)});
    }
    QStringList prompts;
    for (int k = 0; k < kHousePromptCount; ++k) {
        prompts << TableText("HouseCatalogue", QString::fromUtf8(HousePromptPattern()))
                       .arg(TableText("HouseCatalogue", QString::fromUtf8(HouseOrdinal(k))));
    }
    reserveSpace(lblName, prompts);
    const std::pair<QLabel*, QString HouseProfile::*> attributes[] = {
        {lblHouseName, &HouseProfile::HouseName},
        {lblSanskritName, &HouseProfile::SanskritName},
        {lblPlanetRuler, &HouseProfile::PlanetRuler},
        {lblSignRuler, &HouseProfile::SignRuler},
        {lblKeywords, &HouseProfile::Keywords},
        {lblMantra, &HouseProfile::Mantra},
        {lblType, &HouseProfile::HouseType},
        {lblQuality, &HouseProfile::Quality},
        {lblElement, &HouseProfile::Element},
    };
    for (const auto& [label, field] : attributes) {
        reserveSpace(label, catalogueColumn(field));
    }
}

void FrmDisplay::setUpDescription() {
    txtHouseDesc->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtHouseDesc->setMinimumHeight(txtHouseDesc->fontMetrics().lineSpacing() * 7);
    txtHouseDesc->viewport()->setMouseTracking(true);
    txtHouseDesc->viewport()->installEventFilter(this);
    // The description is not for copying: no copy menu (the form), no copy keys.
    txtHouseDesc->installEventFilter(this);
}

// Wide enough for the longest texts before the first reading fills it, and
// the whole table on show at the window's smallest size: no scrolling.
void FrmDisplay::sizePlanetsTable() {
    QHeaderView* header = tblPlanets->horizontalHeader();
    const QFontMetrics cells = tblPlanets->fontMetrics();
    const QFontMetrics heads = header->fontMetrics();
    const std::array<QString, kPlanetsColumns> widest = {PlanetText("Jupiter") + RetrogradeMark(),
                                                         PositionText(kWidestAngle),
                                                         SignText("Sagittarius"),
                                                         QStringLiteral("12"),
                                                         QStringLiteral("> 240"),
                                                         QStringLiteral("> 240"),
                                                         NakshatraText("Uttara Bhadrapada"),
                                                         QStringLiteral("4"),
                                                         PlanetText("Mercury")};
    for (int column = 0; column < kPlanetsColumns; ++column) {
        const QString heading = tblPlanets->horizontalHeaderItem(column)->text();
        header->resizeSection(
            column, std::max(cells.horizontalAdvance(widest.at(static_cast<std::size_t>(column))),
                             heads.horizontalAdvance(heading)) +
                        3 * cells.averageCharWidth());
    }
    header->setStretchLastSection(true);
    const int frame = 2 * tblPlanets->frameWidth();
    tblPlanets->setMinimumWidth(header->length() + frame);
    tblPlanets->setFixedHeight(header->sizeHint().height() +
                               tblPlanets->verticalHeader()->length() + frame);
}

// Columns as wide as their widest texts, measured once: a new reading lays
// out no faster than a fixed width.
void FrmDisplay::connectEvents() {
    connect(lblName, &ClickableLabel::clicked, this, &FrmDisplay::on_lblName_clicked);
    connect(cmdSave, &QPushButton::clicked, this, &FrmDisplay::on_cmdSave_clicked);
    connect(cboChartStyle, &QComboBox::currentIndexChanged, this,
            &FrmDisplay::on_cboChartStyle_currentIndexChanged);
    connect(cboChartKind, &QComboBox::currentIndexChanged, this,
            &FrmDisplay::on_cboChartKind_currentIndexChanged);
    connect(cboDashaYear, &QComboBox::currentIndexChanged, this,
            &FrmDisplay::on_cboDashaYear_currentIndexChanged);
    connect(treDasha, &QTreeWidget::itemExpanded, this, &FrmDisplay::on_treDasha_itemExpanded);
    connect(mnuPrint, &QAction::triggered, this, &FrmDisplay::on_mnuPrint_triggered);
    connect(mnuExportPdf, &QAction::triggered, this, &FrmDisplay::on_mnuExportPdf_triggered);
    connect(mnuSaveChartPicture, &QAction::triggered, this,
            &FrmDisplay::on_mnuSaveChartPicture_triggered);
    connect(cmdOK, &QPushButton::clicked, this, &FrmDisplay::on_cmdOK_clicked);
    connect(mnuFileBack, &QAction::triggered, this, &FrmDisplay::on_cmdOK_clicked);
    connect(cmdExit, &QPushButton::clicked, this, &FrmDisplay::on_cmdExit_clicked);
    connect(mnuExit, &QAction::triggered, this, &FrmDisplay::on_cmdExit_clicked);
    // Text selected in the description reaches the selection buffer (and the
    // clipboard, should a copy get through); remember it, so that exactly that
    // text is wiped again and nothing else the user copied.
    connect(txtHouseDesc, &QPlainTextEdit::selectionChanged, this, [this] {
        const QString selected = txtHouseDesc->textCursor().selectedText();
        if (!selected.isEmpty()) {
            selectedDescription = selected;
        }
    });
    // A new description in the box wipes it as well.
    connect(txtHouseDesc, &QPlainTextEdit::textChanged, this,
            [this] { clearDescriptionFromClipboard(); });

    // The link entries open the maker's pages and do nothing else.
    const auto link = [this](void (*open)(Browser&)) {
        return [this, open] { open(app.services().browser); };
    };
    connect(Label61, &ClickableLabel::clicked, this, link(&OpenHomePage));
    connect(lblCobrand, &ClickableLabel::clicked, this, link(&OpenCoBrandPage));
    connect(Label19, &ClickableLabel::clicked, this, link(&OpenCoBrandPage));
    connect(lblFullBrand, &ClickableLabel::clicked, this, link(&OpenFullBrandPage));
    connect(Label1, &ClickableLabel::clicked, this, link(&OpenFullBrandPage));
    connect(mkmoney, &QAction::triggered, this, link(&OpenFullBrandPage));
}

void FrmDisplay::showReading(const Reading& shown) {
    reading = shown;
    showFigures(reading);
    showPlanets(reading);
    showVargas();
    showDasha();
}

void FrmDisplay::showVargas() {
    ShowVargaTable(*tblVargas, reading);
    lblVargasNote->setText(vargasNote());
}

void FrmDisplay::showDasha() {
    const std::optional<DashaTable> table = DashaTableOf(reading);
    if (table) {
        const QSignalBlocker quiet(cboDashaYear);
        cboDashaYear->setCurrentIndex(static_cast<int>(reading.dasha->Year));
    }
    lblDashaBalance->setText(table ? DashaBalanceText(*table)
                                   : QString::fromStdString(reading.planets.Error));
    lblDashaSensitivity->setText(table ? DashaSensitivityText(*table) : QString());
    const QString today = app.services().clock.today().toString(Qt::ISODate);
    lblDashaToday->setText(
        table ? tr("Marked and opened: the periods running today, %1.").arg(today) : QString());
    ShowDashaTree(*treDasha, reading, today);
}

void FrmDisplay::showFigures(const Reading& reading) {
    const BhavaResult& result = reading.houses;
    for (std::size_t i = 0; i < lblBhavaMadhya.size(); ++i) {
        lblBhavaMadhya.at(i)->setText(PositionText(result.BhavaMadhyaText.at(i)));
    }
    for (std::size_t i = 0; i < lblBhavaSandhi.size(); ++i) {
        lblBhavaSandhi.at(i)->setText(PositionText(result.BhavaSandhiText.at(i)));
    }
    const ReadingFigures figures = FiguresOf(reading);
    lblJulianDay->setText(QString::fromStdString(figures.julianDay));
    lblAyanamsa->setText(QString::fromStdString(figures.ayanamsa));
    lblAscendant->setText(PositionText(figures.ascendant));
    lblMidheaven->setText(PositionText(figures.midheaven));
    picBhavaChart->setReading(result, PlanetsOf(reading.planets));
    showChartKind();
    QStringList warnings;
    for (const std::string& warning : reading.warnings()) {
        warnings << WarningText(warning);
    }
    lblWarnings->setText(warnings.join(QLatin1Char('\n')));
    lblWarnings->setVisible(!warnings.isEmpty());
}

void FrmDisplay::showPlanets(const Reading& reading) {
    tblPlanets->clearContents();
    const std::vector<PlanetRow> rows = PlanetRows(reading);
    if (rows.empty()) {
        tblPlanets->setRowCount(0);
        lblPlanetsNote->setText(QString::fromStdString(reading.planets.Error));
        return;
    }
    tblPlanets->setRowCount(static_cast<int>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const PlanetRow& p = rows[i];
        const int row = static_cast<int>(i);
        const QString name = QString::fromStdString(p.name);
        const QString shownName = PlanetText(p.name);
        tblPlanets->setItem(
            row, kPlanetColumn,
            p.retrograde ? cell(shownName + RetrogradeMark(), tr("%1, retrograde").arg(shownName))
                         : cell(shownName));
        tblPlanets->setItem(row, kPositionColumn, cell(PositionText(p.position)));
        tblPlanets->setItem(row, kSignColumn, cell(SignText(p.signName)));
        tblPlanets->setItem(row, kBhavaColumn, cell(QString::number(p.bhava)));
        tblPlanets->setItem(row, kEarlierColumn, minutesCell(p.earlier, name, true));
        tblPlanets->setItem(row, kLaterColumn, minutesCell(p.later, name, false));
        const QString nakshatra = NakshatraText(p.nakshatra);
        tblPlanets->setItem(
            row, kNakshatraColumn,
            cell(nakshatra, p.nakshatraNumber > 0
                                ? tr("%1, nakshatra %2").arg(nakshatra).arg(p.nakshatraNumber)
                                : QString()));
        tblPlanets->setItem(row, kPadaColumn,
                            p.pada > 0 ? cell(QString::number(p.pada), tr("pada %1").arg(p.pada))
                                       : cell(QString()));
        tblPlanets->setItem(row, kLordColumn,
                            cell(PlanetText(p.nakshatraLord),
                                 p.nakshatraLord.empty()
                                     ? QString()
                                     : tr("lord %1").arg(PlanetText(p.nakshatraLord))));
    }
    lblPlanetsNote->setText(planetsNote());
}

void FrmDisplay::ShowNextHouse() {
    // 0, 1, ..., 11 and round again; an index out of that range starts over.
    const int current = app.state().currentHouse;
    const int next = (current >= 0 && current < kHouseCount - 1) ? current + 1 : 0;
    showHouse(next);
}

void FrmDisplay::on_lblName_clicked() {
    ShowNextHouse();
}

void FrmDisplay::on_cmdSave_clicked() {
    SaveReading(app, this);
}

void FrmDisplay::on_cboChartStyle_currentIndexChanged(int index) {
    picBhavaChart->setChartStyle(styleOfIndex(index));
    app.services().settings.setValue(kChartSection, kStyleName,
                                     index == 1 ? kSouthValue : kNorthValue);
}

void FrmDisplay::showChartKind() {
    const int index = cboChartKind->currentIndex();
    if (index <= 0) {
        picBhavaChart->setVarga(std::nullopt);
        picBhavaChart->setAccessibleName(tr("Bhava chart"));
        return;
    }
    const VargaChartFigure figure = VargaFigureOf(reading, static_cast<std::size_t>(index - 1));
    picBhavaChart->setVarga(figure);
    picBhavaChart->setAccessibleName(figure.title + QStringLiteral(" chart"));
}

void FrmDisplay::on_cboChartKind_currentIndexChanged(int index) {
    showChartKind();
    app.services().settings.setValue(
        kChartSection, kKindName,
        index <= 0 ? kBhavaValue : cboChartKind->itemData(index).toString().section(u' ', 0, 0));
}

void FrmDisplay::on_cboDashaYear_currentIndexChanged(int index) {
    const auto year = static_cast<DashaYear>(index);
    RememberDashaYear(app.services().settings, year);
    // The printed reading and the saved pictures follow the reading on screen.
    SetDashaYear(app.state().reading, year);
    SetDashaYear(reading, year);
    showDasha();
}

void FrmDisplay::on_treDasha_itemExpanded(QTreeWidgetItem* item) {
    if (item != nullptr) {
        FillPratyantarPeriods(*item, reading);
    }
}

void FrmDisplay::on_mnuPrint_triggered() {
    PrintReading(app, this, picBhavaChart->chartStyle());
}

void FrmDisplay::on_mnuExportPdf_triggered() {
    ExportReadingPdf(app, this, picBhavaChart->chartStyle());
}

void FrmDisplay::on_mnuSaveChartPicture_triggered() {
    // The chart on screen: item 0 of the choice is the Bhava chart, the
    // divisional charts follow in their order.
    const int kind = cboChartKind->currentIndex();
    SaveChartPicture(app, this, picBhavaChart->chartStyle(),
                     kind > 0 ? std::optional<std::size_t>(kind - 1) : std::nullopt);
}

void FrmDisplay::on_cmdOK_clicked() {
    // The window is gone once it is closed; keep what the rest needs.
    App& application = app;
    close();
    application.showBirthDataWindow();
    application.hideReferralWindow();
}

void FrmDisplay::on_cmdExit_clicked() {
    close();
}

void FrmDisplay::clearDescriptionFromClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr || selectedDescription.isEmpty()) {
        return;
    }
    for (const QClipboard::Mode mode : {QClipboard::Clipboard, QClipboard::Selection}) {
        if (mode == QClipboard::Selection && !clipboard->supportsSelection()) {
            continue;
        }
        if (clipboard->text(mode) == selectedDescription) {
            clipboard->clear(mode);
        }
    }
}

bool FrmDisplay::eventFilter(QObject* watched, QEvent* event) {
    if (txtHouseDesc == nullptr) {
        return QMainWindow::eventFilter(watched, event);
    }
    // Text taken from the description is wiped as soon as the mouse comes
    // back over it.
    if (watched == txtHouseDesc->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            clearDescriptionFromClipboard();
            break;
        default:
            break;
        }
    }
    // The copy keys do nothing in the description.
    if (watched == txtHouseDesc &&
        (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::Cut)) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmDisplay::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    reserveBannerHeights();
}

void FrmDisplay::reserveBannerHeights() {
    // A window's minimum size allows wrapped text one line only, so at the
    // smallest size the banners would squeeze the tables. Each banner keeps
    // room for its text at the narrowest the window allows.
    QWidget* central = centralWidget();
    central->layout()->activate();
    const int narrowest = central->minimumSizeHint().width();
    for (QLabel* banner : {static_cast<QLabel*>(Label61), static_cast<QLabel*>(lblFullBrand),
                           static_cast<QLabel*>(lblCobrand)}) {
        const int aside = central->width() - banner->width();
        banner->setMinimumHeight(banner->heightForWidth(std::max(narrowest - aside, 1)));
        banner->parentWidget()->updateGeometry();
    }
    // Apply the new minimum now, before the window is first painted.
    layout()->invalidate();
    layout()->activate();
}

void FrmDisplay::closeEvent(QCloseEvent* event) {
    app.showReferralWindow();
    event->accept();
}
