#include "display/frm_display.h"

#include "display/bhava_chart_view.h"
#include "display/save_reading.h"
#include "document/chart_picture.h"
#include "document/program_title.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/shared_menus.h"
#include "reading/mod_bhava_chart.h"
#include "reading/reading_rows.h"

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
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QLabel* valueLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QFrame* boxFrame(QWidget* parent) {
    auto* frame = new QFrame(parent);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QFrame* ruledLine(QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

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
        texts << profile.*field;
    }
    return texts;
}

QAction* menuAction(const char* objectName, const QString& text, QObject* parent) {
    auto* action = new QAction(text, parent);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

// The longest angle text of the chart: degrees, minutes, seconds and a sign.
const QString kWidestAngle = QStringLiteral("-29° 59' 59\" Sag");

// Where the chosen chart style is remembered, and its two values.
const QString kChartSection = QStringLiteral("Chart");
const QString kStyleName = QStringLiteral("Style");
const QString kNorthValue = QStringLiteral("north");
const QString kSouthValue = QStringLiteral("south");

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
    kPlanetsColumns
};
constexpr int kPlanetsRows = 10;

const QString kPlanetsNote = QStringLiteral(
    "Minutes earlier and later: how far the birth time may be off before the planet stands in "
    "another Bhava (for the ascendant: before it rises in another sign). Marked * and "
    "highlighted: within 15 minutes, worth checking the recorded birth time. (R): retrograde.");

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
    const QString when = earlier ? QStringLiteral("earlier") : QStringLiteral("later");
    const QString what = body == QStringLiteral("Ascendant")
                             ? QStringLiteral("the ascendant would rise in another sign")
                             : QStringLiteral("%1 would stand in another Bhava").arg(body);
    if (minutes.beyondLimit()) {
        QTableWidgetItem* item =
            cell(QStringLiteral("> %1").arg(kMaxSensitivityMinutes),
                 QStringLiteral("more than %1 minutes %2").arg(kMaxSensitivityMinutes).arg(when));
        item->setToolTip(QStringLiteral("Even born four hours %1, %2 would not change.")
                             .arg(when, body == QStringLiteral("Ascendant")
                                            ? QStringLiteral("the ascendant's sign")
                                            : body + QStringLiteral("'s Bhava")));
        return item;
    }
    const int count = *minutes.minutes;
    const QString spoken = minutes.close ? QStringLiteral("%1 minutes %2, within %3 minutes")
                                               .arg(count)
                                               .arg(when)
                                               .arg(kCloseSensitivityMinutes)
                                         : QStringLiteral("%1 minutes %2").arg(count).arg(when);
    QTableWidgetItem* item =
        cell(minutes.close ? QStringLiteral("%1 *").arg(count) : QString::number(count), spoken);
    item->setToolTip(QStringLiteral("Born %1 minutes %2, %3.").arg(count).arg(when, what));
    if (minutes.close) {
        QFont bold = item->font();
        bold.setBold(true);
        item->setFont(bold);
        item->setBackground(QColor(0xff, 0xe0, 0x8a));
        item->setForeground(QColor(0x3a, 0x2a, 0x00));
    }
    return item;
}

} // namespace

FrmDisplay::FrmDisplay(App& app, QWidget* parent) : QMainWindow(parent), app(app) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(ProgramTitle());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(createBanner());

    SSTab1 = new QTabWidget(central);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(createChartTab(), QStringLiteral("Bhava Chart"));
    SSTab1->addTab(createInterpretationTab(), QStringLiteral("Interpretation of Houses"));
    SSTab1->addTab(createPlanetsTab(), QStringLiteral("Planets in Bhavas"));
    SSTab1->setCurrentIndex(0);
    layout->addWidget(SSTab1, 1);

    layout->addWidget(createButtons());
    layout->addWidget(createBrandFrame());
    setCentralWidget(central);

    createMenu();
    connectEvents();
}

