#pragma once

#include "engine/birth_record.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>
#include <vector>

class QIODevice;

// A reading file holds the birth data of one reading: 18 lines in the order
// of BirthRecord's fields, each the field's text stored through StoreField and
// ended by CR LF. There is no header. Reading one takes its first 18 lines,
// each cut at 4 KiB, and never more than kMaxReadingFileBytes of the file.
inline constexpr int kReadingLineCount = 18;
inline constexpr qsizetype kMaxReadingLineBytes = 4096;
// The most the reader takes from any file: 18 full lines with their ends.
inline constexpr qint64 kMaxReadingFileBytes = kReadingLineCount * (kMaxReadingLineBytes + 2);

// The 18 texts of a reading, line 1 at index 0.
using ReadingTexts = std::array<QString, kReadingLineCount>;

// The field a line holds ("Name", "Month", ... "Country"); line is 1..18.
QString ReadingFieldName(int line);

// The texts a reading file stores for the record: the name and place as
// entered without leading and trailing blanks (character 32 only), numbers in
// plain decimal, the flags as "True" or "False".
ReadingTexts ReadingTextsOf(const BirthRecord& record);

// Characters of one field that a reading file cannot hold and that were left
// out when it was written.
struct LeftOutCharacters {
    int line = 0;       // 1..18
    QString field;      // ReadingFieldName(line)
    QString characters; // each once, in the order they appear
};

// The bytes of the record's reading file.
struct EncodedReading {
    QByteArray bytes;
    std::vector<LeftOutCharacters> leftOut;
};
EncodedReading EncodeReading(const BirthRecord& record);

// Writes the record's reading file at path, atomically: until the new file is
// complete, any file already at path stays as it was, and a failed save leaves
// it untouched.
struct ReadingSaveResult {
    bool saved = false;
    QString error; // why not, when not saved
    std::vector<LeftOutCharacters> leftOut;
};
ReadingSaveResult WriteReadingFile(const QString& path, const BirthRecord& record);

// The 18 decoded texts of a reading file. Lines end with CR LF, LF or CR; the
// last line needs no end; lines after the 18th are not read and a line longer
// than 4 KiB is cut there. No texts when the file cannot be opened or read,
// holds fewer than 18 lines, or has not shown 18 lines within its first
// kMaxReadingFileBytes; error then says why, as a phrase about the file
// ("is empty", "holds only 17 of the 18 lines of a reading").
struct ReadingReadResult {
    std::optional<ReadingTexts> texts;
    QString error; // why not, when there are no texts
};
ReadingReadResult ReadReadingFrom(QIODevice& device);
ReadingReadResult ReadReadingFile(const QString& path);

// The birth record of a reading's texts, strictly: every number line must be
// a whole number that fits the field, every flag line True or False in any
// case or a whole number. Otherwise the first bad line and what is wrong.
struct BirthRecordResult {
    std::optional<BirthRecord> record;
    int line = 0;  // the first bad line, 1..18, when there is no record
    QString error; // "line 3 (Day): ..." when there is no record
};
BirthRecordResult BirthRecordFromTexts(const ReadingTexts& texts);
