#include "entry/frm_main.h"

#include "atlas/atlas.h"
#include "atlas/birth_zone.h"
#include "atlas/zone_at_birth.h"
#include "birth/birth_rules.h"
#include "document/program_title.h"
#include "engine/mod_bhava.h"
#include "engine/offset_text.h"
#include "entry/atlas_loader.h"
#include "entry/frm_time_zone.h"
#include "entry/key_filter.h"
#include "entry/open_reading.h"
#include "entry/reading_driver.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/shared_menus.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStringListModel>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// Twips at 96 DPI: 15 to a pixel.
constexpr int kDesignWidth = 436;     // 6540 twips
constexpr int kDesignHeight = 485;    // 7275 twips
constexpr int kTopBandHeight = 41;    // 615 twips
constexpr int kBottomBandHeight = 57; // 855 twips
constexpr int kPickerDrop = 40;       // 600 twips between "TZ Help" and the picker
// The atlas is read this long after the window's first paint, once the
// events of start-up are over.
constexpr int kAtlasAfterPaintMs = 250;
// How many places the place box lists as the user types.
constexpr std::size_t kListedPlaces = 12;

// A push button whose caption wraps onto more lines when the button is
// narrower than its text, so the long place-lookup caption fits beside the
// place boxes at any font size.
class WrappingButton : public QPushButton {
public:
    using QPushButton::QPushButton;

    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        const int lineWidth =
            std::min(metrics.horizontalAdvance(shownText()), metrics.averageCharWidth() * 20);
        const int width = std::max(lineWidth, widestWord()) + 2 * margin();
        return {width, heightForWidth(width)};
    }

    QSize minimumSizeHint() const override {
        return {widestWord() + 2 * margin(), fontMetrics().height() + 2 * margin()};
    }

    bool hasHeightForWidth() const override { return true; }

    int heightForWidth(int width) const override {
        const QRect bounds(0, 0, std::max(1, width - 2 * margin()), 10000);
        const int textHeight =
            fontMetrics().boundingRect(bounds, Qt::TextWordWrap, shownText()).height();
        return textHeight + 2 * margin();
    }

protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);
        const QRect textArea = rect().adjusted(margin(), margin(), -margin(), -margin());
        style()->drawItemText(&painter, textArea,
                              Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                              isEnabled(), text(), QPalette::ButtonText);
    }

private:
    int margin() const {
        return style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, this) +
               2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    }

    // The caption as seen: "&&" shows a single ampersand.
    QString shownText() const {
        return QString(text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
    }

    int widestWord() const {
        int widest = 0;
        const QFontMetrics metrics = fontMetrics();
        for (const QString& word : shownText().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            widest = std::max(widest, metrics.horizontalAdvance(word));
        }
        return widest;
    }
};

QLabel* makeLabel(const char* name, const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    return label;
}

ClickableLabel* makeLink(const char* name, const QString& text) {
    auto* label = new ClickableLabel(text);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    return label;
}

QLineEdit* makeBox(const char* name, const QString& accessibleName) {
    auto* box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    return box;
}

// A box for a few digits: wide enough for them at the current font.
QLineEdit* makeDigitBox(const char* name, const QString& accessibleName, int digits) {
    QLineEdit* box = makeBox(name, accessibleName);
    const int textWidth =
        box->fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('0')));
    box->setFixedWidth(textWidth + 12); // and the frame and text margins
    return box;
}

// A degrees or minutes box of a coordinate frame, its length limit and the
// name of the label beside it.
struct CoordinateBox {
    QLineEdit* box;
    int maxLength;
    const char* labelName;
};

// "Deg" and "Min" boxes on the first row, the two hemisphere buttons under them.
QGroupBox* makeCoordinateFrame(const QString& title, const CoordinateBox& degrees,
                               const CoordinateBox& minutes,
                               const std::array<QRadioButton*, 2>& hemispheres) {
    auto* frame = new QGroupBox(title);
    auto* grid = new QGridLayout(frame);
    degrees.box->setMaxLength(degrees.maxLength);
    minutes.box->setMaxLength(minutes.maxLength);
    grid->addWidget(degrees.box, 0, 0);
    grid->addWidget(makeLabel(degrees.labelName, QStringLiteral("Deg")), 0, 1);
    grid->addWidget(minutes.box, 0, 2);
    grid->addWidget(makeLabel(minutes.labelName, QStringLiteral("Min")), 0, 3);
    grid->addWidget(hemispheres[0], 1, 0, 1, 2);
    grid->addWidget(hemispheres[1], 1, 2, 1, 2);
    grid->setColumnStretch(4, 1);
    return frame;
}