QWidget* FrmDisplay::createBanner() {
    QFrame* frame = boxFrame(this);
    auto* layout = new QHBoxLayout(frame);
    Label61 =
        new ClickableLabel(QStringLiteral("Talk about your chart with fellow astrologers on "
                                          "our online discussion board. Click here to join us."),
                           frame);
    Label61->setObjectName(QStringLiteral("Label61"));
    Label61->setTextFormat(Qt::PlainText);
    Label61->setWordWrap(true);
    Label61->setAlignment(Qt::AlignCenter);
    QFont font = Label61->font();
    font.setBold(true);
    Label61->setFont(font);
    Label61->setForegroundRole(QPalette::Link);
    layout->addWidget(Label61);
    return frame;
}

QWidget* FrmDisplay::createChartTab() {
    auto* tab = new QWidget(this);
    auto* row = new QHBoxLayout(tab);
    auto* layout = new QVBoxLayout;
    row->addLayout(layout, 1);
    row->addWidget(createChartPicture());

    // Julian day and ayanamsa above, ascendant and midheaven below.
    QFrame* figures = boxFrame(tab);
    auto* grid = new QGridLayout(figures);
    lblJulianDay = valueLabel(QStringLiteral("lblJulianDay"), figures);
    lblAyanamsa = valueLabel(QStringLiteral("lblAyanamsa"), figures);
    lblAscendant = valueLabel(QStringLiteral("lblAscendant"), figures);
    lblMidheaven = valueLabel(QStringLiteral("lblMidheaven"), figures);
    grid->addWidget(captionLabel(QStringLiteral("Julian Day"), figures), 0, 0);
    grid->addWidget(lblJulianDay, 1, 0);
    grid->addWidget(captionLabel(QStringLiteral("Ayanamsa"), figures), 0, 1);
    grid->addWidget(lblAyanamsa, 1, 1);
    grid->addWidget(captionLabel(QStringLiteral("Ascendant"), figures), 2, 0);
    grid->addWidget(lblAscendant, 3, 0);
    grid->addWidget(captionLabel(QStringLiteral("Midheaven"), figures), 2, 1);
    grid->addWidget(lblMidheaven, 3, 1);
    for (QLabel* label : {lblJulianDay, lblAyanamsa, lblAscendant, lblMidheaven}) {
        reserveSpace(label, {kWidestAngle});
    }
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    layout->addWidget(figures);

    // What the reader must know besides the figures (the polar overlap of the
    // quadrants); hidden when there is nothing to say.
    lblWarnings = valueLabel(QStringLiteral("lblWarnings"), tab);
    lblWarnings->setAccessibleName(QStringLiteral("Warnings"));
    lblWarnings->setWordWrap(true);
    QPalette warning = lblWarnings->palette();
    warning.setColor(QPalette::WindowText, QColor(0x9a, 0x34, 0x12));
    lblWarnings->setPalette(warning);
    lblWarnings->hide();
    layout->addWidget(lblWarnings);

    // The houses, one row each, separated by ruled lines.
    QFrame* table = boxFrame(tab);
    auto* rows = new QGridLayout(table);
    rows->setVerticalSpacing(2);
    Label1 = new ClickableLabel(QStringLiteral("House"), table);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    rows->addWidget(Label1, 0, 0);
    rows->addWidget(captionLabel(QStringLiteral("Bhava Madhya"), table), 0, 1);
    rows->addWidget(captionLabel(QStringLiteral("Bhava Sandhi"), table), 0, 2);
    for (int i = 0; i < kHouseCount; ++i) {
        const int row = 2 * i + 2;
        rows->addWidget(ruledLine(table), row - 1, 0, 1, 3);
        QLabel* number = nullptr;
        if (i == kHouseCount - 1) {
            Label19 = new ClickableLabel(QStringLiteral("12"), table);
            Label19->setObjectName(QStringLiteral("Label19"));
            number = Label19;
        } else {
            number = new QLabel(QString::number(i + 1), table);
        }
        rows->addWidget(number, row, 0);
        const auto slot = static_cast<std::size_t>(i);
        lblBhavaMadhya.at(slot) = valueLabel(QStringLiteral("lblBhavaMadhya_%1").arg(i), table);
        lblBhavaSandhi.at(slot) = valueLabel(QStringLiteral("lblBhavaSandhi_%1").arg(i), table);
        reserveSpace(lblBhavaMadhya.at(slot), {kWidestAngle});
        reserveSpace(lblBhavaSandhi.at(slot), {kWidestAngle});
        rows->addWidget(lblBhavaMadhya.at(slot), row, 1);
        rows->addWidget(lblBhavaSandhi.at(slot), row, 2);
    }
    rows->setColumnStretch(1, 1);
    rows->setColumnStretch(2, 1);
    layout->addWidget(table, 1);
    return tab;
}

