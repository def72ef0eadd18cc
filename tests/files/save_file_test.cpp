#include "files/save_file.h"
#include "reading_test_support.h"
#include "support/device_and_pipe_files.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <utility>

namespace {

const QByteArray kBytes = QByteArray("new contents\n").repeated(1000);

// What a save did with what stood at a path.
struct SaveCase {
    const char* what;
    std::function<QString(const QTemporaryDir&)> make; // the path, or empty to skip
    const char* error;                                 // empty when saved
    mode_t kindAfter;                                  // what stands there afterwards
    QByteArray contentsAfter;                          // for a file, after the save
};

TEST(SaveFileBytes, TakesWhatStandsAtThePathIntoAccount) {
    const auto file = [](const QTemporaryDir& dir) {
        const QString path = dir.filePath(QStringLiteral("old"));
        return put(path, "old") ? path : QString();
    };
    const SaveCase cases[] = {
        {"a new name", [](const QTemporaryDir& dir) { return dir.filePath(QStringLiteral("new")); },
         "", S_IFREG, kBytes},
        {"a file", file, "", S_IFREG, kBytes},
        {"a link to a file, which stays a link",
         [&](const QTemporaryDir& dir) {
             const QString link = dir.filePath(QStringLiteral("link"));
             return QFile::link(file(dir), link) ? link : QString();
         },
         "", S_IFLNK, kBytes},
        {"a folder",
         [](const QTemporaryDir& dir) { return dir.path(); },
         "It is a folder, not a file.",
         S_IFDIR,
         {}},
        {"a socket",
         [](const QTemporaryDir& dir) {
             const QString path = dir.filePath(QStringLiteral("socket"));
             return makeSocket(path) ? path : QString();
         },
         "It is a socket, not a file.",
         S_IFSOCK,
         {}},
        {"a file where a folder should be",
         [&](const QTemporaryDir& dir) { return file(dir) + QStringLiteral("/new"); },
         "Not a directory",
         0,
         {}},
    };
    for (const SaveCase& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString path = c.make(dir);
        ASSERT_FALSE(path.isEmpty()) << "cannot be made here";

        const QString error = SaveFileBytes(path, kBytes);

        EXPECT_EQ(error, QString::fromUtf8(c.error));
        EXPECT_EQ(modeAt(path) & S_IFMT, c.kindAfter);
        if (!c.contentsAfter.isEmpty()) {
            EXPECT_EQ(contents(path), c.contentsAfter);
        }
    }
}

// Devices are written into, never replaced: the null device takes all, a full
// one says why not.
TEST(SaveFileBytes, WritesIntoACharacterDevice) {
    const std::pair<const char*, const char*> cases[] = {
        {"/dev/null", ""},
        {"/dev/full", "No space left on device"},
    };
    for (const auto& [device, error] : cases) {
        SCOPED_TRACE(device);
        QTemporaryDir dir;
        const QString path = characterDeviceLike(dir, device);
        if (path.isEmpty()) {
            GTEST_SKIP() << device << " is absent";
        }

        EXPECT_EQ(SaveFileBytes(path, kBytes), QString::fromUtf8(error));
        EXPECT_TRUE(S_ISCHR(modeAt(path)));
    }
}

TEST(SaveFileBytes, WritesIntoAPipeWithoutReplacingIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fifo"));
    FifoReader reader(path);
    ASSERT_TRUE(reader.ready());
    const QByteArray large = kBytes.repeated(20); // more than a pipe holds at once

    const QString error = SaveFileBytes(path, large);

    EXPECT_EQ(error, QString());
    EXPECT_EQ(reader.finish(), large);
    EXPECT_TRUE(S_ISFIFO(modeAt(path)));
}

TEST(SaveFileBytes, APipeWhoseReaderLeavesIsAFailedSaveNotTheEnd) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("fifo"));
    FifoReader reader(path, true);
    ASSERT_TRUE(reader.ready());

    // Without care, the SIGPIPE of the write would end this test program.
    const QString error = SaveFileBytes(path, kBytes.repeated(20));

    EXPECT_EQ(error, QStringLiteral("Broken pipe"));
    EXPECT_EQ(reader.finish().size(), 1);
    EXPECT_TRUE(S_ISFIFO(modeAt(path)));
}

} // namespace