QComboBox* makeList(const char* name, const QString& accessibleName) {
    auto* list = new QComboBox;
    list->setObjectName(QLatin1String(name));
    list->setAccessibleName(accessibleName);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

QRadioButton* makeOption(const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption);
    option->setObjectName(QLatin1String(name));
    return option;
}

} // namespace

const QStringList& MonthNames() {
    static const QStringList names = {
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

FrmMain::FrmMain(App& app, QWidget* parent) : QMainWindow(parent), app(app) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(ProgramTitle());
    buildMenu();

    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildTopBand());
    Label11 = makeLabel(
        "Label11", QStringLiteral("Know what the Bhavas or the Houses of your natal chart have to "
                                  "tell you. Understand your life better witht his software."));
    Label11->setWordWrap(true);
    Label11->setContentsMargins(8, 0, 8, 0);
    layout->addWidget(Label11);
    layout->addWidget(buildMainFrame(), 1);
    layout->addWidget(buildBottomBand());
    setCentralWidget(page);

    fillLists();
    setTabOrderAsFilled();
    connectHandlers();

    installKeyFilters();

    const int menuHeight = menuBar()->sizeHint().height();
    resize(QSize(kDesignWidth, kDesignHeight + menuHeight).expandedTo(sizeHint()));
}

void FrmMain::buildMenu() {
    QMenuBar* bar = menuBar();
    const auto entry = [](QAction* action, const char* name) {
        action->setObjectName(QLatin1String(name));
        return action;
    };

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuNext = entry(mnuFile->addAction(QStringLiteral("Get My Bhava Chart Reading")), "mnuNext");
    mnuExit = entry(mnuFile->addAction(QStringLiteral("E&xit")), "mnuExit");

    SharedMenuCaptions captions;
    captions.update = QStringLiteral("Check for Software &Update");
    const SharedMenus shared = AddSharedMenus(*bar, *this, app, captions);
    mnuHelp = shared.mnuHelp;
    mnuOnline = shared.mnuOnline;
    mnuVisit = shared.mnuVisit;
    mnuUpdate = shared.mnuUpdate;
    mnuAbout = shared.mnuAbout;
    mnuDonate = shared.mnuDonate;
    // "Make Money &Online" stays out of the menu bar: a menu bar claims the
    // access key of every entry it holds, even a hidden one, and Alt+O belongs
    // to "&Open Previously Saved Reading". The banner below offers the same page.
    mkmoney = entry(new QAction(QStringLiteral("Make Money &Online"), this), "mkmoney");
    mkmoney->setVisible(false);
}

QWidget* FrmMain::buildTopBand() {
    auto* band = new QFrame;
    band->setObjectName(QStringLiteral("topBand"));
    band->setFrameShape(QFrame::StyledPanel);
    band->setMinimumHeight(kTopBandHeight);
    Label61 = makeLink("Label61",
                       QStringLiteral("Join our free astrology community on the web. Click here!"));
    Label61->setAlignment(Qt::AlignCenter);
    auto* layout = new QHBoxLayout(band);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(Label61);
    return band;
}