QWidget* FrmDisplay::createChartPicture() {
    QFrame* frame = boxFrame(this);
    auto* layout = new QVBoxLayout(frame);
    picBhavaChart = new BhavaChartView(frame);
    picBhavaChart->setObjectName(QStringLiteral("picBhavaChart"));
    picBhavaChart->setAccessibleName(QStringLiteral("Bhava chart"));
    layout->addWidget(picBhavaChart, 1);

    auto* choice = new QHBoxLayout;
    auto* caption = new QLabel(QStringLiteral("Chart &style"), frame);
    cboChartStyle = new QComboBox(frame);
    cboChartStyle->setObjectName(QStringLiteral("cboChartStyle"));
    cboChartStyle->setAccessibleName(QStringLiteral("Chart style"));
    cboChartStyle->addItems({QStringLiteral("North Indian"), QStringLiteral("South Indian")});
    caption->setBuddy(cboChartStyle);
    // The style chosen last time.
    const bool south = app.services().settings.value(kChartSection, kStyleName) == kSouthValue;
    cboChartStyle->setCurrentIndex(south ? 1 : 0);
    picBhavaChart->setChartStyle(styleOfIndex(cboChartStyle->currentIndex()));
    choice->addWidget(caption);
    choice->addWidget(cboChartStyle, 1);
    layout->addLayout(choice);
    return frame;
}

