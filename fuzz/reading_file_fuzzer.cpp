// Feeds arbitrary bytes down the whole open path of a reading file: bytes,
// texts, the birth-data rules, the record and its reading. It checks what each
// step gives back: texts that a file can store again without loss, an entry
// only for texts the rules take as they stand, a reading for every record the
// rules accept (no crash, no overflow, finite figures), and records that come
// back the same through a write and a read.

#include "birth/birth_rules.h"
#include "birth/trim_spaces.h"
#include "engine/mod_bhava.h"
#include "files/field_codec.h"
#include "files/reading_file.h"

#include <QBuffer>
#include <QByteArrayView>

#include <cmath>
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

    const FileBirthEntry entry = BirthEntryFromTexts(*read.texts, read.zone);
    check(entry.entry.has_value() == (entry.line == 0), "entry and damaged line disagree");
    if (!entry.entry) {
        check(entry.line >= 1 && entry.line <= kReadingLineCountWithZone,
              "a damaged line out of range");
        return 0;
    }
    const CheckedBirth checked = CheckBirth(*entry.entry, NameRule::Required);
    check(checked.record.has_value() != checked.problem.has_value(), "record and problem disagree");
    if (!checked.record) {
        return 0;
    }

    const BhavaResult reading = ComputeBhava(*checked.record);
    check(std::isfinite(reading.Ascendant) && std::isfinite(reading.Midheaven),
          "an accepted birth gives no figures");
    // A house point is reduced into the circle by one step only: where the
    // quadrants overlap near the poles it may stand up to a half turn past
    // 360, and its text names the point within the circle.
    for (const double point : reading.CuspPoints) {
        check(point >= 0 && point < 540, "a house point beyond the one-step reduction");
    }

    const EncodedReading encoded = EncodeReading(*checked.record);
    check(encoded.leftOut.empty(), "a record read from a file loses characters");
    // A name whose stored bytes begin as a byte-order mark would lose them on
    // reading: the writer refuses to save such a record, so there is nothing
    // to read back.
    if (encoded.bytes.startsWith(QByteArrayView("\xEF\xBB\xBF"))) {
        return 0;
    }
    const ReadingReadResult again = readBytes(encoded.bytes);
    check(again.texts.has_value(), "a written record does not read back");
    const FileBirthEntry reopened = BirthEntryFromTexts(*again.texts, again.zone);
    check(reopened.entry.has_value(), "a written record is a damaged file");
    const CheckedBirth rechecked = CheckBirth(*reopened.entry, NameRule::Required);
    // The file keeps the name without blanks around it, as the window saves it.
    BirthRecord expected = *checked.record;
    expected.Name = TrimSpaces(QString::fromStdString(expected.Name)).toStdString();
    check(rechecked.record.has_value() && *rechecked.record == expected,
          "a written record reads back different");
    return 0;
}
