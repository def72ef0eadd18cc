#include "display/frm_display.h"

#include "display/mod_bhava_chart.h"
#include "display/save_reading.h"
#include "engine/bhava_result.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/program_title.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
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
    auto* layout = new QVBoxLayout(tab);

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
    mnuFileBack = menuAction("mnuFileBack", QStringLiteral("&Back"), this);
    mnuExit = menuAction("mnuExit", QStringLiteral("E&xit"), this);
    mnuFile->addAction(mnuFileBack);
    mnuFile->addAction(mnuExit);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline = menuAction("mnuOnline", QStringLiteral("&Online Help"), this);
    mnuVisit = menuAction("mnuVisit", QStringLiteral("&Visit Us Online"), this);
    mnuUpdate = menuAction("mnuUpdate", QStringLiteral("&Check for Software Update"), this);
    mnuAbout = menuAction("mnuAbout", QStringLiteral("&About Software"), this);
    mnuHelp->addAction(mnuOnline);
    mnuHelp->addAction(mnuVisit);
    mnuHelp->addSeparator();
    mnuHelp->addAction(mnuUpdate);
    mnuHelp->addSeparator();
    mnuHelp->addAction(mnuAbout);

    mnuDonate = menuAction("mnuDonate", QStringLiteral("&Donate"), this);
    menuBar()->addAction(mnuDonate);
    // The home-business entry is kept but not offered.
    mkmoney = menuAction("mkmoney", QStringLiteral("Make Money &Online"), this);
    mkmoney->setVisible(false);
    menuBar()->addAction(mkmoney);
}

void FrmDisplay::connectEvents() {
    connect(lblName, &ClickableLabel::clicked, this, &FrmDisplay::on_lblName_clicked);
    connect(cmdSave, &QPushButton::clicked, this, &FrmDisplay::on_cmdSave_clicked);
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
    connect(mnuVisit, &QAction::triggered, this, link(&OpenHomePage));
    connect(mnuOnline, &QAction::triggered, this, link(&OpenOnlineHelpPage));
    connect(mnuUpdate, &QAction::triggered, this, link(&OpenDownloadPage));
    connect(mnuDonate, &QAction::triggered, this, link(&OpenDonatePage));
    connect(lblCobrand, &ClickableLabel::clicked, this, link(&OpenCoBrandPage));
    connect(Label19, &ClickableLabel::clicked, this, link(&OpenCoBrandPage));
    connect(lblFullBrand, &ClickableLabel::clicked, this, link(&OpenFullBrandPage));
    connect(Label1, &ClickableLabel::clicked, this, link(&OpenFullBrandPage));
    connect(mkmoney, &QAction::triggered, this, link(&OpenFullBrandPage));
    connect(mnuAbout, &QAction::triggered, this, [this] { app.showAboutWindow(); });
}

void FrmDisplay::showChart(const BhavaResult& result) {
    for (std::size_t i = 0; i < lblBhavaMadhya.size(); ++i) {
        lblBhavaMadhya.at(i)->setText(QString::fromStdString(result.BhavaMadhyaText.at(i)));
    }
    for (std::size_t i = 0; i < lblBhavaSandhi.size(); ++i) {
        lblBhavaSandhi.at(i)->setText(QString::fromStdString(result.BhavaSandhiText.at(i)));
    }
    // The Julian day number is integral; it is shown as a plain whole number.
    lblJulianDay->setText(QString::number(result.JulianDayValue, 'f', 0));
    lblAyanamsa->setText(QString::fromStdString(result.AyanamsaText));
    lblAscendant->setText(QString::fromStdString(result.AscendantText));
    lblMidheaven->setText(QString::fromStdString(result.MidheavenText));
    QStringList warnings;
    for (const std::string& warning : result.Warnings) {
        warnings << QString::fromStdString(warning);
    }
    lblWarnings->setText(warnings.join(QLatin1Char('\n')));
    lblWarnings->setVisible(!warnings.isEmpty());
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

void FrmDisplay::on_cmdOK_clicked() {
    // The window is gone once it is closed; keep what the rest needs.
    App& application = app;
    close();
    application.showFrmMain();
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
