#include "files/reading_file.h"

#include "files/field_codec.h"
#include "files/file_kind.h"
#include "files/save_file.h"

#include <QBuffer>
#include <QFile>
#include <QIODevice>

#include <algorithm>

namespace {

// A UTF-8 byte-order mark, which editors put before a text.
constexpr QByteArrayView kByteOrderMark("\xEF\xBB\xBF");

// Why a record's file would not reopen into the same reading, or an empty
// text. The file is read back through the reader and the window's rules.
QString refusalOf(const QByteArray& bytes) {
    // The reader drops a byte-order mark, so a name stored as one would lose
    // its first letters.
    if (bytes.startsWith(kByteOrderMark)) {
        return QStringLiteral("The name cannot begin with \"%1\": the file would take those "
                              "letters for a byte-order mark.")
            .arg(LoadField(kByteOrderMark));
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const ReadingReadResult read = ReadReadingFrom(buffer);
    if (!read.texts) {
        return read.error;
    }
    const FileBirthEntry entry = BirthEntryFromTexts(*read.texts, read.zone);
    if (!entry.entry) {
        return entry.problem;
    }
    if (const auto problem = CheckBirthEntry(*entry.entry, NameRule::Required)) {
        return problem->message;
    }
    return {};
}

} // namespace

EncodedReading EncodeReading(const BirthRecord& record) {
    EncodedReading encoded;
    const ReadingTexts texts = BirthTextsOf(record);
    for (int i = 0; i < kReadingLineCount; ++i) {
        const StoredField field = StoreField(texts.at(static_cast<std::size_t>(i)));
        encoded.bytes.append(field.bytes);
        encoded.bytes.append("\r\n");
        if (!field.leftOut.isEmpty()) {
            encoded.leftOut.push_back(
                {i + 1, BirthFieldName(static_cast<BirthField>(i)), field.leftOut});
        }
    }
    if (const ZoneTexts zone = ZoneTextsOf(record); !zone.empty()) {
        for (const QString& text : {zone.direction, zone.zoneId}) {
            encoded.bytes.append(StoreField(text).bytes);
            encoded.bytes.append("\r\n");
        }
    }
    return encoded;
}

ReadingSaveResult WriteReadingFile(const QString& path, const BirthRecord& record) {
    ReadingSaveResult result;
    EncodedReading encoded = EncodeReading(record);
    if (const QString refusal = refusalOf(encoded.bytes); !refusal.isEmpty()) {
        result.error = QStringLiteral("The reading would not open again: %1").arg(refusal);
        return result;
    }
    result.error = SaveFileBytes(path, encoded.bytes);
    if (!result.error.isEmpty()) {
        return result;
    }
    result.saved = true;
    result.leftOut = std::move(encoded.leftOut);
    return result;
}

ReadingReadResult ReadReadingFrom(QIODevice& device) {
    ReadingReadResult result;
    std::array<QString, kReadingLineCountWithZone> texts;
    int lines = 0;
    QByteArray line;
    line.reserve(kMaxReadingLineBytes);
    bool afterCr = false; // an LF right after a CR ends nothing more
    bool atEnd = false;
    bool tooLong = false;
    qint64 budget = kMaxReadingFileBytes;
    std::array<char, 4096> chunk{};
    if (device.peek(kByteOrderMark.size()) == kByteOrderMark) {
        device.skip(kByteOrderMark.size());
    }

    while (lines < kReadingLineCountWithZone && budget > 0) {
        const qint64 got = device.read(chunk.data(), std::min<qint64>(chunk.size(), budget));
        if (got < 0) {
            result.error = QStringLiteral("The file cannot be read: %1").arg(device.errorString());
            return result;
        }
        if (got == 0) {
            atEnd = true;
            break;
        }
        budget -= got;
        for (qint64 i = 0; i < got && lines < kReadingLineCountWithZone; ++i) {
            const char byte = chunk.at(static_cast<std::size_t>(i));
            if (afterCr) {
                afterCr = false;
                if (byte == '\n') {
                    continue;
                }
            }
            if (byte == '\r' || byte == '\n') {
                texts.at(static_cast<std::size_t>(lines++)) = LoadField(line);
                line.clear();
                afterCr = byte == '\r';
            } else if (line.size() < kMaxReadingLineBytes) {
                line.append(byte);
            } else {
                tooLong = true;
                break;
            }
        }
        if (tooLong) {
            break;
        }
    }
    if (tooLong) {
        result.error = QStringLiteral("Line %1 is longer than %2 bytes.")
                           .arg(lines + 1)
                           .arg(kMaxReadingLineBytes);
        return result;
    }
    // A last line without its end counts once the whole file has been seen.
    if (lines < kReadingLineCountWithZone && atEnd && !line.isEmpty()) {
        texts.at(static_cast<std::size_t>(lines++)) = LoadField(line);
    }
    if (lines < kReadingLineCount) {
        if (lines == 0) {
            result.error = QStringLiteral("The file is empty.");
        } else {
            result.error = QStringLiteral("The file holds only %1 of the %2 lines of a reading.")
                               .arg(lines)
                               .arg(kReadingLineCount);
        }
        return result;
    }
    result.texts.emplace();
    std::move(texts.begin(), texts.begin() + kReadingLineCount, result.texts->begin());
    result.zone = {std::move(texts.at(kReadingLineCount)),
                   std::move(texts.at(kReadingLineCount + 1))};
    return result;
}

ReadingReadResult ReadReadingFile(const QString& path) {
    QFile file;
    if (const QString problem = OpenRegularFileForReading(path, file); !problem.isEmpty()) {
        ReadingReadResult result;
        result.error = QStringLiteral("The file cannot be opened: %1").arg(problem);
        return result;
    }
    return ReadReadingFrom(file);
}

ReadingFileEntry ReadReadingFileEntry(const QString& path) {
    const ReadingReadResult read = ReadReadingFile(path);
    if (!read.texts) {
        return {std::nullopt, CheckFileMessage() + QLatin1Char('\n') + read.error};
    }
    FileBirthEntry entry = BirthEntryFromTexts(*read.texts, read.zone);
    if (!entry.entry) {
        QString what = entry.problem;
        what[0] = what[0].toUpper();
        return {std::nullopt, CheckFileMessage() + QLatin1Char('\n') + what};
    }
    return {std::move(entry.entry), {}};
}
