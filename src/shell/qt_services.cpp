#include "shell/qt_services.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>

#include <chrono>
#include <cstdint>
#include <utility>

namespace {

const QString kCaption = QStringLiteral("Kelvaro");

// The search page the place lookup opens; the query goes in its "q" field.
constexpr const char* kSearchPage = "https://www.google.com/search";

QMessageBox::Icon boxIcon(MessageIcon icon) {
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

QString settingsKey(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

std::optional<QString> runFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

// Qt ships no catalogue of its own for every language Kelvaro speaks: the
// buttons are named here, in the language in use (English as Qt names them).
void nameButtons(QMessageBox& box) {
    const std::pair<QMessageBox::StandardButton, const char*> names[] = {
        {QMessageBox::Ok, QT_TRANSLATE_NOOP("Dialogs", "OK")},
        {QMessageBox::Yes, QT_TRANSLATE_NOOP("Dialogs", "&Yes")},
        {QMessageBox::No, QT_TRANSLATE_NOOP("Dialogs", "&No")},
        {QMessageBox::Cancel, QT_TRANSLATE_NOOP("Dialogs", "Cancel")},
    };
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button)) {
            shown->setText(QCoreApplication::translate("Dialogs", name));
        }
    }
}

} // namespace

void QtDialogs::message(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), kCaption, text, QMessageBox::Ok, parent);
    nameButtons(box);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), kCaption, text, QMessageBox::Yes | QMessageBox::No, parent);
    nameButtons(box);
    return box.exec() == QMessageBox::Yes;
}

std::optional<int> QtDialogs::askChoice(QWidget* parent, const QString& text,
                                        const QStringList& choices) {
    QMessageBox box(QMessageBox::Question, kCaption, text, QMessageBox::Cancel, parent);
    nameButtons(box);
    QList<QAbstractButton*> buttons;
    for (const QString& choice : choices) {
        buttons.append(box.addButton(choice, QMessageBox::AcceptRole));
    }
    box.exec();
    const auto chosen = buttons.indexOf(box.clickedButton());
    return chosen >= 0 ? std::optional<int>(static_cast<int>(chosen)) : std::nullopt;
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, QString(), spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    if (!spec.suggestedName.isEmpty()) {
        dialog.selectFile(spec.suggestedName);
    }
    return runFileDialog(dialog);
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, QString(), spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    return runFileDialog(dialog);
}

void QtPrinting::setUp(QPrinter& printer, const PrintJob& job) {
    constexpr qreal kMarginMillimetres = 15;
    printer.setDocName(job.title);
    printer.setPageLayout(QPageLayout(
        job.pageSize, QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
}

std::unique_ptr<QPrintPreviewDialog> QtPrinting::preview(QPrinter& printer, QWidget* parent,
                                                         const PrintJob& job) {
    auto dialog = std::make_unique<QPrintPreviewDialog>(&printer, parent);
    dialog->setWindowTitle(QStringLiteral("Kelvaro - %1").arg(job.title));
    QObject::connect(dialog.get(), &QPrintPreviewDialog::paintRequested, dialog.get(),
                     [paint = job.paint](QPrinter* target) { paint(*target); });
    return dialog;
}

void QtPrinting::printWithPreview(QWidget* parent, const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer, job);
    preview(printer, parent, job)->exec();
}

void DesktopBrowser::openUrl(const QUrl& url) {
    // The result is ignored: nothing is reported when no browser starts.
    QDesktopServices::openUrl(url);
}

QUrl BrowserWebSearch::searchUrl(const QString& query) {
    // Every character outside the unreserved set is percent-encoded, so "&",
    // "+", "#" and non-Latin letters stay inside the query.
    QUrl url(QString::fromLatin1(kSearchPage));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(query)),
                 QUrl::StrictMode);
    return url;
}

void BrowserWebSearch::search(const QString& query, const QString& /*baseAddress*/) {
    browser.openUrl(searchUrl(query));
}

QDate SystemClock::today() const {
    return QDate::currentDate();
}

void SeededRandom::seedFromClock() {
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto bits = static_cast<std::uint64_t>(ticks);
    std::seed_seq seed{static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32U)};
    generator.seed(seed);
}

float SeededRandom::next() {
    // The top 24 bits give k / 2^24 exactly in single precision, never 1.
    constexpr float kScale = 1.0F / 16777216.0F;
    return static_cast<float>(generator() >> 8U) * kScale;
}

QString QtSettingsStore::value(const QString& section, const QString& name) const {
    if (iniFile.isEmpty()) {
        const QSettings settings(QStringLiteral("Kelvaro"), QStringLiteral("Kelvaro"));
        return settings.value(settingsKey(section, name)).toString();
    }
    const QSettings settings(iniFile, QSettings::IniFormat);
    return settings.value(settingsKey(section, name)).toString();
}

void QtSettingsStore::setValue(const QString& section, const QString& name, const QString& text) {
    if (iniFile.isEmpty()) {
        QSettings settings(QStringLiteral("Kelvaro"), QStringLiteral("Kelvaro"));
        settings.setValue(settingsKey(section, name), text);
        return;
    }
    QSettings settings(iniFile, QSettings::IniFormat);
    settings.setValue(settingsKey(section, name), text);
}

QString LockFileInstanceGuard::defaultLockPath() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        // No per-user runtime folder: a per-user name in the shared temporary one.
        const QString user = qEnvironmentVariable("USER", QStringLiteral("user"));
        return QDir::tempPath() + QStringLiteral("/kelvaro-") + user + QStringLiteral(".lock");
    }
    return folder + QStringLiteral("/kelvaro.lock");
}

bool LockFileInstanceGuard::anotherCopyRunning() {
    if (lock != nullptr && lock->isLocked()) {
        return false; // this copy holds the lock already
    }
    lock = std::make_unique<QLockFile>(lockPath.isEmpty() ? defaultLockPath() : lockPath);
    // Held for the program's life: never stale by age. A lock whose process is
    // gone (or whose number now belongs to another program) is stale, and
    // tryLock takes it over by itself.
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return false;
    }
    // Only a running holder means another copy. A lock that cannot be made at
    // all (no permission, a full disk) must not keep the program from starting.
    if (lock->error() != QLockFile::LockFailedError) {
        return false;
    }
    qint64 pid = 0;
    QString hostName;
    QString appName;
    if (lock->getLockInfo(&pid, &hostName, &appName)) {
        return true; // a running copy holds it
    }
    // A lock whose owner cannot be read (empty, garbage, a folder) is never
    // taken over by Qt. A copy that is starting may be writing it this very
    // moment, so a young one still counts; an older one is left over.
    const QString path = lockPath.isEmpty() ? defaultLockPath() : lockPath;
    const QFileInfo info(path);
    const qint64 age = info.lastModified().secsTo(QDateTime::currentDateTimeUtc());
    if (age >= 0 && age < kUnreadableLockGraceSeconds) {
        return true;
    }
    if (info.isDir() && !info.isSymLink()) {
        QDir().rmdir(path); // only an empty folder; a user's files stay
    } else {
        QFile::remove(path);
    }
    if (lock->tryLock(0)) {
        return false;
    }
    // Still no lock (a folder with files in it): start without one rather
    // than never.
    return lock->error() == QLockFile::LockFailedError &&
           lock->getLockInfo(&pid, &hostName, &appName);
}

ProductionServices::ProductionServices(const ServiceFiles& files)
    : settings(files.settingsFile), instance(files.lockPath) {}
