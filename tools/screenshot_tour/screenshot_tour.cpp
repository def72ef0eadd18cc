// Starts Kelvaro's windows the way the program does, types the first worked
// example into frmMain, opens the reading and saves PNG pictures of what a
// user sees. Run it under a real X server (scripts/screenshots.sh uses Xvfb).

#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "shell/application.h"
#include "shell/frm_referral.h"
#include "shell/qt_services.h"
#include "support/fake_services.h"
#include "translation/language.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDir>
#include <QLineEdit>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include <cstdio>
#include <optional>
#include <utility>

namespace {

void pick(QComboBox* list, const QString& text) {
    list->setCurrentIndex(list->findText(text));
}

bool save(QWidget* window, const QString& path) {
    window->activateWindow();
    QTest::qWait(200);
    const bool saved = window->grab().save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

// The window with the place box's list, which is a window of its own.
bool saveWithList(QWidget* window, QWidget* list, const QString& path) {
    QTest::qWait(200);
    const QRect area = window->frameGeometry().united(list->geometry());
    const bool saved =
        window->screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height()).save(path);
    std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
    return saved;
}

// The real print preview, pictured and closed again instead of waiting for
// the user.
class PicturedPreview : public Printing {
public:
    explicit PicturedPreview(QString path) : path(std::move(path)) {}
    void printWithPreview(QWidget* parent, const PrintJob& job) override {
        QPrinter printer(QPrinter::HighResolution);
        QtPrinting::setUp(printer, job);
        const auto preview = QtPrinting::preview(printer, parent, job);
        preview->resize(900, 1000);
        preview->show();
        (void)QTest::qWaitForWindowExposed(preview.get());
        saved = save(preview.get(), path);
        preview->close();
    }
    QString path;
    bool saved = false;
};

// Every tab of the reading window, both chart styles, a divisional chart and
// the print preview.
bool pictureReadingWindow(FrmDisplay* display, const PicturedPreview& preview,
                          const QString& folder) {
    bool ok = true;
    (void)QTest::qWaitForWindowExposed(display);
    display->SSTab1->setCurrentIndex(0);
    ok = save(display, folder + QStringLiteral("/screenshot-chart.png")) && ok;
    pick(display->cboChartStyle, QStringLiteral("South Indian"));
    ok = save(display, folder + QStringLiteral("/screenshot-chart-south.png")) && ok;
    display->mnuPrint->trigger();
    ok = preview.saved && ok;
    pick(display->cboChartStyle, QStringLiteral("North Indian"));
    display->SSTab1->setCurrentIndex(1);
    ok = save(display, folder + QStringLiteral("/screenshot-houses.png")) && ok;
    display->SSTab1->setCurrentWidget(display->tabPlanets);
    ok = save(display, folder + QStringLiteral("/screenshot-planets.png")) && ok;
    display->SSTab1->setCurrentWidget(display->tabVargas);
    ok = save(display, folder + QStringLiteral("/screenshot-vargas.png")) && ok;
    display->SSTab1->setCurrentWidget(display->tabDasha);
    ok = save(display, folder + QStringLiteral("/screenshot-dasha.png")) && ok;
    display->SSTab1->setCurrentIndex(0);
    pick(display->cboChartKind, QStringLiteral("D9 Navamsa"));
    ok = save(display, folder + QStringLiteral("/screenshot-navamsa.png")) && ok;
    display->cboChartKind->setCurrentIndex(0);

    return ok;
}

// The birth-data window and the reading in another language, the form
// filled in before the language was chosen.
bool pictureInLanguage(Application& app, FrmMain& form, Language language, const QString& folder) {
    app.setLanguage(language);
    const QString code = LanguageCode(language);
    bool ok = save(&form, folder + QStringLiteral("/screenshot-main-%1.png").arg(code));
    QTest::mouseClick(form.cmdRashi, Qt::LeftButton);
    FrmDisplay* display = app.loadedFrmDisplay();
    if (display == nullptr) {
        return false;
    }
    (void)QTest::qWaitForWindowExposed(display);
    ok = save(display, folder + QStringLiteral("/screenshot-houses-%1.png").arg(code)) && ok;
    display->close();
    return ok;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs");
    // With a language (hi, ta) only the birth-data window and the reading are
    // pictured in it, as screenshot-main-hi.png and screenshot-houses-hi.png.
    const std::optional<Language> language =
        argc > 2 ? LanguageFromCode(QString::fromLocal8Bit(argv[2])) : std::nullopt;
    QDir().mkpath(folder);

    // Fakes: no dialog blocks, no browser opens, the user's settings stay untouched.
    FakeServices fakes;
    fakes.clock.date = QDate::currentDate();
    PicturedPreview preview(folder + QStringLiteral("/screenshot-print-preview.png"));
    Services services = fakes.services();
    Application app(Services{services.dialogs, services.browser, services.webSearch, services.clock,
                             services.random, services.settings, services.instance, preview});
    app.start();

    FrmMain& form = app.frmMain();
    (void)QTest::qWaitForWindowExposed(&form);

    // The birth place from the atlas, read in the background after start-up.
    bool ok = QTest::qWaitFor([&form] { return form.atlasReady(); }, 30000);
    pick(form.cboYear, QStringLiteral("1943"));
    pick(form.cboMonth, QStringLiteral("June"));
    pick(form.cboDate, QStringLiteral("15"));
    pick(form.cboHH, QStringLiteral("12"));
    form.activateWindow();
    form.txtBirthPlace->setFocus();
    QTest::keyClicks(form.txtBirthPlace, QStringLiteral("Kolk"));
    QAbstractItemView* list = form.txtBirthPlace->completer()->popup();
    ok = QTest::qWaitFor([list] { return list->isVisible(); }, 5000) && ok;
    ok = saveWithList(&form, list, folder + QStringLiteral("/screenshot-place.png")) && ok;
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    ok = save(&form, folder + QStringLiteral("/screenshot-zone.png")) && ok;
    form.showBirthEntry(BirthEntry{});
    QTest::keyClicks(form.txtName, QStringLiteral("Ram"));
    pick(form.cboMonth, QStringLiteral("January"));
    pick(form.cboDate, QStringLiteral("1"));
    pick(form.cboYear, QStringLiteral("2000"));
    pick(form.cboHH, QStringLiteral("12"));
    pick(form.cboMM, QStringLiteral("0"));
    QTest::keyClicks(form.txtZoneHour, QStringLiteral("5"));
    QTest::keyClicks(form.txtZoneMinute, QStringLiteral("30"));
    QTest::keyClicks(form.txtLatD, QStringLiteral("28"));
    QTest::keyClicks(form.txtLatM, QStringLiteral("36"));
    QTest::keyClicks(form.txtLonD, QStringLiteral("77"));
    QTest::keyClicks(form.txtLonM, QStringLiteral("12"));
    form.optLat[0]->setChecked(true);
    form.optLong[0]->setChecked(true);
    QTest::keyClicks(form.txtMCity, QStringLiteral("New Delhi"));
    QTest::keyClicks(form.txtMState, QStringLiteral("Delhi"));
    QTest::keyClicks(form.txtMCountry, QStringLiteral("India"));

    if (language) {
        return pictureInLanguage(app, form, *language, folder) && ok ? 0 : 1;
    }
    ok = save(&form, folder + QStringLiteral("/screenshot-main.png")) && ok;

    QTest::mouseClick(form.cmdRashi, Qt::LeftButton);
    FrmDisplay* display = app.loadedFrmDisplay();
    if (display == nullptr) {
        std::fprintf(stderr, "the reading window did not open: %s\n",
                     qPrintable(fakes.messageTexts().join(QStringLiteral(" | "))));
        return 1;
    }
    ok = pictureReadingWindow(display, preview, folder) && ok;
    display->close();
    if (FrmReferral* referral = app.loadedReferralWindow()) {
        (void)QTest::qWaitForWindowExposed(referral);
        ok = save(referral, folder + QStringLiteral("/screenshot-referral.png")) && ok;
    }
    return ok ? 0 : 1;
}
