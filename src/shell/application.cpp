#include "shell/application.h"

#include "display/frm_display.h"
#include "entry/frm_main.h"
#include "shell/clickable_label.h"
#include "shell/frm_about.h"
#include "shell/frm_referral.h"
#include "shell/mod_help.h"

#include <QApplication>
#include <QMessageBox>
#include <QWidget>

#include <cmath>

Application::Application(const Services& services) : svc(services) {}

Application::~Application() {
    delete referralWindow;
    delete displayWindow;
    delete mainWindow;
}

FrmMain* Application::loadedFrmMain() const { return mainWindow; }
FrmDisplay* Application::loadedFrmDisplay() const { return displayWindow; }
FrmReferral* Application::loadedReferralWindow() const { return referralWindow; }

bool Application::start() {
    if (svc.instance.anotherCopyRunning()) {
        svc.dialogs.message(nullptr, QStringLiteral("Application is already running"),
                            MessageIcon::Information);
        closeAllAndEnd();
        return false;
    }
    svc.random.seedFromClock();
    UpdateReminder(svc);
    showFrmMain();
    CoBrand_Randomize();
    return !hasEnded;
}

void Application::CoBrand_Randomize() {
    // r x 6 + 1 rounded to the nearest integer, halves to the even neighbour:
    // 1 and 7 come from half-width intervals.
    const float r = svc.random.next();
    const float scaled = r * 6.0F + 1.0F;
    programState.intCoBrandRandomNumber = static_cast<std::int16_t>(std::nearbyint(scaled));
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
        break;
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

void Application::showFrmMain() { frmMain().show(); }

void Application::showReferralWindow() {
    if (hasEnded) {
        return;
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
    FrmAbout about(*this);
    about.exec();
}

void Application::closeAllAndEnd() {
    hasEnded = true;
    // Close every window; a window that refuses or fails does not stop the walk.
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (window != nullptr) {
            window->close();
        }
    }
    QCoreApplication::exit(0);
}
