#pragma once

#include <QDate>
#include <QPageSize>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

// What the windows may ask of the world. Everything that leaves the process or
// blocks on the user goes through one of these; tests hand in fakes.

enum class MessageIcon { Information, Critical };

// A file dialog's set-up. The filter is in Qt's form ("Kelvaro (*.kvr)").
struct FileDialogSpec {
    QString title;
    QString filter;
    QString defaultSuffix;
    bool confirmOverwrite = false; // save: ask before replacing a file
    bool fileMustExist = false;    // open: only existing files
    QString suggestedName;         // save: the file name offered at first
};

// Message boxes (caption "Kelvaro", OK button) and the Yes/No question.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // Yes/No buttons; true for Yes.
    virtual bool askYesNo(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    // A question with a button for each choice and Cancel: the index of the
    // choice, or nothing when the user cancelled.
    virtual std::optional<int> askChoice(QWidget* parent, const QString& text,
                                         const QStringList& choices) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<QString> saveFileName(QWidget* parent, const FileDialogSpec& spec) = 0;
    virtual std::optional<QString> openFileName(QWidget* parent, const FileDialogSpec& spec) = 0;
};

// The default browser. Failures are not reported.
class Browser {
public:
    virtual ~Browser() = default;
    virtual void openUrl(const QUrl& url) = 0;
};

// The place lookup's outside search: a query and a base web address.
class WebSearch {
public:
    virtual ~WebSearch() = default;
    virtual void search(const QString& query, const QString& baseAddress) = 0;
};

// A document to print: its name for the printer, the paper it begins on and
// how it paints itself onto a page device (returning its number of pages).
struct PrintJob {
    QString title;
    QPageSize pageSize;
    std::function<int(QPagedPaintDevice&)> paint;
};

// Printing: a print preview whose Print button leads to the system's print
// dialog. Returns when the preview has closed.
class Printing {
public:
    virtual ~Printing() = default;
    virtual void printWithPreview(QWidget* parent, const PrintJob& job) = 0;
};

// The system date.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDate today() const = 0;
};

// The program-wide random generator: single-precision values in [0, 1).
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    virtual float next() = 0;
};

// The per-user settings store under the program's name. An absent value reads
// as the empty text.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString value(const QString& section, const QString& name) const = 0;
    virtual void setValue(const QString& section, const QString& name, const QString& text) = 0;
};

// Whether another copy of the program is running.
class InstanceGuard {
public:
    virtual ~InstanceGuard() = default;
    virtual bool anotherCopyRunning() = 0;
};

// The bundle the application object hands to the windows.
struct Services {
    Dialogs& dialogs;
    Browser& browser;
    WebSearch& webSearch;
    Clock& clock;
    RandomSource& random;
    SettingsStore& settings;
    InstanceGuard& instance;
    Printing& printing;
};
