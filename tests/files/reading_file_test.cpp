#include "files/reading_file.h"
#include "reading_test_support.h"
#include "support/device_and_pipe_files.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

const std::vector<std::string> kRamLines = {
    "RAM KUMAR", "8",  "15", "1947", "23",    "59",    "5",         "30", "77",
    "12",        "28", "36", "True", "False", "False", "New Delhi", "",   "India"};

BirthRecord ramRecord() {
    BirthRecord r;
    r.Name = "  RAM KUMAR  ";
    r.Month = 8;
    r.Day = 15;
    r.Year = 1947;
    r.Hour = 23;
    r.Minute = 59;
    r.ZoneHour = 5;
    r.ZoneMinute = 30;
    r.LonD = 77;
    r.LonM = 12;
    r.LatD = 28;
    r.LatM = 36;
    r.LonEast = true;
    r.LatSouth = false;
    r.DST = false;
    r.City = "New Delhi ";
    r.State = "";
    r.Country = " India";
    return r;
}

ReadingReadResult readBytes(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadReadingFrom(buffer);
}

TEST(ReadingFile, WritesTheRecordByteForByte) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ram.kvr"));

    const ReadingSaveResult saved = WriteReadingFile(path, ramRecord());

    ASSERT_TRUE(saved.saved) << saved.error.toStdString();
    EXPECT_TRUE(saved.leftOut.empty());
    const QByteArray bytes = contents(path);
    EXPECT_EQ(bytes, fileOf(kRamLines));
    // East, North and no daylight saving are stored as True, False, False.
    const QList<QByteArray> lines = bytes.split('\n');
    ASSERT_EQ(lines.size(), 19); // 18 lines and what follows the last end
    EXPECT_EQ(lines[12].toHex(), "a9c7caba0d");
    EXPECT_EQ(lines[13].toHex(), "9bb6c1c8ba0d");
    EXPECT_EQ(lines[14].toHex(), "9bb6c1c8ba0d");
    EXPECT_EQ(lines[16], "\r"); // the empty state
    EXPECT_TRUE(lines[18].isEmpty());
}

TEST(ReadingFile, EveryFieldComesBack) {
    BirthRecord west = ramRecord();
    west.Name = "\tJORGE \xE2\x82\xAC"; // a tab is not a blank
    west.Month = 12;
    west.Day = 31;
    west.ZoneHour = 14;
    west.ZoneMinute = 59;
    west.LonEast = false;
    west.LatSouth = true;
    west.DST = true;
    west.City = "\xC5\xA0iauliai";
    west.State = "  ";
    west.Country = "Lietuva";

    for (const BirthRecord& record : {ramRecord(), west}) {
        SCOPED_TRACE(record.Name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.kvr"));
        ASSERT_TRUE(WriteReadingFile(path, record).saved);

        const ReadingFileEntry file = ReadReadingFileEntry(path);
        ASSERT_TRUE(file.entry) << file.message.toStdString();
        const CheckedBirth back = CheckBirth(*file.entry, NameRule::Required);
        ASSERT_TRUE(back.record) << back.problem->message.toStdString();
        BirthRecord expected = record; // with the blanks around the texts trimmed
        const BirthTexts texts = BirthTextsOf(record);
        expected.Name = texts[0].toStdString();
        expected.City = texts[15].toStdString();
        expected.State = texts[16].toStdString();
        expected.Country = texts[17].toStdString();
        EXPECT_EQ(*back.record, expected);
    }
}

TEST(ReadingFile, NeverWritesAFileThatWouldNotOpenAgain) {
    BirthRecord noName = ramRecord();
    noName.Name = "\xC3\xA9\xC3\xA9"; // both characters are left out of the file
    BirthRecord tooFarEast = ramRecord();
    tooFarEast.ZoneHour = 15;
    BirthRecord noMonth = ramRecord();
    noMonth.Month = 0;
    BirthRecord longCity = ramRecord();
    longCity.City = std::string(kMaxNameLength + 1, 'A');
    BirthRecord markedName = ramRecord();
    markedName.Name = "\xC5\xA1"
                      "fjRAM"; // stored as the bytes of a byte-order mark
    for (const BirthRecord& record : {noName, tooFarEast, noMonth, longCity, markedName}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.kvr"));
        ASSERT_TRUE(put(path, "kept"));

        const ReadingSaveResult saved = WriteReadingFile(path, record);

        EXPECT_FALSE(saved.saved);
        EXPECT_TRUE(saved.error.startsWith(QStringLiteral("The reading would not open again: ")))
            << saved.error.toStdString();
        EXPECT_EQ(contents(path), "kept");
    }
}

TEST(ReadingFile, SavingOverAFileReplacesAllOfIt) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.kvr"));
    ASSERT_TRUE(put(path, QByteArray(10000, 'x')));

    ASSERT_TRUE(WriteReadingFile(path, ramRecord()).saved);

    EXPECT_EQ(contents(path), fileOf(kRamLines));
}

