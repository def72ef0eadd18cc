#pragma once

#include "platform/app.h"
#include "translation/translator.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPointer>

class FrmDisplay;
class FrmMain;
class FrmReferral;
class QDialog;

// The application object: owns the program-wide state and the single instance
// of each window, and hands the windows the services.
class Application : public App {
    Q_DECLARE_TR_FUNCTIONS(Application)

public:
    explicit Application(const Services& services);
    ~Application() override;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    Application(Application&&) = delete;
    Application& operator=(Application&&) = delete;

    // Names the process, keeps it alive until CloseAllAndEnd and sets the
    // program's icon. Call once after the QApplication exists.
    static void configureQtApplication();

    // The start-up sequence. False when the program ended during it (another
    // copy was running); the caller then returns without an event loop.
    // The language comes from the remembered choice, else from the system's
    // locale.
    bool start(const QLocale& systemLocale = QLocale::system());
    // The language at start-up: the remembered choice, else the locale's.
    void startLanguage(const QLocale& systemLocale);
    // Chooses which of frmMain's two banners is in front.
    void CoBrand_Randomize();
    // True once CloseAllAndEnd has run.
    bool ended() const { return hasEnded; }

    Services& services() override { return svc; }
    ProgramState& state() override { return programState; }
    void showReading(const Reading& reading) override;
    void showBirthDataWindow() override;
    void showReferralWindow() override;
    void hideReferralWindow() override;
    void showAboutWindow() override;
    void closeAllAndEnd() override;
    Language language() const override { return languageSwitch.current(); }
    void setLanguage(Language language) override;

    // The two main windows, loaded (not shown) if they were not.
    FrmMain& frmMain();
    FrmDisplay& frmDisplay();

    // The loaded windows, or null; for the shell and its tests.
    FrmMain* loadedFrmMain() const;
    FrmDisplay* loadedFrmDisplay() const;
    FrmReferral* loadedReferralWindow() const;

protected:
    // Shows a modal window and returns when it has closed.
    virtual void runModal(QDialog& dialog);
    // Ends the event loop; the process ends when main returns.
    virtual void endProgram();

private:
    Services svc;
    ProgramState programState;
    QPointer<FrmMain> mainWindow;
    QPointer<FrmDisplay> displayWindow;
    QPointer<FrmReferral> referralWindow;
    LanguageSwitch languageSwitch;
    bool hasEnded = false;
    bool closingAll = false;
};