QWidget* FrmMain::buildMainFrame() {
    auto* frame = new QFrame;
    frame->setObjectName(QStringLiteral("mainFrame"));
    frame->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);

    // Name.
    QLabel* Label13 = makeLabel("Label13", QStringLiteral("Name"));
    txtName = makeBox("txtName", QStringLiteral("Name"));
    txtName->setMaxLength(kMaxNameLength);
    Label13->setBuddy(txtName);
    grid->addWidget(Label13, 0, 0);
    grid->addWidget(txtName, 0, 1, 1, 2);

    // Date of birth.
    QLabel* Label5 = makeLabel("Label5", QStringLiteral("Date of Birth"));
    cboMonth = makeList("cboMonth", QStringLiteral("Month"));
    cboDate = makeList("cboDate", QStringLiteral("Day"));
    cboYear = makeList("cboYear", QStringLiteral("Year"));
    auto* date = new QHBoxLayout;
    date->addWidget(cboMonth);
    date->addWidget(cboDate);
    date->addWidget(cboYear);
    date->addStretch(1);
    grid->addWidget(Label5, 1, 0);
    grid->addLayout(date, 1, 1, 1, 2);

    // Time of birth.
    QLabel* Label1 = makeLabel("Label1", QStringLiteral("Time of Birth"));
    cboHH = makeList("cboHH", QStringLiteral("Hour"));
    cboMM = makeList("cboMM", QStringLiteral("Minute"));
    cboSS = makeList("cboSS", QStringLiteral("Second"));
    QLabel* Label12 = makeLabel("Label12", QStringLiteral("HH:MM:SS"));
    auto* time = new QHBoxLayout;
    time->addWidget(cboHH);
    time->addWidget(cboMM);
    time->addWidget(cboSS);
    time->addWidget(Label12);
    time->addStretch(1);
    grid->addWidget(Label1, 2, 0);
    grid->addLayout(time, 2, 1, 1, 2);

    // A screen reader on Linux names a drop-down list after the label it is
    // the buddy of (its own name is the chosen entry). The captions on show
    // speak for the group ("Date of Birth"), so each list gets an unseen label
    // of its own.
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        auto* spoken = new QLabel(list->accessibleName(), list->parentWidget());
        spoken->setBuddy(list);
        spoken->hide();
    }

    // The birth place, searched in the atlas.
    grid->addWidget(buildPlaceRow(), 3, 0, 1, 3);

    // Time zone.
    QLabel* Label10 = makeLabel("Label10", QStringLiteral("Time Zone"));
    fraZone = new QFrame;
    fraZone->setObjectName(QStringLiteral("fraZone"));
    fraZone->setFrameShape(QFrame::StyledPanel);
    txtZoneHour = makeDigitBox("txtZoneHour", QStringLiteral("Zone hour"), 3);
    txtZoneMinute = makeDigitBox("txtZoneMinute", QStringLiteral("Zone minutes"), 3);
    QLabel* Label3 = makeLabel("Label3", QStringLiteral("Hour"));
    QLabel* Label2 = makeLabel("Label2", QStringLiteral("Min"));
    lblTZHelp = makeLink("lblTZHelp", QStringLiteral("TZ Help"));
    lblTZHelp->setWordWrap(false);
    chkDST = new QCheckBox(QStringLiteral("DST"));
    chkDST->setObjectName(QStringLiteral("chkDST"));
    cboZoneDirection = makeList("cboZoneDirection", QStringLiteral("Zone direction"));
    cboZoneDirection->addItems({QStringLiteral("From longitude"), QStringLiteral("Ahead of UT"),
                                QStringLiteral("Behind UT")});
    cboZoneDirection->setToolTip(
        QStringLiteral("Zone direction: from the longitude (East ahead of universal time, West "
                       "behind), or as chosen"));
    auto* spokenDirection = new QLabel(cboZoneDirection->accessibleName(), fraZone);
    spokenDirection->setBuddy(cboZoneDirection);
    spokenDirection->hide();
    lblOffsetUsed = makeLabel("lblOffsetUsed", QString());
    lblOffsetUsed->setAccessibleName(QStringLiteral("Offset used"));
    lblOffsetUsed->setToolTip(QStringLiteral("Offset used"));
    auto* zone = new QGridLayout(fraZone);
    zone->setContentsMargins(6, 4, 6, 2);
    zone->setVerticalSpacing(0);
    zone->addWidget(txtZoneHour, 0, 0);
    zone->addWidget(txtZoneMinute, 0, 1);
    zone->addWidget(lblTZHelp, 0, 2);
    zone->addWidget(chkDST, 0, 3);
    zone->addWidget(cboZoneDirection, 0, 4);
    zone->addWidget(Label3, 1, 0, Qt::AlignHCenter);
    zone->addWidget(Label2, 1, 1, Qt::AlignHCenter);
    zone->addWidget(lblOffsetUsed, 1, 3, 1, 2);
    zone->setColumnStretch(5, 1);
    grid->addWidget(Label10, 4, 0);
    grid->addWidget(fraZone, 4, 1, 1, 2);

    // Latitude and longitude, side by side.
    txtLatD = makeDigitBox("txtLatD", QStringLiteral("Latitude degrees"), 2);
    txtLatM = makeDigitBox("txtLatM", QStringLiteral("Latitude minutes"), 2);
    optLat[0] = makeOption("optLat_0", QStringLiteral("North"));
    optLat[1] = makeOption("optLat_1", QStringLiteral("South"));
    QGroupBox* latitude = makeCoordinateFrame(QStringLiteral("Latitude"), {txtLatD, 2, "Label7"},
                                              {txtLatM, 2, "Label9"}, optLat);

    txtLonD = makeDigitBox("txtLonD", QStringLiteral("Longitude degrees"), 3);
    txtLonM = makeDigitBox("txtLonM", QStringLiteral("Longitude minutes"), 2);
    optLong[0] = makeOption("optLong_0", QStringLiteral("East"));
    optLong[1] = makeOption("optLong_1", QStringLiteral("West"));
    QGroupBox* longitude = makeCoordinateFrame(QStringLiteral("Longitude"), {txtLonD, 3, "Label6"},
                                               {txtLonM, 2, "Label8"}, optLong);

    auto* position = new QHBoxLayout;
    position->addWidget(latitude);
    position->addWidget(longitude);
    grid->addLayout(position, 5, 0, 1, 3);

    // For coordinates typed by hand: the nearest place of the atlas and its
    // zone.
    lblNearestPlace = makeLabel("lblNearestPlace", QString());
    lblNearestPlace->setWordWrap(true);
    cmdNearestZone = new QPushButton(QStringLiteral("Use Its Zone"));
    cmdNearestZone->setObjectName(QStringLiteral("cmdNearestZone"));
    cmdNearestZone->setAutoDefault(true);
    cmdNearestZone->hide();
    auto* nearest = new QHBoxLayout;
    nearest->addWidget(lblNearestPlace, 1);
    nearest->addWidget(cmdNearestZone);
    grid->addLayout(nearest, 6, 0, 1, 3);

    // The place, with the lookup button beside its three boxes.
    QLabel* Label54 = makeLabel("Label54", QStringLiteral("City"));
    QLabel* Label55 = makeLabel("Label55", QStringLiteral("State"));
    QLabel* Label4 = makeLabel("Label4", QStringLiteral("Country"));
    txtMCity = makeBox("txtMCity", QStringLiteral("City"));
    txtMState = makeBox("txtMState", QStringLiteral("State"));
    txtMCountry = makeBox("txtMCountry", QStringLiteral("Country"));
    Label54->setBuddy(txtMCity);
    Label55->setBuddy(txtMState);
    Label4->setBuddy(txtMCountry);
    for (QLineEdit* box : {txtMCity, txtMState, txtMCountry}) {
        box->setMaxLength(kMaxNameLength);
    }
    cmdBrowser = new WrappingButton(QStringLiteral("Click Here To Find Latitude && Longitude"));
    cmdBrowser->setObjectName(QStringLiteral("cmdBrowser"));
    cmdBrowser->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
    grid->addWidget(Label54, 7, 0);
    grid->addWidget(txtMCity, 7, 1);
    grid->addWidget(Label55, 8, 0);
    grid->addWidget(txtMState, 8, 1);
    grid->addWidget(Label4, 9, 0);
    grid->addWidget(txtMCountry, 9, 1);
    grid->addWidget(cmdBrowser, 7, 2, 3, 1);

    // The two actions.
    cmdOpen = new QPushButton(QStringLiteral("&Open Previously Saved Reading"));
    cmdOpen->setObjectName(QStringLiteral("cmdOpen"));
    cmdRashi = new QPushButton(QStringLiteral("Get My Bhava Chart Reading"));
    cmdRashi->setObjectName(QStringLiteral("cmdRashi"));
    cmdRashi->setDefault(true);
    // Enter on a focused button presses that button; anywhere else it presses
    // cmdRashi (see keyPressEvent).
    cmdBrowser->setAutoDefault(true);
    cmdOpen->setAutoDefault(true);
    auto* actions = new QHBoxLayout;
    actions->addWidget(cmdOpen, 1);
    actions->addWidget(cmdRashi, 1);
    grid->addLayout(actions, 10, 0, 1, 3);

    return frame;
}