struct ReadCase {
    const char* what;
    QByteArray bytes;
    const char* name;    // the first text, when read
    const char* country; // the last text, when read
    const char* error;   // empty when the file reads
};

TEST(ReadingFile, ReadsFilesBuiltByteByByte) {
    std::vector<std::string> seventeen = kRamLines;
    seventeen.pop_back();
    std::vector<std::string> longer = kRamLines;
    longer.insert(longer.end(), {"extra", "lines"});
    QByteArray withJunk = fileOf(kRamLines) + QByteArray("\x00\xff\r\r\n", 5) + QByteArray(50, 'A');
    QByteArray lowBytes = fileOf(kRamLines);
    lowBytes.insert(0, QByteArray("\x01\x20\x54", 3)); // below 85: not part of any text

    const ReadCase cases[] = {
        {"CR LF", fileOf(kRamLines), "RAM KUMAR", "India", ""},
        {"LF only", fileOf(kRamLines, "\n"), "RAM KUMAR", "India", ""},
        {"CR only", fileOf(kRamLines, "\r"), "RAM KUMAR", "India", ""},
        {"no end after the last line", fileOf(kRamLines).chopped(2), "RAM KUMAR", "India", ""},
        {"lines after the 18th", fileOf(longer), "RAM KUMAR", "India", ""},
        {"junk after the 18th", withJunk, "RAM KUMAR", "India", ""},
        {"bytes below 85", lowBytes, "RAM KUMAR", "India", ""},
        {"17 lines", fileOf(seventeen), "", "",
         "The file holds only 17 of the 18 lines of a reading."},
        {"17 lines, CR LF CR LF at the end", fileOf(seventeen) + "\r\n", "RAM KUMAR", "", ""},
        {"one line", shifted("RAM"), "", "", "The file holds only 1 of the 18 lines of a reading."},
        {"empty", QByteArray(), "", "", "The file is empty."},
        {"a byte-order mark first", "\xEF\xBB\xBF" + fileOf(kRamLines), "RAM KUMAR", "India", ""},
        {"a byte-order mark alone", "\xEF\xBB\xBF", "", "", "The file is empty."},
        {"a byte-order mark twice", "\xEF\xBB\xBF\xEF\xBB\xBF" + fileOf(kRamLines),
         "\u0161fjRAM KUMAR", "India", ""},
        {"a line over 4 KiB", shifted(std::string(4097, '0')) + "\r\n" + fileOf(kRamLines), "", "",
         "Line 1 is longer than 4096 bytes."},
        {"only line ends", QByteArray("\r\n").repeated(17), "", "",
         "The file holds only 17 of the 18 lines of a reading."},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(c.what);
        const ReadingReadResult read = readBytes(c.bytes);
        EXPECT_EQ(read.error, QString::fromUtf8(c.error));
        EXPECT_EQ(read.texts.has_value(), *c.error == '\0');
        if (read.texts) {
            EXPECT_EQ(read.texts->front(), QString::fromUtf8(c.name));
            EXPECT_EQ(read.texts->back(), QString::fromUtf8(c.country));
            EXPECT_EQ((*read.texts)[12], QStringLiteral("True"));
        }
    }
}

