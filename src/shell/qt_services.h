#pragma once

#include "platform/services.h"

#include <QLockFile>
#include <QString>

#include <memory>
#include <random>
#include <utility>

class QPrinter;
class QPrintPreviewDialog;

// The production services: thin wrappers over Qt and the system.

// Message boxes captioned "Kelvaro" and the common file dialogs.
class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, MessageIcon icon) override;
    std::optional<int> askChoice(QWidget* parent, const QString& text,
                                 const QStringList& choices) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) override;
};

// The user's default browser; it reports nothing when no browser starts.
class DesktopBrowser : public Browser {
public:
    void openUrl(const QUrl& url) override;
};

// Shows web search results for the query in the default browser.
class BrowserWebSearch : public WebSearch {
public:
    explicit BrowserWebSearch(Browser& browser) : browser(browser) {}
    void search(const QString& query, const QString& baseAddress) override;

    // The search page for a query, the query fully percent-encoded.
    static QUrl searchUrl(const QString& query);

private:
    Browser& browser;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
};

// A Mersenne Twister seeded from the clock, giving the 2^24 single-precision
// values k / 2^24 of [0, 1) with equal chance.
class SeededRandom : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 generator{0U};
};

// QSettings under the program's name, or on the given INI file.
class QtSettingsStore : public SettingsStore {
public:
    QtSettingsStore() = default;
    explicit QtSettingsStore(QString iniFile) : iniFile(std::move(iniFile)) {}
    QString value(const QString& section, const QString& name) const override;
    void setValue(const QString& section, const QString& name, const QString& text) override;

private:
    QString iniFile; // empty: the user's store
};

// A lock file in the user's runtime folder (or at the given path), held for
// the program's life. A lock left behind by a copy that was killed is taken
// over; a lock held by a running copy never is. A lock whose owner cannot be
// read (empty, garbage, a folder) counts as another copy only while it is
// younger than kUnreadableLockGraceSeconds: that copy may still be writing it.
inline constexpr int kUnreadableLockGraceSeconds = 5;
class LockFileInstanceGuard : public InstanceGuard {
public:
    LockFileInstanceGuard() = default;
    explicit LockFileInstanceGuard(QString lockPath) : lockPath(std::move(lockPath)) {}
    bool anotherCopyRunning() override;

    // The lock used when no path is given.
    static QString defaultLockPath();

private:
    QString lockPath;
    std::unique_ptr<QLockFile> lock;
};

// The print preview of Qt's print support; its Print button opens the
// system's print dialog.
class QtPrinting : public Printing {
public:
    void printWithPreview(QWidget* parent, const PrintJob& job) override;

    // The preview of the job on the printer, not yet shown; the benchmark
    // opens it without waiting for the user.
    static std::unique_ptr<QPrintPreviewDialog> preview(QPrinter& printer, QWidget* parent,
                                                        const PrintJob& job);
    // A printer set up for the job: high resolution, its paper and margins.
    static void setUp(QPrinter& printer, const PrintJob& job);
};

// Where the production services keep their files; empty: the user's own.
struct ServiceFiles {
    QString settingsFile; // an INI file instead of the user's settings store
    QString lockPath;     // a lock file instead of the one in the runtime folder
};

// Every production service, bundled for the application object. The start-up
// benchmark points the files elsewhere.
struct ProductionServices {
    explicit ProductionServices(const ServiceFiles& files = {});

    QtDialogs dialogs;
    DesktopBrowser browser;
    BrowserWebSearch webSearch{browser};
    SystemClock clock;
    SeededRandom random;
    QtSettingsStore settings;
    LockFileInstanceGuard instance;
    QtPrinting printing;

    Services services() {
        return Services{dialogs, browser, webSearch, clock, random, settings, instance, printing};
    }
};
