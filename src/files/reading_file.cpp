#include "files/reading_file.h"

#include "files/field_codec.h"

#include <QFile>
#include <QIODevice>
#include <QSaveFile>

#include <cstdint>
#include <limits>

namespace {

constexpr std::array<const char*, kReadingLineCount> kFieldNames = {
    "Name", "Month", "Day",  "Year",    "Hour",     "Minute", "ZoneHour", "ZoneMinute", "LonD",
    "LonM", "LatD",  "LatM", "LonEast", "LatSouth", "DST",    "City",     "State",      "Country"};

constexpr int kFirstNumberLine = 2;
constexpr int kLastNumberLine = 12;
constexpr int kLastFlagLine = 15;

QString flagText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// A whole number in plain decimal with an optional minus sign that fits a
// signed 16-bit field.
std::optional<std::int16_t> wholeNumber(const QString& text) {
    const qsizetype digitsFrom = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    if (text.size() == digitsFrom) {
        return std::nullopt;
    }
    for (qsizetype i = digitsFrom; i < text.size(); ++i) {
        if (text.at(i) < QLatin1Char('0') || text.at(i) > QLatin1Char('9')) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::optional<bool> flag(const QString& text) {
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (const auto number = wholeNumber(text)) {
        return *number != 0;
    }
    return std::nullopt;
}

} // namespace

QString ReadingFieldName(int line) {
    if (line < 1 || line > kReadingLineCount) {
        return {};
    }
    return QString::fromLatin1(kFieldNames.at(static_cast<std::size_t>(line - 1)));
}

ReadingTexts ReadingTextsOf(const BirthRecord& r) {
    return {TrimSpaces(QString::fromStdString(r.Name)),
            QString::number(r.Month),
            QString::number(r.Day),
            QString::number(r.Year),
            QString::number(r.Hour),
            QString::number(r.Minute),
            QString::number(r.ZoneHour),
            QString::number(r.ZoneMinute),
            QString::number(r.LonD),
            QString::number(r.LonM),
            QString::number(r.LatD),
            QString::number(r.LatM),
            flagText(r.LonEast),
            flagText(r.LatSouth),
            flagText(r.DST),
            TrimSpaces(QString::fromStdString(r.City)),
            TrimSpaces(QString::fromStdString(r.State)),
            TrimSpaces(QString::fromStdString(r.Country))};
}

EncodedReading EncodeReading(const BirthRecord& record) {
    EncodedReading encoded;
    const ReadingTexts texts = ReadingTextsOf(record);
    for (int i = 0; i < kReadingLineCount; ++i) {
        const StoredField field = StoreField(texts.at(static_cast<std::size_t>(i)));
        encoded.bytes.append(field.bytes);
        encoded.bytes.append("\r\n");
        if (!field.leftOut.isEmpty()) {
            encoded.leftOut.push_back({i + 1, ReadingFieldName(i + 1), field.leftOut});
        }
    }
    return encoded;
}

ReadingSaveResult WriteReadingFile(const QString& path, const BirthRecord& record) {
    ReadingSaveResult result;
    EncodedReading encoded = EncodeReading(record);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        result.error = file.errorString();
        return result;
    }
    // A write that fails while the data goes out of the buffer (a full disk)
    // must not reach the commit: QSaveFile would put the cut file in place.
    if (file.write(encoded.bytes) != encoded.bytes.size() || !file.flush()) {
        result.error = file.errorString();
        file.cancelWriting();
        return result;
    }
    if (!file.commit()) {
        result.error = file.errorString();
        return result;
    }
    result.saved = true;
    result.leftOut = std::move(encoded.leftOut);
    return result;
}

ReadingReadResult ReadReadingFrom(QIODevice& device) {
    ReadingReadResult result;
    ReadingTexts texts;
    int lines = 0;
    QByteArray line;
    line.reserve(kMaxReadingLineBytes);
    bool afterCr = false; // an LF right after a CR ends nothing more
    bool atEnd = false;
    qint64 budget = kMaxReadingFileBytes;
    std::array<char, 4096> chunk{};

    while (lines < kReadingLineCount && budget > 0) {
        const qint64 got = device.read(chunk.data(), std::min<qint64>(chunk.size(), budget));
        if (got < 0) {
            result.error = QStringLiteral("cannot be read: %1").arg(device.errorString());
            return result;
        }
        if (got == 0) {
            atEnd = true;
            break;
        }
        budget -= got;
        for (qint64 i = 0; i < got && lines < kReadingLineCount; ++i) {
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
            }
        }
    }
    // A last line without its end counts once the whole file has been seen.
    if (lines < kReadingLineCount && atEnd && !line.isEmpty()) {
        texts.at(static_cast<std::size_t>(lines++)) = LoadField(line);
    }
    if (lines < kReadingLineCount) {
        if (!atEnd) {
            result.error = QStringLiteral("has lines too long for a reading");
        } else if (lines == 0) {
            result.error = QStringLiteral("is empty");
        } else {
            result.error = QStringLiteral("holds only %1 of the %2 lines of a reading")
                               .arg(lines)
                               .arg(kReadingLineCount);
        }
        return result;
    }
    result.texts = std::move(texts);
    return result;
}

ReadingReadResult ReadReadingFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadingReadResult result;
        result.error = QStringLiteral("cannot be opened: %1").arg(file.errorString());
        return result;
    }
    return ReadReadingFrom(file);
}

BirthRecordResult BirthRecordFromTexts(const ReadingTexts& texts) {
    BirthRecordResult result;
    std::array<std::int16_t, kLastNumberLine - kFirstNumberLine + 1> numbers{};
    std::array<bool, kLastFlagLine - kLastNumberLine> flags{};
    for (int line = kFirstNumberLine; line <= kLastFlagLine; ++line) {
        const QString& text = texts.at(static_cast<std::size_t>(line - 1));
        QString problem;
        if (line <= kLastNumberLine) {
            if (const auto number = wholeNumber(text)) {
                numbers.at(static_cast<std::size_t>(line - kFirstNumberLine)) = *number;
            } else {
                problem = QStringLiteral("is not a whole number from -32768 to 32767");
            }
        } else if (const auto value = flag(text)) {
            flags.at(static_cast<std::size_t>(line - kLastNumberLine - 1)) = *value;
        } else {
            problem = QStringLiteral("is neither True nor False");
        }
        if (!problem.isEmpty()) {
            result.line = line;
            result.error = QStringLiteral("line %1 (%2): \"%3\" %4")
                               .arg(line)
                               .arg(ReadingFieldName(line), text, problem);
            return result;
        }
    }
    BirthRecord r;
    r.Name = texts[0].toStdString();
    r.Month = numbers[0];
    r.Day = numbers[1];
    r.Year = numbers[2];
    r.Hour = numbers[3];
    r.Minute = numbers[4];
    r.ZoneHour = numbers[5];
    r.ZoneMinute = numbers[6];
    r.LonD = numbers[7];
    r.LonM = numbers[8];
    r.LatD = numbers[9];
    r.LatM = numbers[10];
    r.LonEast = flags[0];
    r.LatSouth = flags[1];
    r.DST = flags[2];
    r.City = texts[15].toStdString();
    r.State = texts[16].toStdString();
    r.Country = texts[17].toStdString();
    result.record = std::move(r);
    return result;
}