QWidget* FrmDisplay::createInterpretationTab() {
    auto* tab = new QWidget(this);
    auto* outer = new QVBoxLayout(tab);
    QFrame* frame = boxFrame(tab);
    auto* layout = new QVBoxLayout(frame);

    // The prompt reads as a link: red, with a pointing hand.
    lblName = new ClickableLabel(QStringLiteral("Characteristics Of"), frame);
    lblName->setObjectName(QStringLiteral("lblName"));
    lblName->setTextFormat(Qt::PlainText);
    QPalette red = lblName->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    lblName->setPalette(red);
    QFont bold = lblName->font();
    bold.setBold(true);
    lblName->setFont(bold);
    lblName->setCursor(Qt::PointingHandCursor);
    const auto& prompts = LoadHouseCatalogue().ShowHousePrompts;
    reserveSpace(lblName, QStringList(prompts.begin(), prompts.end()));
    layout->addWidget(lblName);

    struct Row {
        const char* caption;
        const char* objectName;
        QLabel* FrmDisplay::*label;
        QString HouseProfile::*field;
    };
    const std::array<Row, 9> attributes{{
        {"House Name", "lblHouseName", &FrmDisplay::lblHouseName, &HouseProfile::HouseName},
        {"Sanskrit Name", "lblSanskritName", &FrmDisplay::lblSanskritName,
         &HouseProfile::SanskritName},
        {"Planet Ruler", "lblPlanetRuler", &FrmDisplay::lblPlanetRuler, &HouseProfile::PlanetRuler},
        {"Sign Ruler", "lblSignRuler", &FrmDisplay::lblSignRuler, &HouseProfile::SignRuler},
        {"Keywords", "lblKeywords", &FrmDisplay::lblKeywords, &HouseProfile::Keywords},
        {"Mantra", "lblMantra", &FrmDisplay::lblMantra, &HouseProfile::Mantra},
        {"Type", "lblType", &FrmDisplay::lblType, &HouseProfile::HouseType},
        {"Quality", "lblQuality", &FrmDisplay::lblQuality, &HouseProfile::Quality},
        {"Element", "lblElement", &FrmDisplay::lblElement, &HouseProfile::Element},
    }};
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    int row = 0;
    for (const Row& attribute : attributes) {
        QLabel* value = valueLabel(QString::fromLatin1(attribute.objectName), frame);
        reserveSpace(value, catalogueColumn(attribute.field));
        this->*attribute.label = value;
        grid->addWidget(captionLabel(QString::fromLatin1(attribute.caption), frame), row, 0);
        grid->addWidget(value, row, 1);
        ++row;
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    layout->addWidget(captionLabel(QStringLiteral("House Attributes"), frame));
    txtHouseDesc = new QPlainTextEdit(frame);
    txtHouseDesc->setObjectName(QStringLiteral("txtHouseDesc"));
    txtHouseDesc->setReadOnly(true);
    txtHouseDesc->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtHouseDesc->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    txtHouseDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtHouseDesc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtHouseDesc->setMinimumHeight(txtHouseDesc->fontMetrics().lineSpacing() * 7);
    txtHouseDesc->viewport()->setMouseTracking(true);
    txtHouseDesc->viewport()->installEventFilter(this);
    // The description is not for copying: no copy menu, no copy keys.
    txtHouseDesc->setContextMenuPolicy(Qt::NoContextMenu);
    txtHouseDesc->installEventFilter(this);
    layout->addWidget(txtHouseDesc, 1);

    outer->addWidget(frame);
    return tab;
}

QWidget* FrmDisplay::createPlanetsTab() {
    tabPlanets = new QWidget(this);
    tabPlanets->setObjectName(QStringLiteral("tabPlanets"));
    tabPlanets->setAccessibleName(QStringLiteral("Planets in Bhavas"));
    auto* layout = new QVBoxLayout(tabPlanets);

    tblPlanets = new QTableWidget(kPlanetsRows, kPlanetsColumns, tabPlanets);
    tblPlanets->setObjectName(QStringLiteral("tblPlanets"));
    tblPlanets->setAccessibleName(QStringLiteral("Planets in Bhavas"));
    const QStringList headings = {QStringLiteral("Planet"),
                                  QStringLiteral("Position"),
                                  QStringLiteral("Sign"),
                                  QStringLiteral("Bhava"),
                                  QStringLiteral("Minutes earlier"),
                                  QStringLiteral("Minutes later")};
    tblPlanets->setHorizontalHeaderLabels(headings);
    tblPlanets->verticalHeader()->hide();
    tblPlanets->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPlanets->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPlanets->setWordWrap(false);
    // Wide enough for the longest texts before the first reading fills it.
    QHeaderView* header = tblPlanets->horizontalHeader();
    const QFontMetrics cells = tblPlanets->fontMetrics();
    const QFontMetrics heads = header->fontMetrics();
    const std::array<QString, kPlanetsColumns> widest = {
        QStringLiteral("Jupiter (R)"), kWidestAngle,
        QStringLiteral("Sagittarius"), QStringLiteral("12"),
        QStringLiteral("> 240"),       QStringLiteral("> 240")};
    for (int column = 0; column < kPlanetsColumns; ++column) {
        header->resizeSection(
            column, std::max(cells.horizontalAdvance(widest.at(static_cast<std::size_t>(column))),
                             heads.horizontalAdvance(headings.at(column))) +
                        3 * cells.averageCharWidth());
    }
    header->setStretchLastSection(true);
    // The whole table shows at the window's smallest size: no scrolling.
    tblPlanets->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    tblPlanets->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int frame = 2 * tblPlanets->frameWidth();
    tblPlanets->setMinimumWidth(header->length() + frame);
    tblPlanets->setFixedHeight(header->sizeHint().height() +
                               tblPlanets->verticalHeader()->length() + frame);
    layout->addWidget(tblPlanets);

    lblPlanetsNote = valueLabel(QStringLiteral("lblPlanetsNote"), tabPlanets);
    lblPlanetsNote->setWordWrap(true);
    lblPlanetsNote->setText(kPlanetsNote);
    layout->addWidget(lblPlanetsNote);
    layout->addStretch(1);
    return tabPlanets;
}

QWidget* FrmDisplay::createButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    cmdSave = new QPushButton(QStringLiteral("&Save"), row);
    cmdSave->setObjectName(QStringLiteral("cmdSave"));
    cmdOK = new QPushButton(QStringLiteral("&Back"), row);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdExit = new QPushButton(QStringLiteral("&Exit"), row);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    layout->addStretch(1);
    for (QPushButton* button : {cmdSave, cmdOK, cmdExit}) {
        layout->addWidget(button);
        layout->addStretch(1);
    }
    return row;
}