QWidget* FrmMain::buildBottomBand() {
    auto* band = new QFrame;
    band->setObjectName(QStringLiteral("bottomBand"));
    band->setFrameShape(QFrame::StyledPanel);
    band->setMinimumHeight(kBottomBandHeight);
    lblCobrand = makeLink("lblCobrand",
                          QStringLiteral("Co-brand this software for your site. Give it to your "
                                         "visitors with your own name, logo and web address on it. "
                                         "Click here for more details."));
    lblFullBrand = makeLink(
        "lblFullBrand",
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                       "online. Get this software fully branded for your website. Click here for "
                       "more details."));
    // The two banners share one rectangle. Each paints its whole background,
    // so only the front one is seen (and clicked); the later one starts in
    // front, and raise() on either brings it forward.
    auto* layout = new QGridLayout(band);
    layout->setContentsMargins(4, 2, 4, 2);
    for (ClickableLabel* banner : {lblCobrand, lblFullBrand}) {
        banner->setAlignment(Qt::AlignCenter);
        banner->setAutoFillBackground(true);
        layout->addWidget(banner, 0, 0);
    }
    return band;
}

void FrmMain::fillLists() {
    for (const QString& month : MonthNames()) {
        cboMonth->addItem(month);
    }
    const auto fill = [](QComboBox* list, int first, int last) {
        for (int n = first; n <= last; ++n) {
            list->addItem(QString::number(n));
        }
    };
    fill(cboDate, 1, 31);
    fill(cboYear, 1901, 2050);
    fill(cboHH, 0, 23);
    fill(cboMM, 0, 59);
    fill(cboSS, 0, 59);
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS}) {
        list->setCurrentIndex(0);
    }
    optLat[0]->setChecked(true);
    optLong[0]->setChecked(true);
}

