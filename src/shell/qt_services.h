#pragma once

#include "shell/services.h"

#include <QLockFile>

#include <memory>
#include <random>

// The production services: thin wrappers over Qt and the system.

class QtDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, MessageIcon icon) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) override;
};

class DesktopBrowser : public Browser {
public:
    void openUrl(const QUrl& url) override;
};

// Shows web search results for the query in the default browser.
class BrowserWebSearch : public WebSearch {
public:
    explicit BrowserWebSearch(Browser& browser) : browser(browser) {}
    void search(const QString& query, const QString& baseAddress) override;

private:
    Browser& browser;
};

class SystemClock : public Clock {
public:
    QDate today() const override;
};

class SeededRandom : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 generator{0U};
};

// QSettings under the program's name.
class QtSettingsStore : public SettingsStore {
public:
    QString value(const QString& section, const QString& name) const override;
    void setValue(const QString& section, const QString& name, const QString& text) override;
};

// A lock file in the user's runtime folder, held for the program's life. A
// lock left behind by a killed copy is taken over.
class LockFileInstanceGuard : public InstanceGuard {
public:
    bool anotherCopyRunning() override;

private:
    std::unique_ptr<QLockFile> lock;
};
