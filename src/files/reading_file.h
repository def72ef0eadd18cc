#pragma once

#include "birth/birth_rules.h"
#include "engine/birth_record.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QIODevice;

// A reading file holds the birth data of one reading: 18 lines in the order
// of BirthRecord's fields, each the field's text stored through StoreField and
// ended by CR LF, then two optional lines: the zone's direction and the IANA
// zone id (ZoneTexts), written only when one of them is not empty. There is no
// header. Reading one takes its first 20 lines, of at most 4 KiB each, and
// never more than kMaxReadingFileBytes of the file; later lines are ignored.
inline constexpr int kReadingLineCount = kBirthFieldCount;
inline constexpr int kReadingLineCountWithZone = kReadingLineCount + 2;
inline constexpr qsizetype kMaxReadingLineBytes = 4096;
// The most the reader takes from any file: 20 full lines with their ends.
inline constexpr qint64 kMaxReadingFileBytes =
    kReadingLineCountWithZone * (kMaxReadingLineBytes + 2);

// The 18 texts of a reading, line 1 at index 0.
using ReadingTexts = BirthTexts;

// Characters of one field that a reading file cannot hold and that were left
// out when it was written.
struct LeftOutCharacters {
    int line = 0;       // 1..18
    QString field;      // the field's name, "Name" ... "Country"
    QString characters; // each once, in the order they appear
};

// The bytes of the record's reading file.
struct EncodedReading {
    QByteArray bytes;
    std::vector<LeftOutCharacters> leftOut;
};
EncodedReading EncodeReading(const BirthRecord& record);

// Writes the record's reading file at path as SaveFileBytes does: atomically
// onto a file, directly into a pipe or a character device; until the new file
// is complete, any file already at path stays as it was, and a failed save
// leaves it untouched. A record whose file the reader would refuse, or that
// would not reopen into a reading, is not written.
struct ReadingSaveResult {
    bool saved = false;
    QString error; // why not, when not saved
    std::vector<LeftOutCharacters> leftOut;
};
ReadingSaveResult WriteReadingFile(const QString& path, const BirthRecord& record);

// The 18 decoded texts of a reading file and its zone lines. Lines end with
// CR LF, LF or CR; the last line needs no end; lines after the 20th are not
// read; a UTF-8 byte-order mark before the first line is passed over. Only a
// regular file is opened (a pipe or a device is refused without waiting on
// it). No texts when the file cannot be opened or read, holds fewer than 18
// lines, or has a line of more than 4 KiB among them; error then says why, as
// a sentence about the file ("The file is empty.", "Line 2 is longer than 4096
// bytes.").
struct ReadingReadResult {
    std::optional<ReadingTexts> texts;
    ZoneTexts zone; // lines 19 and 20, empty when the file has none
    QString error;  // why not, when there are no texts
};
ReadingReadResult ReadReadingFrom(QIODevice& device);
ReadingReadResult ReadReadingFile(const QString& path);

// A reading file as the birth-data window takes it: the entry it puts into
// the window, or "Please Check The File." with a second line that says what
// is wrong.
struct ReadingFileEntry {
    std::optional<BirthEntry> entry;
    QString message; // when there is no entry
};
ReadingFileEntry ReadReadingFileEntry(const QString& path);