void FrmMain::setTabOrderAsFilled() {
    QWidget* const order[] = {
        txtName,    cboMonth,      cboDate,        cboYear,       cboHH,     cboMM,
        cboSS,      txtBirthPlace, txtZoneHour,    txtZoneMinute, chkDST,    cboZoneDirection,
        txtLatD,    txtLatM,       optLat[0],      optLat[1],     txtLonD,   txtLonM,
        optLong[0], optLong[1],    cmdNearestZone, txtMCity,      txtMState, txtMCountry,
        cmdBrowser, cmdOpen,       cmdRashi};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void FrmMain::connectHandlers() {
    connect(cmdRashi, &QPushButton::clicked, this, [this] { on_cmdRashi_clicked(); });
    connect(mnuNext, &QAction::triggered, this, [this] { on_cmdRashi_clicked(); });
    connect(cmdOpen, &QPushButton::clicked, this, [this] { on_cmdOpen_clicked(); });
    connect(cmdBrowser, &QPushButton::clicked, this, [this] { on_cmdBrowser_clicked(); });
    connect(lblTZHelp, &ClickableLabel::clicked, this, [this] { on_lblTZHelp_clicked(); });
    connect(mnuExit, &QAction::triggered, this, [this] { on_mnuExit_triggered(); });
    connectPlaceHandlers();

    // The maker's pages: these entries and banners open one page each and do
    // nothing else.
    using LinkAction = void (*)(Browser&);
    connect(mkmoney, &QAction::triggered, this,
            [this] { OpenFullBrandPage(app.services().browser); });
    const std::pair<ClickableLabel*, LinkAction> bannerLinks[] = {
        {Label61, OpenHomePage},
        {lblCobrand, OpenCoBrandPage},
        {lblFullBrand, OpenFullBrandPage},
    };
    for (const auto& [banner, open] : bannerLinks) {
        connect(banner, &ClickableLabel::clicked, this,
                [this, open = open] { open(app.services().browser); });
    }
}

void FrmMain::installKeyFilters() {
    keyFilter = new KeyFilter(app.services().dialogs, this);
    const QString notLetter = QStringLiteral("Please Enter only Letters");
    const QString notNumber = QStringLiteral("Only Numbers Are Accepted");
    keyFilter->filter(txtName, NewLetterKeys(keyFilter), notLetter, MessageIcon::Information);
    keyFilter->filter(txtZoneHour, NewSignedDigitKeys(keyFilter), notNumber, MessageIcon::Critical);
    const QValidator* digits = NewDigitKeys(keyFilter);
    for (QLineEdit* box : {txtZoneMinute, txtLatD, txtLatM, txtLonD, txtLonM}) {
        keyFilter->filter(box, digits, notNumber, MessageIcon::Critical);
    }
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event) {
    // Enter in the place box chooses the first place it lists, unless the box
    // already shows a place chosen; then it runs the reading as elsewhere.
    if (watched == txtBirthPlace && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        return enter && txtBirthPlace->text() != chosenPlaceLabel && chooseFirstListedPlace();
    }
    return QMainWindow::eventFilter(watched, event);
}

bool FrmMain::ValidateBirthData() {
    const std::optional<BirthProblem> problem = CheckBirthEntry(birthEntry(), NameRule::Required);
    if (!problem) {
        return true;
    }
    app.services().dialogs.message(this, problem->message,
                                   problem->icon == ProblemIcon::Information
                                       ? MessageIcon::Information
                                       : MessageIcon::Critical);
    if (problem->focus) {
        if (QWidget* box = boxOf(*problem->focus)) {
            box->setFocus();
        }
    }
    return false;
}

BirthEntry FrmMain::birthEntry() const {
    // The lists hold their entries' numbers; the month list its names, so its
    // position gives the month.
    const auto listText = [](const QComboBox* list) {
        return list->currentIndex() >= 0 ? list->currentText() : QString();
    };
    BirthEntry entry;
    entry.Name = txtName->text();
    entry.Month =
        cboMonth->currentIndex() >= 0 ? QString::number(cboMonth->currentIndex() + 1) : QString();
    entry.Day = listText(cboDate);
    entry.Year = listText(cboYear);
    entry.Hour = listText(cboHH);
    entry.Minute = listText(cboMM);
    entry.ZoneHour = txtZoneHour->text();
    entry.ZoneMinute = txtZoneMinute->text();
    entry.LonD = txtLonD->text();
    entry.LonM = txtLonM->text();
    entry.LatD = txtLatD->text();
    entry.LatM = txtLatM->text();
    entry.LonEast = optLong[0]->isChecked();
    entry.LatSouth = optLat[1]->isChecked();
    // A check box in the grayed state counts as set.
    entry.DST = chkDST->checkState() != Qt::Unchecked;
    entry.City = txtMCity->text();
    entry.State = txtMState->text();
    entry.Country = txtMCountry->text();
    entry.ZoneAhead = zoneAhead();
    entry.TimeZone = QString::fromLatin1(zoneFollowing.zoneId());
    return entry;
}

void FrmMain::showBirthEntry(const BirthEntry& entry) {
    const auto select = [](QComboBox* list, const QString& text) {
        list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    };
    // The entry's zone is its own: the atlas never rewrites it, neither now
    // nor when the date or time changes later.
    setTimeZone(entry.TimeZone.toLatin1());
    chosenPlaceLabel.clear();
    txtBirthPlace->clear();
    lblNearestPlace->clear();
    cmdNearestZone->hide();
    txtName->setText(entry.Name);
    bool monthOk = false;
    const int month = entry.Month.toInt(&monthOk);
    cboMonth->setCurrentIndex(monthOk && month >= 1 && month <= 12 ? month - 1 : -1);
    select(cboDate, entry.Day);
    select(cboYear, entry.Year);
    select(cboHH, entry.Hour);
    select(cboMM, entry.Minute);
    txtZoneHour->setText(entry.ZoneHour);
    txtZoneMinute->setText(entry.ZoneMinute);
    txtLonD->setText(entry.LonD);
    txtLonM->setText(entry.LonM);
    txtLatD->setText(entry.LatD);
    txtLatM->setText(entry.LatM);
    optLong[entry.LonEast ? 0 : 1]->setChecked(true);
    optLat[entry.LatSouth ? 1 : 0]->setChecked(true);
    chkDST->setCheckState(entry.DST ? Qt::Checked : Qt::Unchecked);
    txtMCity->setText(entry.City);
    txtMState->setText(entry.State);
    txtMCountry->setText(entry.Country);
    setZoneAhead(entry.ZoneAhead);
}

QWidget* FrmMain::boxOf(BirthField field) const {
    switch (field) {
    case BirthField::Name:
        return txtName;
    case BirthField::ZoneHour:
        return txtZoneHour;
    case BirthField::ZoneMinute:
        return txtZoneMinute;
    case BirthField::LonD:
        return txtLonD;
    case BirthField::LonM:
        return txtLonM;
    case BirthField::LatD:
        return txtLatD;
    case BirthField::LatM:
        return txtLatM;
    default:
        return nullptr;
    }
}

QPoint FrmMain::timeZonePickerPosition() const {
    return lblTZHelp->mapToGlobal(QPoint(lblTZHelp->width(), lblTZHelp->height() + kPickerDrop));
}

void FrmMain::on_cmdRashi_clicked() {
    RunReadingDriver(app, *this);
}

void FrmMain::on_cmdOpen_clicked() {
    OpenReading(app, *this);
}

void FrmMain::on_cmdBrowser_clicked() {
    // The boxes are tested as typed: a box of spaces counts as filled.
    const std::pair<QLineEdit*, QString> places[] = {
        {txtMCity, QStringLiteral("Please Enter City")},
        {txtMState, QStringLiteral("Please Enter State")},
        {txtMCountry, QStringLiteral("Please Enter Country")},
    };
    for (const auto& [box, message] : places) {
        if (box->text().isEmpty()) {
            app.services().dialogs.message(this, message, MessageIcon::Information);
            box->setFocus();
            return;
        }
    }
    const QString query = txtMCity->text() + QLatin1Char(' ') + txtMState->text() +
                          QLatin1Char(' ') + txtMCountry->text() +
                          QStringLiteral(" Latitude Longitude");
    app.services().webSearch.search(query, HomePageAddress());
}

void FrmMain::on_lblTZHelp_clicked() {
    // A fresh picker each time; it deletes itself when closed, even if this
    // window goes first.
    auto* picker = new FrmTimeZone(*this, this);
    picker->setAttribute(Qt::WA_DeleteOnClose);
    QPoint at = timeZonePickerPosition();
    // Kept whole on the screen when the window sits near its edge.
    const QScreen* screen = QGuiApplication::screenAt(at);
    if (screen == nullptr) {
        screen = this->screen();
    }
    if (screen != nullptr) {
        // The picker's frame is not known before it is shown; this window's
        // frame is a close guess.
        const QSize outer = picker->size() + frameGeometry().size() - geometry().size();
        const QRect room = screen->availableGeometry();
        at.setX(std::max(room.left(), std::min(at.x(), room.right() + 1 - outer.width())));
        at.setY(std::max(room.top(), std::min(at.y(), room.bottom() + 1 - outer.height())));
    }
    picker->move(at);
    picker->exec();
}

void FrmMain::on_mnuExit_triggered() {
    close();
}

bool FrmMain::event(QEvent* event) {
    if (event->type() == QEvent::Paint && !painted) {
        painted = true;
        if (atlasFolder) {
            QTimer::singleShot(kAtlasAfterPaintMs, this,
                               [this] { loadAtlas(*std::exchange(atlasFolder, {})); });
        }
    }
    return QMainWindow::event(event);
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        cmdRashi->isEnabled()) {
        event->accept();
        cmdRashi->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void FrmMain::closeEvent(QCloseEvent* event) {
    app.showReferralWindow();
    event->accept();
}

// ------------------------------------------------------------ the birth place

QWidget* FrmMain::buildPlaceRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    QLabel* label = makeLabel("lblBirthPlace", QStringLiteral("Birth place"));
    txtBirthPlace = makeBox("txtBirthPlace", QStringLiteral("Birth place"));
    txtBirthPlace->setPlaceholderText(QStringLiteral("Reading the atlas of places..."));
    txtBirthPlace->setClearButtonEnabled(true);
    label->setBuddy(txtBirthPlace);
    placeModel = new QStringListModel(this);
    placeCompleter = new QCompleter(placeModel, this);
    // The list is the atlas's answer for the text, in its order.
    placeCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeCompleter->setMaxVisibleItems(static_cast<int>(kListedPlaces));
    txtBirthPlace->setCompleter(placeCompleter);
    txtBirthPlace->installEventFilter(this);
    layout->addWidget(label);
    layout->addWidget(txtBirthPlace, 1);
    return row;
}

void FrmMain::connectPlaceHandlers() {
    connect(txtBirthPlace, &QLineEdit::textEdited, this,
            [this](const QString& text) { on_txtBirthPlace_textEdited(text); });
    connect(placeCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) { on_placeList_activated(index.row()); });
    connect(cmdNearestZone, &QPushButton::clicked, this, [this] { on_cmdNearestZone_clicked(); });

    // A zone typed, ticked or chosen by the user is the user's own.
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute}) {
        connect(box, &QLineEdit::textEdited, this, [this] { zoneTypedByHand(); });
    }
    connect(chkDST, &QCheckBox::clicked, this, [this] { zoneTypedByHand(); });
    connect(cboZoneDirection, &QComboBox::activated, this, [this] { zoneTypedByHand(); });

    // The date and time move a zone that follows the place.
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM}) {
        connect(list, &QComboBox::currentIndexChanged, this, [this] { refreshZoneFromPlace(); });
    }

    // The offset line follows everything it is made of.
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute, txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textChanged, this, [this] { updateOffsetUsed(); });
    }
    connect(chkDST, &QCheckBox::stateChanged, this, [this] { updateOffsetUsed(); });
    connect(cboZoneDirection, &QComboBox::currentIndexChanged, this,
            [this] { updateOffsetUsed(); });
    connect(optLong[0], &QRadioButton::toggled, this, [this] { updateOffsetUsed(); });

    // Coordinates typed by hand: the nearest place's zone is proposed.
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonD, txtLonM}) {
        connect(box, &QLineEdit::textEdited, this, [this] { proposeNearestZone(); });
    }
    for (QRadioButton* option : {optLat[0], optLat[1], optLong[0], optLong[1]}) {
        connect(option, &QRadioButton::clicked, this, [this] { proposeNearestZone(); });
    }
    updateOffsetUsed();
}

