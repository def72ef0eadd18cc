#pragma once

#include "platform/services.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

#include <deque>
#include <functional>
#include <map>
#include <vector>

// Fakes of the services: they record what was asked and answer from a script.

struct ShownMessage {
    QString text;
    MessageIcon icon;
    bool yesNo; // a Yes/No question rather than an OK message
};

class FakeDialogs : public Dialogs {
public:
    void message(QWidget* parent, const QString& text, MessageIcon icon) override;
    bool askYesNo(QWidget* parent, const QString& text, MessageIcon icon) override;
    // Recorded as a message with the choices after the text, one a line.
    std::optional<int> askChoice(QWidget* parent, const QString& text,
                                 const QStringList& choices) override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) override;

    std::vector<ShownMessage> messages;
    std::deque<bool> yesNoAnswers;                  // empty: No
    std::deque<std::optional<int>> choiceAnswers;   // empty: cancelled
    std::deque<std::optional<QString>> fileAnswers; // empty: cancelled
    std::vector<FileDialogSpec> fileDialogs;        // the dialogs shown, in order
    // Called while a message box would be shown, e.g. to check the focus.
    std::function<void(const ShownMessage&)> onMessage;
};

class FakeBrowser : public Browser {
public:
    void openUrl(const QUrl& url) override { urls.push_back(url); }
    std::vector<QUrl> urls;
};

class FakeWebSearch : public WebSearch {
public:
    void search(const QString& query, const QString& baseAddress) override {
        searches.push_back({query, baseAddress});
    }
    std::vector<std::pair<QString, QString>> searches;
};

class FakeClock : public Clock {
public:
    QDate today() const override { return date; }
    QDate date{2026, 12, 8};
};

class FakeRandom : public RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    float next() override;
    std::deque<float> draws; // empty: 0
    int seeds = 0;
};

// The settings store kept in memory, as the program's own store keeps it.
class FakeSettings : public SettingsStore {
public:
    QString value(const QString& section, const QString& name) const override;
    void setValue(const QString& section, const QString& name, const QString& text) override;
    std::map<QString, QString> values; // "section/name" -> text
    int writes = 0;
};

// Records each print job and paints it into a PDF in memory, as a printer
// would, counting its pages; nothing is shown.
struct PrintedJob {
    QString title;
    QPageSize pageSize;
    int pages = 0;
    QByteArray pdf;
};

class FakePrinting : public Printing {
public:
    void printWithPreview(QWidget* parent, const PrintJob& job) override;
    std::vector<PrintedJob> jobs;
};

class FakeInstance : public InstanceGuard {
public:
    bool anotherCopyRunning() override { return running; }
    bool running = false;
};

// Every fake in one place, and the Services bundle over them.
struct FakeServices {
    FakeDialogs dialogs;
    FakeBrowser browser;
    FakeWebSearch webSearch;
    FakeClock clock;
    FakeRandom random;
    FakeSettings settings;
    FakeInstance instance;
    FakePrinting printing;

    Services services() {
        return Services{dialogs, browser, webSearch, clock, random, settings, instance, printing};
    }
    // The texts of the messages shown so far.
    QStringList messageTexts() const;
};
