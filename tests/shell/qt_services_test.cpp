#include "qt_printers.h"
#include "shell/qt_services.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLockFile>
#include <QMessageBox>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include <ctime>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// ---- the other-copy test ---------------------------------------------------

TEST(LockFileInstanceGuard, TheFirstCopyRunsAndASecondIsRefusedWhileItLives) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kelvaro.lock"));
    {
        LockFileInstanceGuard first(path);
        EXPECT_FALSE(first.anotherCopyRunning());
        EXPECT_TRUE(QFile::exists(path));
        EXPECT_FALSE(first.anotherCopyRunning()); // asking again keeps the lock

        LockFileInstanceGuard second(path);
        EXPECT_TRUE(second.anotherCopyRunning());
        EXPECT_TRUE(QFile::exists(path)); // the running copy's lock is left alone
    }
    // The first copy has ended: the next one runs.
    LockFileInstanceGuard third(path);
    EXPECT_FALSE(third.anotherCopyRunning());
}

// A process number that no running process has.
qint64 deadProcessId() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(LockFileInstanceGuard, ALockLeftByAKilledCopyDoesNotStopTheProgram) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kelvaro.lock"));
    // A lock as a copy leaves it when it is killed: Qt's own lines, with the
    // number of a process that no longer runs.
    QByteArray contents;
    {
        QLockFile model(path);
        ASSERT_TRUE(model.tryLock(0));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        contents = file.readAll();
    }
    ASSERT_FALSE(QFile::exists(path));
    const qsizetype firstLineEnd = contents.indexOf('\n');
    ASSERT_GT(firstLineEnd, 0);
    contents.replace(0, firstLineEnd, QByteArray::number(deadProcessId()));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
    }

    LockFileInstanceGuard guard(path);
    EXPECT_FALSE(guard.anotherCopyRunning());

    // The lock is now this copy's.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readLine().trimmed(), QByteArray::number(QCoreApplication::applicationPid()));
    LockFileInstanceGuard another(path);
    EXPECT_TRUE(another.anotherCopyRunning());
}

TEST(LockFileInstanceGuard, ALockThatCannotBeMadeDoesNotStopTheProgram) {
    QTemporaryDir dir;
    LockFileInstanceGuard guard(dir.filePath(QStringLiteral("missing/folder/kelvaro.lock")));
    EXPECT_FALSE(guard.anotherCopyRunning());
}

// Makes the file or folder at path look seconds old.
void age(const QString& path, int seconds) {
    const timespec when{time(nullptr) - seconds, 0};
    const timespec times[2] = {when, when};
    ASSERT_EQ(utimensat(AT_FDCWD, path.toLocal8Bit().constData(), times, 0), 0);
}