void FrmMain::loadAtlas(const QString& folder) {
    // Reading waits until the window has been painted and start-up is over:
    // it takes a core for a second, which start-up is better without.
    if (!painted) {
        atlasFolder = folder;
        return;
    }
    if (atlasLoader == nullptr) {
        atlasLoader = new AtlasLoader(this);
        connect(atlasLoader, &AtlasLoader::loaded, this,
                [this](std::shared_ptr<const Atlas> loaded, const QString& error) {
                    setAtlas(std::move(loaded), error);
                });
    }
    atlasLoader->start(folder);
}

void FrmMain::setAtlas(std::shared_ptr<const Atlas> loaded, const QString& error) {
    zoneFollowing.setAtlas(std::move(loaded));
    listedPlaces.clear();
    if (zoneFollowing.atlas() == nullptr) {
        txtBirthPlace->setEnabled(false);
        txtBirthPlace->setPlaceholderText(QStringLiteral("The atlas of places could not be read"));
        txtBirthPlace->setToolTip(error);
        return;
    }
    txtBirthPlace->setEnabled(true);
    txtBirthPlace->setPlaceholderText(QStringLiteral("City of birth: type its name"));
    txtBirthPlace->setToolTip(QString());
    // What was typed while the atlas was read is searched now.
    if (!txtBirthPlace->text().isEmpty() && txtBirthPlace->text() != chosenPlaceLabel) {
        on_txtBirthPlace_textEdited(txtBirthPlace->text());
        if (txtBirthPlace->hasFocus()) {
            placeCompleter->complete();
        }
    }
}