// The zone's direction and zone id are lines 19 and 20, written only when
// one of them is set; a file without them is the 18 lines of old.
TEST(ReadingFile, TheZoneLinesFollowTheEighteen) {
    struct ZoneCase {
        const char* what;
        std::optional<bool> ahead;
        const char* zone;
        std::vector<std::string> extra; // the lines after the 18th
    };
    const ZoneCase cases[] = {
        {"neither", std::nullopt, "", {}},
        {"behind, with a zone", false, "Europe/Madrid", {"Behind", "Europe/Madrid"}},
        {"ahead, no zone", true, "", {"Ahead", ""}},
        {"a zone, the longitude's direction", std::nullopt, "Asia/Kolkata", {"", "Asia/Kolkata"}},
    };
    for (const ZoneCase& c : cases) {
        SCOPED_TRACE(c.what);
        BirthRecord record = ramRecord();
        record.ZoneAhead = c.ahead;
        record.TimeZone = c.zone;
        std::vector<std::string> lines = kRamLines;
        lines.insert(lines.end(), c.extra.begin(), c.extra.end());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("zone.kvr"));

        ASSERT_TRUE(WriteReadingFile(path, record).saved);

        EXPECT_EQ(contents(path), fileOf(lines));
        const ReadingFileEntry file = ReadReadingFileEntry(path);
        ASSERT_TRUE(file.entry) << file.message.toStdString();
        EXPECT_EQ(file.entry->ZoneAhead, c.ahead);
        EXPECT_EQ(file.entry->TimeZone, QString::fromUtf8(c.zone));
    }
    // Lines after the 20th are not read.
    std::vector<std::string> longer = kRamLines;
    longer.insert(longer.end(), {"behind", "Pacific/Apia", "later", "lines"});
    const ReadingReadResult read = readBytes(fileOf(longer));
    ASSERT_TRUE(read.texts);
    EXPECT_EQ(read.zone, (ZoneTexts{QStringLiteral("behind"), QStringLiteral("Pacific/Apia")}));
}

TEST(ReadingFile, ALineOfExactly4KiBIsKeptWhole) {
    std::vector<std::string> lines = kRamLines;
    lines[15] = std::string(4096, 'C');

    const ReadingReadResult read = readBytes(fileOf(lines));

    ASSERT_TRUE(read.texts) << read.error.toStdString();
    EXPECT_EQ((*read.texts)[15], QString(4096, QLatin1Char('C')));
    EXPECT_EQ((*read.texts)[17], QStringLiteral("India"));
}

// A device with no end, counting what is taken from it.
class EndlessDevice : public QIODevice {
public:
    explicit EndlessDevice(char fill) : fill(fill) { open(QIODevice::ReadOnly); }
    bool isSequential() const override { return true; }
    qint64 taken = 0;

protected:
    qint64 readData(char* data, qint64 maxSize) override {
        std::fill(data, data + maxSize, fill);
        taken += maxSize;
        return maxSize;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    char fill;
};

TEST(ReadingFile, TakesNoMoreThan20FullLinesFromAnyFile) {
    for (const char fill : {'\0', 'A', '\xFF'}) {
        EndlessDevice device(fill);

        const ReadingReadResult read = ReadReadingFrom(device);

        EXPECT_FALSE(read.texts);
        EXPECT_EQ(read.error, QStringLiteral("Line 1 is longer than 4096 bytes."));
        EXPECT_LE(device.taken, kMaxReadingFileBytes + 16384); // the device's own buffer
    }
}

TEST(ReadingFile, AHundredMegabyteLineIsNotAReading) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("huge.kvr"));
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(100LL * 1024 * 1024)); // sparse: no time, no disk
    }

    const ReadingReadResult read = ReadReadingFile(path);

    EXPECT_FALSE(read.texts);
    EXPECT_EQ(read.error, QStringLiteral("Line 1 is longer than 4096 bytes."));
}

