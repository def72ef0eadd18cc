#include "shell/application.h"

#include "atlas/atlas.h"
#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "kelvaro_version.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/program_icon.h"
#include "reading/mod_bhava_chart.h"
#include "shell/frm_about.h"
#include "shell/frm_referral.h"

#include <QApplication>
#include <QDialog>
#include <QList>
#include <QWidget>

#include <cmath>
#include <exception>

namespace {

// Runs one step of start-up or of the end; a step that fails is abandoned and
// the caller goes on with the next one.
template <typename Step> void runStep(Step&& step) {
    try {
        step();
    } catch (const std::exception&) {
    } catch (...) {
    }
}

// The nearest integer, halves going to the even neighbour.
double roundHalfEven(double x) {
    const double below = std::floor(x);
    const double fraction = x - below;
    if (fraction < 0.5) {
        return below;
    }
    if (fraction > 0.5) {
        return below + 1.0;
    }
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

QList<QPointer<QWidget>> guarded(const QWidgetList& windows) {
    QList<QPointer<QWidget>> list;
    list.reserve(windows.size());
    for (QWidget* window : windows) {
        list.append(window);
    }
    return list;
}

} // namespace

Application::Application(const Services& services) : svc(services) {}

Application::~Application() {
    delete referralWindow.data();
    delete displayWindow.data();
    delete mainWindow.data();
}

void Application::configureQtApplication() {
    QApplication::setApplicationName(QStringLiteral("Kelvaro"));
    QApplication::setOrganizationName(QStringLiteral("Kelvaro"));
    QApplication::setApplicationVersion(QLatin1String(kKelvaroVersion));
    // The program ends only through CloseAllAndEnd (from the referral window).
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());
    // Lets the desktop match the windows to the installed kelvaro.desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("kelvaro"));
}

FrmMain* Application::loadedFrmMain() const {
    return mainWindow;
}
FrmDisplay* Application::loadedFrmDisplay() const {
    return displayWindow;
}
FrmReferral* Application::loadedReferralWindow() const {
    return referralWindow;
}

namespace {

const QString kSettingsSection = QStringLiteral("Settings");
const QString kLanguageValue = QStringLiteral("Language");

} // namespace

void Application::startLanguage(const QLocale& systemLocale) {
    const std::optional<Language> remembered =
        LanguageFromCode(svc.settings.value(kSettingsSection, kLanguageValue));
    languageSwitch.use(remembered.value_or(LanguageForLocale(systemLocale)));
}

void Application::setLanguage(Language language) {
    languageSwitch.use(language);
    svc.settings.setValue(kSettingsSection, kLanguageValue, LanguageCode(language));
}

bool Application::start(const QLocale& systemLocale) {
    runStep([&] { startLanguage(systemLocale); });
    bool anotherCopy = false;
    runStep([&] { anotherCopy = svc.instance.anotherCopyRunning(); });
    if (anotherCopy) {
        runStep([&] {
            svc.dialogs.message(nullptr, Application::tr("Application is already running"),
                                MessageIcon::Information);
        });
        closeAllAndEnd();
        return false;
    }
    runStep([&] { svc.random.seedFromClock(); });
    runStep([&] { UpdateReminder(svc); });
    runStep([&] { showBirthDataWindow(); });
    runStep([&] { CoBrand_Randomize(); });
    // The atlas is read in the background once the window is up.
    runStep([&] { frmMain().loadAtlas(DefaultAtlasFolder()); });
    return !hasEnded;
}

void Application::CoBrand_Randomize() {
    // r x 6 + 1 is exact in double precision for a single-precision r, so the
    // rounding sees the true value: 1 and 7 come from half-width intervals.
    const double scaled = static_cast<double>(svc.random.next()) * 6.0 + 1.0;
    programState.intCoBrandRandomNumber = static_cast<std::int16_t>(roundHalfEven(scaled));
    FrmMain& main = frmMain();
    switch (programState.intCoBrandRandomNumber) {
    case 1:
    case 3:
    case 5:
        if (main.lblCobrand != nullptr) {
            main.lblCobrand->raise();
        }
        break;
    case 2:
    case 4:
    case 6:
        if (main.lblFullBrand != nullptr) {
            main.lblFullBrand->raise();
        }
        break;
    default:
        break; // 7: the layout order stays, the full-brand banner in front
    }
}

FrmMain& Application::frmMain() {
    if (mainWindow == nullptr) {
        mainWindow = new FrmMain(*this);
        mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *mainWindow;
}

FrmDisplay& Application::frmDisplay() {
    if (displayWindow == nullptr) {
        displayWindow = new FrmDisplay(*this);
        displayWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *displayWindow;
}

void Application::showReading(const Reading& reading) {
    programState.reading = reading;
    programState.currentHouse = 0;
    FrmDisplay& display = frmDisplay();
    display.showReading(programState.reading);
    LoadHouseCatalogue();
    display.showHouse(0);
    frmMain().hide();
    hideReferralWindow();
    display.show();
}

void Application::showBirthDataWindow() {
    if (hasEnded) {
        return;
    }
    frmMain().show();
}

void Application::showReferralWindow() {
    if (hasEnded) {
        return; // the program is ending: nothing new comes up
    }
    if (referralWindow == nullptr) {
        referralWindow = new FrmReferral(*this);
        referralWindow->setAttribute(Qt::WA_DeleteOnClose);
    }
    referralWindow->show();
}

void Application::hideReferralWindow() {
    if (referralWindow != nullptr) {
        referralWindow->hide();
    }
}

void Application::showAboutWindow() {
    if (hasEnded) {
        return;
    }
    // Loaded afresh each time and gone once closed.
    QPointer<FrmAbout> about = new FrmAbout(*this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    runModal(*about);
    delete about.data();
}

void Application::runModal(QDialog& dialog) {
    dialog.exec();
}

void Application::endProgram() {
    QCoreApplication::exit(0);
}

void Application::closeAllAndEnd() {
    if (closingAll) {
        return; // a closing handler called back in; the walk goes on
    }
    closingAll = true;
    hasEnded = true;

    // Close every loaded window, shown or hidden. A closing handler may delete
    // another window (hence the guarded pointers) or show one; anything shown
    // during the walk is closed on the next round.
    constexpr int kRounds = 3;
    for (int round = 0; round < kRounds; ++round) {
        bool closedAny = false;
        for (const QPointer<QWidget>& window : guarded(QApplication::topLevelWidgets())) {
            if (window.isNull() || (round > 0 && !window->isVisible())) {
                continue;
            }
            runStep([&] { window->close(); });
            closedAny = true;
        }
        if (!closedAny) {
            break;
        }
    }
    // The program ends now, whatever refused to close.
    for (const QPointer<QWidget>& window : guarded(QApplication::topLevelWidgets())) {
        if (!window.isNull() && window->isVisible()) {
            runStep([&] { window->hide(); });
        }
    }
    runStep([&] { endProgram(); });
}
