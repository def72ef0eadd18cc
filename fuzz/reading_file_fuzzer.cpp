// Feeds arbitrary bytes to the reading-file reader and checks what it gives
// back: no more than 4 KiB per text, texts that a file can store again without
// loss, and records that survive a write and a read.

#include "files/field_codec.h"
#include "files/reading_file.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void check(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "reading_file_fuzzer: %s\n", what);
        std::abort();
    }
}

ReadingReadResult readBytes(QByteArray bytes) {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadReadingFrom(buffer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const ReadingReadResult read = readBytes(bytes);
    check(read.texts.has_value() == read.error.isEmpty(), "texts and error disagree");
    if (!read.texts) {
        return 0;
    }

    for (const QString& text : *read.texts) {
        check(text.size() <= kMaxReadingLineBytes, "a text longer than a line may be");
        const StoredField stored = StoreField(text);
        check(stored.leftOut.isEmpty(), "a text read from a file cannot be stored again");
        check(LoadField(stored.bytes) == text, "a text does not come back the same");
    }

    const BirthRecordResult converted = BirthRecordFromTexts(*read.texts);
    check(converted.record.has_value() == (converted.line == 0), "record and bad line disagree");
    if (converted.record) {
        const EncodedReading encoded = EncodeReading(*converted.record);
        check(encoded.leftOut.empty(), "a record read from a file loses characters");
        const ReadingReadResult again = readBytes(encoded.bytes);
        check(again.texts.has_value(), "a written record does not read back");
        check(*again.texts == ReadingTextsOf(*converted.record),
              "a written record reads back different");
    }
    return 0;
}