// Only a regular file is opened; nothing else is waited on.
TEST(ReadingFile, AFileThatCannotBeOpenedIsNotAReading) {
    QTemporaryDir dir;
    const QString fifo = dir.filePath(QStringLiteral("fifo.kvr"));
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    const QString null = characterDeviceLike(dir, "/dev/null");
    const std::pair<QString, const char*> cases[] = {
        {dir.filePath(QStringLiteral("missing.kvr")), "No such file or directory"},
        {dir.path(), "It is a folder, not a file."},
        {fifo, "It is a pipe, not a file."}, // with no writer: opening it would wait
        {null, "It is a character device, not a file."},
    };
    for (const auto& [path, why] : cases) {
        SCOPED_TRACE(why);
        if (path.isEmpty()) {
            continue; // no null device here
        }
        const ReadingReadResult read = ReadReadingFile(path);
        EXPECT_FALSE(read.texts);
        EXPECT_EQ(read.error,
                  QStringLiteral("The file cannot be opened: ") + QString::fromUtf8(why));
    }
}

TEST(ReadingFile, AFailedSaveReportsWhyAndCreatesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(put(dir.filePath(QStringLiteral("plain")), "not a folder"));
    const QString paths[] = {
        dir.filePath(QStringLiteral("plain/r.kvr")), // the parent is a file
        dir.filePath(QStringLiteral("gone/r.kvr")),  // the folder does not exist
        dir.path(),                                  // the path is a folder
    };
    for (const QString& path : paths) {
        SCOPED_TRACE(path.toStdString());
        const ReadingSaveResult saved = WriteReadingFile(path, ramRecord());
        EXPECT_FALSE(saved.saved);
        EXPECT_FALSE(saved.error.isEmpty());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("plain")});
}

// Lets no file of this process grow past a few bytes, as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous);
        rlimit limited = previous;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &previous);
        std::signal(SIGXFSZ, previousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool active = false;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};

TEST(ReadingFile, ASaveThatFailsMidwayLeavesTheOldFileIntact) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.kvr"));
    const QByteArray old = fileOf(kRamLines);
    ASSERT_TRUE(put(path, old));
    BirthRecord other = ramRecord();
    other.Name = "SITA";

    ReadingSaveResult saved;
    {
        const FileSizeLimit limit(20);
        ASSERT_TRUE(limit.active);
        saved = WriteReadingFile(path, other);
    }

    EXPECT_FALSE(saved.saved);
    // The first write takes 20 bytes; the next one says why it stopped.
    EXPECT_EQ(saved.error, QStringLiteral("File too large"));
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("r.kvr")});
}

TEST(ReadingFile, AReadOnlyFolderKeepsItsFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("r.kvr"));
    const QByteArray old = fileOf(kRamLines);
    ASSERT_TRUE(put(path, old));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (access(dir.path().toLocal8Bit().constData(), W_OK) == 0) {
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ExeOwner);
        GTEST_SKIP() << "a privileged user can write to a read-only folder";
    }
    BirthRecord other = ramRecord();
    other.Name = "SITA";

    const ReadingSaveResult intoFile = WriteReadingFile(path, other);
    const ReadingSaveResult newFile =
        WriteReadingFile(dir.filePath(QStringLiteral("new.kvr")), other);

    QFile::setPermissions(dir.path(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(intoFile.saved);
    EXPECT_FALSE(intoFile.error.isEmpty());
    EXPECT_FALSE(newFile.saved);
    EXPECT_EQ(contents(path), old);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{QStringLiteral("r.kvr")});
}

} // namespace