void FrmMain::on_txtBirthPlace_textEdited(const QString& text) {
    const Atlas* atlas = zoneFollowing.atlas();
    listedPlaces =
        atlas != nullptr ? atlas->search(text, kListedPlaces) : std::vector<const Place*>{};
    QStringList labels;
    for (const Place* place : listedPlaces) {
        labels << PlaceLabel(*place);
    }
    placeModel->setStringList(labels);
}

bool FrmMain::chooseFirstListedPlace() {
    on_txtBirthPlace_textEdited(txtBirthPlace->text());
    if (listedPlaces.empty()) {
        return false;
    }
    placeCompleter->popup()->hide();
    choosePlace(*listedPlaces.front());
    return true;
}

void FrmMain::on_placeList_activated(int row) {
    if (row >= 0 && static_cast<std::size_t>(row) < listedPlaces.size()) {
        choosePlace(*listedPlaces[static_cast<std::size_t>(row)]);
    }
}

void FrmMain::choosePlace(const Place& place) {
    chosenPlaceLabel = PlaceLabel(place);
    txtBirthPlace->setText(chosenPlaceLabel);
    txtMCity->setText(place.AsciiName);
    txtMState->setText(place.StateAscii);
    txtMCountry->setText(place.CountryAscii);
    const RecordCoordinates c = RecordCoordinatesOf(place.Latitude, place.Longitude);
    txtLatD->setText(QString::number(c.latD));
    txtLatM->setText(QString::number(c.latM));
    optLat[c.latSouth ? 1 : 0]->setChecked(true);
    txtLonD->setText(QString::number(c.lonD));
    txtLonM->setText(QString::number(c.lonM));
    optLong[c.lonEast ? 0 : 1]->setChecked(true);
    lblNearestPlace->clear();
    cmdNearestZone->hide();
    zoneFollowing.followPlace(place);
    refreshZoneFromPlace();
}

