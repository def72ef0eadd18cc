#include "shell/qt_services.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString kCaption = QStringLiteral("Kelvaro");

QMessageBox::Icon boxIcon(MessageIcon icon) {
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

QString settingsKey(const QString& section, const QString& name) {
    return section + QLatin1Char('/') + name;
}

} // namespace

void QtDialogs::message(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), kCaption, text, QMessageBox::Ok, parent);
    box.exec();
}

bool QtDialogs::askYesNo(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(boxIcon(icon), kCaption, text, QMessageBox::Yes | QMessageBox::No, parent);
    return box.exec() == QMessageBox::Yes;
}

std::optional<QString> QtDialogs::saveFileName(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, QString(), spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !spec.confirmOverwrite);
    dialog.setOption(QFileDialog::ReadOnly, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::openFileName(QWidget* parent, const FileDialogSpec& spec) {
    QFileDialog dialog(parent, spec.title, QString(), spec.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(spec.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(spec.defaultSuffix);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

void DesktopBrowser::openUrl(const QUrl& url) { QDesktopServices::openUrl(url); }

void BrowserWebSearch::search(const QString& query, const QString& /*baseAddress*/) {
    QUrl url(QStringLiteral("https://www.google.com/search"));
    url.setQuery(QStringLiteral("q=") + QString::fromLatin1(QUrl::toPercentEncoding(query)),
                 QUrl::StrictMode);
    browser.openUrl(url);
}

QDate SystemClock::today() const { return QDate::currentDate(); }

void SeededRandom::seedFromClock() {
    generator.seed(static_cast<std::mt19937::result_type>(QDateTime::currentMSecsSinceEpoch()));
}

float SeededRandom::next() {
    std::uniform_real_distribution<float> uniform(0.0F, 1.0F);
    float r = uniform(generator);
    // Guard against the distribution's rare rounding up to 1 in single precision.
    return r < 1.0F ? r : 0.0F;
}

QString QtSettingsStore::value(const QString& section, const QString& name) const {
    QSettings settings(QStringLiteral("Kelvaro"), QStringLiteral("Kelvaro"));
    return settings.value(settingsKey(section, name)).toString();
}

void QtSettingsStore::setValue(const QString& section, const QString& name, const QString& text) {
    QSettings settings(QStringLiteral("Kelvaro"), QStringLiteral("Kelvaro"));
    settings.setValue(settingsKey(section, name), text);
}

bool LockFileInstanceGuard::anotherCopyRunning() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
    }
    lock = std::make_unique<QLockFile>(folder + QStringLiteral("/kelvaro.lock"));
    lock->setStaleLockTime(0);
    if (lock->tryLock(0)) {
        return false;
    }
    // A lock whose owner is gone is stale: take it over.
    if (lock->error() == QLockFile::LockFailedError && lock->removeStaleLockFile() &&
        lock->tryLock(0)) {
        return false;
    }
    return lock->error() == QLockFile::LockFailedError;
}
