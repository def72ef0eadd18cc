#include "entry/frm_main.h"

#include "birth/birth_rules.h"
#include "document/program_title.h"
#include "entry/frm_time_zone.h"
#include "entry/key_filter.h"
#include "entry/open_reading.h"
#include "entry/reading_driver.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/shared_menus.h"
#include "translation/table_texts.h"
#include "translation/translator.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <optional>

namespace {

// Twips at 96 DPI: 15 to a pixel.
constexpr int kDesignWidth = 436;  // 6540 twips
constexpr int kDesignHeight = 485; // 7275 twips
constexpr int kPickerDrop = 40;    // 600 twips between "TZ Help" and the picker
// The atlas is read this long after the window's first paint, once the
// events of start-up are over.
constexpr int kAtlasAfterPaintMs = 250;

// A box for a few digits: wide enough for them at the current font.
void fitDigits(QLineEdit* box, int digits) {
    const int textWidth =
        box->fontMetrics().horizontalAdvance(QString(digits + 1, QLatin1Char('0')));
    box->setFixedWidth(textWidth + 12); // and the frame and text margins
}

} // namespace

FrmMain::FrmMain(App& app, QWidget* parent) : QMainWindow(parent), app(app) {
    setupUi(this);
    setWindowTitle(ProgramTitle());
    optLat = {optLat_0, optLat_1};
    optLong = {optLong_0, optLong_1};
    addSharedMenus();
    setUpControls();
    setUpPlaceBox();
    fillLists();
    connectHandlers();
    installKeyFilters();

    const int menuHeight = menuBar()->sizeHint().height();
    resize(QSize(kDesignWidth, kDesignHeight + menuHeight).expandedTo(sizeHint()));
}

void FrmMain::addSharedMenus() {
    SharedMenuCaptions captions;
    captions.update = QT_TRANSLATE_NOOP("SharedMenus", "Check for Software &Update");
    sharedMenus = AddSharedMenus(*menuBar(), *this, app, captions);
    sharedMenus.keepIn(*this);
    languageMenu = AddLanguageMenu(*menuBar(), *this, app);
    // "Make Money &Online" stays out of the menu bar: a menu bar claims the
    // access key of every entry it holds, even a hidden one, and Alt+O belongs
    // to "&Open Previously Saved Reading". The banner below offers the same page.
    mkmoney->setVisible(false);
}

// What the form cannot say: sizes that follow the font, the link colour, the
// names a screen reader speaks for the lists, and the boxes' limits.
void FrmMain::setUpControls() {
    for (QLineEdit* box : {txtZoneHour, txtZoneMinute, txtLonD}) {
        fitDigits(box, 3);
    }
    for (QLineEdit* box : {txtLatD, txtLatM, txtLonM}) {
        fitDigits(box, 2);
    }
    for (QLineEdit* box : {txtName, txtMCity, txtMState, txtMCountry}) {
        box->setMaxLength(kMaxNameLength);
    }
    for (ClickableLabel* link : {Label61, lblTZHelp, lblCobrand, lblFullBrand}) {
        QPalette palette = link->palette();
        palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
        link->setPalette(palette);
    }
    // A screen reader on Linux names a drop-down list after the label it is
    // the buddy of (its own name is the chosen entry). The captions on show
    // speak for the group ("Date of Birth"), so each list gets an unseen label
    // of its own.
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS, cboZoneDirection}) {
        auto* spoken = new QLabel(list->accessibleName(), list->parentWidget());
        spokenLabels.insert(list, spoken);
        spoken->setBuddy(list);
        spoken->hide();
    }
}

void FrmMain::fillLists() {
    for (const QString& month : MonthNames()) {
        cboMonth->addItem(TableText("Months", month));
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
    // The filter shows these in the language in use.
    const QString notLetter =
        QStringLiteral(QT_TRANSLATE_NOOP("KeyFilter", "Please Enter only Letters"));
    const QString notNumber =
        QStringLiteral(QT_TRANSLATE_NOOP("KeyFilter", "Only Numbers Are Accepted"));
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
    app.services().dialogs.message(this, TableText("BirthRules", problem->message),
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
        {txtMCity, tr("Please Enter City")},
        {txtMState, tr("Please Enter State")},
        {txtMCountry, tr("Please Enter Country")},
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

void FrmMain::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

// The form's own captions come back from the catalogue; the texts this code
// sets are set again in the language now in use.
void FrmMain::retranslate() {
    retranslateUi(this);
    setWindowTitle(ProgramTitle());
    sharedMenus.retranslate();
    languageMenu.retranslate();
    languageMenu.check(app.language());
    for (int month = 0; month < cboMonth->count(); ++month) {
        cboMonth->setItemText(month, TableText("Months", MonthNames().at(month)));
    }
    for (QComboBox* list : {cboMonth, cboDate, cboYear, cboHH, cboMM, cboSS, cboZoneDirection}) {
        if (QLabel* spoken = spokenLabels.value(list)) {
            spoken->setText(list->accessibleName());
        }
    }
    setAtlasPlaceholder();
    updateOffsetUsed();
    proposeNearestZone();
    describePlaceList(-1);
    // Longer or taller captions may need more room than the window has.
    if (QLayout* form = layout()) {
        form->activate();
    }
    resize(size().expandedTo(sizeHint()));
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