std::optional<bool> FrmMain::zoneAhead() const {
    switch (cboZoneDirection->currentIndex()) {
    case 1:
        return true;
    case 2:
        return false;
    default:
        return std::nullopt;
    }
}

void FrmMain::setZoneAhead(std::optional<bool> ahead) {
    cboZoneDirection->setCurrentIndex(!ahead ? 0 : (*ahead ? 1 : 2));
}

void FrmMain::setTimeZone(const QByteArray& zone) {
    zoneFollowing.keepZone(zone);
}

void FrmMain::zoneWrittenByPicker(bool ahead) {
    setZoneAhead(ahead);
    zoneTypedByHand();
}

void FrmMain::zoneTypedByHand() {
    zoneFollowing.zoneTypedByHand();
}

void FrmMain::refreshZoneFromPlace() {
    if (const auto offset = zoneFollowing.followedOffset(BirthRecordOf(birthEntry()))) {
        writeZone(*offset);
    }
}

void FrmMain::writeZone(const ZoneOffset& offset) {
    const ZoneBoxes boxes = ZoneBoxesFor(offset);
    txtZoneHour->setText(QString::number(boxes.hours));
    txtZoneMinute->setText(QString::number(boxes.minutes));
    chkDST->setChecked(boxes.dst);
    setZoneAhead(boxes.ahead);
}

void FrmMain::updateOffsetUsed() {
    lblOffsetUsed->setText(
        OffsetUsedText(BirthRecordOf(birthEntry()), txtZoneHour->text(), txtZoneMinute->text()));
}

void FrmMain::proposeNearestZone() {
    const NearestZoneProposal proposal =
        zoneFollowing.proposeNearest(BirthRecordOf(birthEntry()), txtLatD->text(), txtLonD->text());
    lblNearestPlace->setText(proposal.text);
    cmdNearestZone->setVisible(proposal.offered);
}

void FrmMain::on_cmdNearestZone_clicked() {
    if (zoneFollowing.followNearest()) {
        refreshZoneFromPlace();
    }
}