QWidget* FrmDisplay::createBrandFrame() {
    QFrame* frame = boxFrame(this);
    auto* layout = new QGridLayout(frame);
    lblFullBrand = new ClickableLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. Click "
                       "here for more details."),
        frame);
    lblFullBrand->setObjectName(QStringLiteral("lblFullBrand"));
    // The caption's doubled ampersand of the window design shows as one.
    lblCobrand = new ClickableLabel(
        QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                       "your site. Put your site's name &  link here. The Help menu tells you "
                       "how it is done. Click Here for more info on co-branding."),
        frame);
    lblCobrand->setObjectName(QStringLiteral("lblCobrand"));
    // Both banners share one place; the co-branding offer lies in front and
    // covers the other completely.
    for (ClickableLabel* banner : {lblFullBrand, lblCobrand}) {
        banner->setTextFormat(Qt::PlainText);
        banner->setWordWrap(true);
        banner->setAlignment(Qt::AlignCenter);
        banner->setAutoFillBackground(true);
        banner->setForegroundRole(QPalette::Link);
        layout->addWidget(banner, 0, 0);
    }
    lblCobrand->raise();
    return frame;
}

void FrmDisplay::createMenu() {
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuPrint = menuAction("mnuPrint", QStringLiteral("Print…"), this);
    mnuPrint->setShortcut(QKeySequence::Print);
    mnuExportPdf = menuAction("mnuExportPdf", QStringLiteral("Export PDF…"), this);
    mnuSaveChartPicture =
        menuAction("mnuSaveChartPicture", QStringLiteral("Save Chart Picture…"), this);
    mnuFileBack = menuAction("mnuFileBack", QStringLiteral("&Back"), this);
    mnuExit = menuAction("mnuExit", QStringLiteral("E&xit"), this);
    mnuFile->addAction(mnuPrint);
    mnuFile->addAction(mnuExportPdf);
    mnuFile->addAction(mnuSaveChartPicture);
    mnuFile->addSeparator();
    mnuFile->addAction(mnuFileBack);
    mnuFile->addAction(mnuExit);

    SharedMenuCaptions captions;
    captions.update = QStringLiteral("&Check for Software Update");
    const SharedMenus shared = AddSharedMenus(*menuBar(), *this, app, captions);
    mnuHelp = shared.mnuHelp;
    mnuOnline = shared.mnuOnline;
    mnuVisit = shared.mnuVisit;
    mnuUpdate = shared.mnuUpdate;
    mnuAbout = shared.mnuAbout;
    mnuDonate = shared.mnuDonate;
    // The home-business entry is kept but not offered.
    mkmoney = menuAction("mkmoney", QStringLiteral("Make Money &Online"), this);
    mkmoney->setVisible(false);
    menuBar()->addAction(mkmoney);
}