TEST(LockFileInstanceGuard, ALockWhoseOwnerCannotBeReadIsStaleOnceItIsAFewSecondsOld) {
    struct Case {
        const char* what;
        std::function<void(const QString&)> make;
    };
    const Case cases[] = {
        {"empty", [](const QString& path) { ASSERT_TRUE(QFile(path).open(QIODevice::WriteOnly)); }},
        {"garbage",
         [](const QString& path) {
             QFile file(path);
             ASSERT_TRUE(file.open(QIODevice::WriteOnly));
             file.write("\x01\xff not a lock\n\n\n");
         }},
        {"a folder", [](const QString& path) { ASSERT_TRUE(QDir().mkdir(path)); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kelvaro.lock"));
        c.make(path);

        // Another copy may be writing it this very moment.
        LockFileInstanceGuard young(path);
        EXPECT_TRUE(young.anotherCopyRunning());

        age(path, kUnreadableLockGraceSeconds + 1);
        LockFileInstanceGuard guard(path);
        EXPECT_FALSE(guard.anotherCopyRunning());
        // The lock is this copy's now.
        LockFileInstanceGuard another(path);
        EXPECT_TRUE(another.anotherCopyRunning());
    }
}

// ---- settings --------------------------------------------------------------

TEST(QtSettingsStore, KeepsTextsWithEveryByteUnderSectionAndName) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    // A shifted name and value: characters from U+0080 to U+00FF.
    QString name;
    QString value;
    for (const char c : QByteArray("Duration")) {
        name += QChar(static_cast<char16_t>(c + 85));
    }
    for (const char c : QByteArray("2026-12-08 /.:")) {
        value += QChar(static_cast<char16_t>(c + 85));
    }
    {
        QtSettingsStore store(file);
        EXPECT_EQ(store.value(QStringLiteral("Settings"), name), QString());
        store.setValue(QStringLiteral("Settings"), name, value);
    }
    QtSettingsStore reopened(file);
    EXPECT_EQ(reopened.value(QStringLiteral("Settings"), name), value);
    EXPECT_EQ(reopened.value(QStringLiteral("Other"), name), QString());
}

// ---- web search and the random generator -----------------------------------

TEST(BrowserWebSearch, OpensOneSearchPageWithTheWholeQueryEncoded) {
    class Recorder : public Browser {
    public:
        void openUrl(const QUrl& url) override { urls.push_back(url); }
        std::vector<QUrl> urls;
    } browser;
    BrowserWebSearch search(browser);
    const QString query = QStringLiteral("S\u00e3o Paulo & Co #1 + 2=3 Latitude Longitude");

    search.search(query, QStringLiteral("https://example.org/"));

    ASSERT_EQ(browser.urls.size(), 1U);
    const QUrl& url = browser.urls[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("https"));
    EXPECT_EQ(url.query(QUrl::FullyEncoded),
              QStringLiteral("q=S%C3%A3o%20Paulo%20%26%20Co%20%231%20%2B%202%3D3%20Latitude%20"
                             "Longitude"));
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("q"), QUrl::FullyDecoded), query);
}

TEST(SeededRandom, DrawsStayInTheHalfOpenUnitInterval) {
    SeededRandom random;
    random.seedFromClock();
    float lowest = 1.0F;
    float highest = 0.0F;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.01F);
    EXPECT_GT(highest, 0.99F);
}

// ---- dialogs ---------------------------------------------------------------

// Runs the action on the modal window as soon as it is up. The timer keeps
// looking until the window's own event loop runs, so nothing waits on time.
void whenModalShown(const std::function<void(QWidget&)>& action) {
    auto* timer = new QTimer;
    timer->setInterval(0);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr) {
            return;
        }
        timer->stop();
        timer->deleteLater();
        action(*modal);
    });
    timer->start();
}

struct BoxCase {
    MessageIcon icon;
    QMessageBox::Icon expected;
};

class QtDialogsMessage : public testing::TestWithParam<BoxCase> {};

TEST_P(QtDialogsMessage, IsCaptionedKelvaroWithItsIconAndOneOkButton) {
    QtDialogs dialogs;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttons = 0;
    whenModalShown([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        caption = box.windowTitle();
        text = box.text();
        icon = box.icon();
        buttons = static_cast<int>(box.buttons().size());
        box.button(QMessageBox::Ok)->click();
    });

    dialogs.message(nullptr, QStringLiteral("Please Enter Name"), GetParam().icon);

    EXPECT_EQ(caption, QStringLiteral("Kelvaro"));
    EXPECT_EQ(text, QStringLiteral("Please Enter Name"));
    EXPECT_EQ(icon, GetParam().expected);
    EXPECT_EQ(buttons, 1);
}

INSTANTIATE_TEST_SUITE_P(Icons, QtDialogsMessage,
                         testing::Values(BoxCase{MessageIcon::Information,
                                                 QMessageBox::Information},
                                         BoxCase{MessageIcon::Critical, QMessageBox::Critical}));

class QtDialogsQuestion : public testing::TestWithParam<bool> {};