void FrmDisplay::connectEvents() {
    connect(lblName, &ClickableLabel::clicked, this, &FrmDisplay::on_lblName_clicked);
    connect(cmdSave, &QPushButton::clicked, this, &FrmDisplay::on_cmdSave_clicked);
    connect(cboChartStyle, &QComboBox::currentIndexChanged, this,
            &FrmDisplay::on_cboChartStyle_currentIndexChanged);
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

void FrmDisplay::showReading(const Reading& reading) {
    showFigures(reading);
    showPlanets(reading);
}

void FrmDisplay::showFigures(const Reading& reading) {
    const BhavaResult& result = reading.houses;
    for (std::size_t i = 0; i < lblBhavaMadhya.size(); ++i) {
        lblBhavaMadhya.at(i)->setText(QString::fromStdString(result.BhavaMadhyaText.at(i)));
    }
    for (std::size_t i = 0; i < lblBhavaSandhi.size(); ++i) {
        lblBhavaSandhi.at(i)->setText(QString::fromStdString(result.BhavaSandhiText.at(i)));
    }
    const ReadingFigures figures = FiguresOf(reading);
    lblJulianDay->setText(QString::fromStdString(figures.julianDay));
    lblAyanamsa->setText(QString::fromStdString(figures.ayanamsa));
    lblAscendant->setText(QString::fromStdString(figures.ascendant));
    lblMidheaven->setText(QString::fromStdString(figures.midheaven));
    picBhavaChart->setReading(result, PlanetsOf(reading.planets));
    QStringList warnings;
    for (const std::string& warning : reading.warnings()) {
        warnings << QString::fromStdString(warning);
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
        tblPlanets->setItem(row, kPlanetColumn,
                            p.retrograde ? cell(name + QStringLiteral(" (R)"),
                                                name + QStringLiteral(", retrograde"))
                                         : cell(name));
        tblPlanets->setItem(row, kPositionColumn, cell(QString::fromStdString(p.position)));
        tblPlanets->setItem(row, kSignColumn, cell(QString::fromStdString(p.signName)));
        tblPlanets->setItem(row, kBhavaColumn, cell(QString::number(p.bhava)));
        tblPlanets->setItem(row, kEarlierColumn, minutesCell(p.earlier, name, true));
        tblPlanets->setItem(row, kLaterColumn, minutesCell(p.later, name, false));
    }
    lblPlanetsNote->setText(kPlanetsNote);
}

void FrmDisplay::showHouse(int houseIndex) {
    const int index = std::clamp(houseIndex, 0, kHouseCount - 1);
    app.state().currentHouse = static_cast<std::int16_t>(index);
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    const HouseProfile& profile = catalogue.house(index);
    // The prompt names the house the next click shows.
    lblName->setText(catalogue.prompt(index + 1));
    lblHouseName->setText(profile.HouseName);
    lblSanskritName->setText(profile.SanskritName);
    lblPlanetRuler->setText(profile.PlanetRuler);
    lblSignRuler->setText(profile.SignRuler);
    lblKeywords->setText(profile.Keywords);
    lblMantra->setText(profile.Mantra);
    lblType->setText(profile.HouseType);
    lblQuality->setText(profile.Quality);
    lblElement->setText(profile.Element);
    txtHouseDesc->setPlainText(profile.Description);
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

ReadingDocument FrmDisplay::readingDocument() const {
    ReadingDocument document;
    document.reading = app.state().reading;
    document.style = picBhavaChart->chartStyle();
    return document;
}

void FrmDisplay::on_mnuPrint_triggered() {
    PrintJob job;
    job.title = ReadingFileBaseName(app.state().reading.birth);
    job.pageSize = PageSizeOf(PaperForLocale(QLocale::system()));
    job.paint = [reading = readingDocument()](QPagedPaintDevice& device) {
        return PaintReadingDocument(device, reading);
    };
    app.services().printing.printWithPreview(this, job);
}

void FrmDisplay::on_mnuExportPdf_triggered() {
    Dialogs& dialogs = app.services().dialogs;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Export PDF");
    spec.filter = QStringLiteral("PDF (*.pdf)");
    spec.defaultSuffix = QStringLiteral("pdf");
    spec.confirmOverwrite = true;
    spec.suggestedName = ReadingFileBaseName(app.state().reading.birth) + QStringLiteral(".pdf");
    const std::optional<QString> path = dialogs.saveFileName(this, spec);
    if (!path || path->isEmpty()) {
        return;
    }
    const DocumentSaveResult result =
        WriteReadingPdf(*path, readingDocument(), PaperForLocale(QLocale::system()));
    if (!result.saved) {
        dialogs.message(this, QStringLiteral("The reading could not be saved.\n") + result.error,
                        MessageIcon::Critical);
    }
}

void FrmDisplay::on_mnuSaveChartPicture_triggered() {
    Dialogs& dialogs = app.services().dialogs;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Save Chart Picture");
    spec.filter = QStringLiteral("PNG picture (*.png);;SVG picture (*.svg)");
    spec.defaultSuffix = QStringLiteral("png");
    spec.confirmOverwrite = true;
    spec.suggestedName =
        ReadingFileBaseName(app.state().reading.birth) + QStringLiteral(" chart.png");
    const std::optional<QString> path = dialogs.saveFileName(this, spec);
    if (!path || path->isEmpty()) {
        return;
    }
    const PictureSaveResult result = WriteChartPicture(
        *path, app.state().reading, picBhavaChart->chartStyle(), PictureFormatOf(*path));
    if (!result.saved) {
        dialogs.message(this,
                        QStringLiteral("The chart picture could not be saved.\n") + result.error,
                        MessageIcon::Critical);
    }
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