TEST_P(QtDialogsQuestion, AnswersWhatTheUserClicked) {
    QtDialogs dialogs;
    QString caption;
    whenModalShown([&](QWidget& w) {
        auto& box = dynamic_cast<QMessageBox&>(w);
        caption = box.windowTitle();
        box.button(GetParam() ? QMessageBox::Yes : QMessageBox::No)->click();
    });

    const bool yes = dialogs.askYesNo(nullptr, QStringLiteral("Check?"), MessageIcon::Information);

    EXPECT_EQ(yes, GetParam());
    EXPECT_EQ(caption, QStringLiteral("Kelvaro"));
}

INSTANTIATE_TEST_SUITE_P(Answers, QtDialogsQuestion, testing::Bool());

TEST(QtDialogs, SaveDialogCarriesTheSpecAndAddsTheDefaultSuffix) {
    QTemporaryDir dir;
    QtDialogs dialogs;
    const FileDialogSpec spec{QStringLiteral("Save Reading"),
                              QStringLiteral("Kelvaro (*.kvr)"),
                              QStringLiteral("kvr"),
                              true,
                              false,
                              QStringLiteral("Ram 2000-01-01.kvr")};
    QString title;
    QStringList filters;
    QString suffix;
    QString offered;
    bool confirmsOverwrite = false;
    whenModalShown([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        title = dialog.windowTitle();
        offered = dialog.selectedFiles().value(0);
        filters = dialog.nameFilters();
        suffix = dialog.defaultSuffix();
        confirmsOverwrite = !dialog.testOption(QFileDialog::DontConfirmOverwrite);
        dialog.selectFile(dir.filePath(QStringLiteral("ram")));
        static_cast<QDialog&>(dialog).accept(); // as the Save button does
    });

    const std::optional<QString> chosen = dialogs.saveFileName(nullptr, spec);

    EXPECT_EQ(title, spec.title);
    EXPECT_EQ(filters, QStringList{spec.filter});
    EXPECT_EQ(suffix, QStringLiteral("kvr"));
    EXPECT_TRUE(confirmsOverwrite);
    EXPECT_EQ(QFileInfo(offered).fileName(), spec.suggestedName);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(QDir::cleanPath(*chosen), QDir::cleanPath(dir.filePath(QStringLiteral("ram.kvr"))));
}

TEST(QtDialogs, CancellingTheOpenDialogGivesNothing) {
    QtDialogs dialogs;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Open Reading");
    spec.filter = QStringLiteral("Kelvaro (*.kvr)");
    spec.defaultSuffix = QStringLiteral("kvr");
    spec.fileMustExist = true;
    bool existingOnly = false;
    whenModalShown([&](QWidget& w) {
        auto& dialog = dynamic_cast<QFileDialog&>(w);
        existingOnly = dialog.fileMode() == QFileDialog::ExistingFile;
        dialog.reject();
    });

    EXPECT_FALSE(dialogs.openFileName(nullptr, spec).has_value());
    EXPECT_TRUE(existingOnly);
}

TEST(QtPrinting, ThePreviewShowsTheJobOnItsPaper) {
    QtPrinting printing;
    PrintJob job;
    job.title = QStringLiteral("Ram 2000-01-01");
    job.pageSize = QPageSize(QPageSize::Letter);
    int painted = 0;
    QPageSize paper;
    job.paint = [&](QPagedPaintDevice& device) {
        ++painted;
        paper = device.pageLayout().pageSize();
        QPainter painter(&device);
        painter.drawText(QPointF(100, 100), QStringLiteral("one page"));
        return 1;
    };
    QString title;
    whenModalShown([&](QWidget& w) {
        auto& preview = dynamic_cast<QPrintPreviewDialog&>(w);
        title = preview.windowTitle();
        preview.reject();
    });

    printing.printWithPreview(nullptr, job);

    EXPECT_GE(painted, 1);
    EXPECT_EQ(paper.id(), QPageSize::Letter);
    EXPECT_TRUE(title.contains(job.title));
}

} // namespace
