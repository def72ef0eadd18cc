#include "tools/birth_input.h"

#include "files/reading_file.h"

#include <array>
#include <charconv>
#include <cmath>
#include <rapidjson/error/en.h>
#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>
#include <string>

namespace {

enum class FieldKind { Number, Flag, Text, Direction, DashaYear };

struct BatchKey {
    std::string_view name;
    FieldKind kind;
};

// The keys of a batch line in the record's order.
constexpr std::array<BatchKey, kBirthFieldCount + 2> kBatchKeys = {{
    {"Name", FieldKind::Text},
    {"Month", FieldKind::Number},
    {"Day", FieldKind::Number},
    {"Year", FieldKind::Number},
    {"Hour", FieldKind::Number},
    {"Minute", FieldKind::Number},
    {"ZoneHour", FieldKind::Number},
    {"ZoneMinute", FieldKind::Number},
    {"LonD", FieldKind::Number},
    {"LonM", FieldKind::Number},
    {"LatD", FieldKind::Number},
    {"LatM", FieldKind::Number},
    {"LonEast", FieldKind::Flag},
    {"LatSouth", FieldKind::Flag},
    {"DST", FieldKind::Flag},
    {"City", FieldKind::Text},
    {"State", FieldKind::Text},
    {"Country", FieldKind::Text},
    {"ZoneAhead", FieldKind::Direction},
    {"DashaYear", FieldKind::DashaYear},
}};

// What a line holds under one of the keys.
struct LineValue {
    enum class Kind { Absent, Number, Bool, String, Null, Other };
    Kind kind = Kind::Absent;
    double number = 0;
    bool flag = false;
    std::string text;
};

using LineValues = std::array<LineValue, kBatchKeys.size()>;

LineValue* valueOf(LineValues& values, std::string_view key) {
    for (std::size_t i = 0; i < kBatchKeys.size(); ++i) {
        if (kBatchKeys[i].name == key) {
            return &values[i];
        }
    }
    return nullptr;
}

// Takes the values of the keys it knows from the events of rapidjson's
// reader. A repeated key counts last; a nested object or array under a key is
// a value of another kind.
class LineHandler : public rapidjson::BaseReaderHandler<rapidjson::UTF8<>, LineHandler> {
public:
    explicit LineHandler(LineValues& values) : values_(values) {}

    bool isObject() const { return object_; }

    bool Null() {
        return scalar([](LineValue& v) { v.kind = LineValue::Kind::Null; });
    }
    bool Bool(bool b) {
        return scalar([b](LineValue& v) {
            v.kind = LineValue::Kind::Bool;
            v.flag = b;
        });
    }
    bool Int(int i) { return Double(i); }
    bool Uint(unsigned u) { return Double(u); }
    bool Int64(std::int64_t i) { return Double(static_cast<double>(i)); }
    bool Uint64(std::uint64_t u) { return Double(static_cast<double>(u)); }
    bool Double(double d) {
        return scalar([d](LineValue& v) {
            v.kind = LineValue::Kind::Number;
            v.number = d;
        });
    }
    bool String(const char* text, rapidjson::SizeType length, bool /*copy*/) {
        return scalar([text, length](LineValue& v) {
            v.kind = LineValue::Kind::String;
            v.text.assign(text, length);
        });
    }
    bool Key(const char* text, rapidjson::SizeType length, bool /*copy*/) {
        if (depth_ == 1) {
            current_ = valueOf(values_, std::string_view(text, length));
        }
        return true;
    }
    bool StartObject() { return open(true); }
    bool EndObject(rapidjson::SizeType /*members*/) { return close(); }
    bool StartArray() { return open(false); }
    bool EndArray(rapidjson::SizeType /*elements*/) { return close(); }

private:
    template <typename Set> bool scalar(Set set) {
        if (depth_ == 1 && current_ != nullptr) {
            set(*current_);
            current_ = nullptr;
        }
        return true;
    }

    bool open(bool isObject) {
        if (depth_ == 0) {
            object_ = isObject;
        } else if (depth_ == 1 && current_ != nullptr) {
            current_->kind = LineValue::Kind::Other;
            current_ = nullptr;
        }
        ++depth_;
        return true;
    }

    bool close() {
        --depth_;
        return true;
    }

    LineValues& values_;
    LineValue* current_ = nullptr;
    int depth_ = 0;
    bool object_ = false;
};

// The values of a line, or why the line is no JSON object.
std::optional<QString> readJson(std::string_view line, LineValues& values) {
    rapidjson::MemoryStream stream(line.data(), line.size());
    LineHandler handler(values);
    rapidjson::Reader reader;
    // Iterative parsing keeps its stack on the heap, so that a line nested
    // thousands deep cannot overflow a worker thread's stack.
    constexpr unsigned kFlags = rapidjson::kParseFullPrecisionFlag |
                                rapidjson::kParseValidateEncodingFlag |
                                rapidjson::kParseStopWhenDoneFlag | rapidjson::kParseIterativeFlag;
    const rapidjson::ParseResult result = reader.Parse<kFlags>(stream, handler);
    std::size_t at = result.Offset();
    rapidjson::ParseErrorCode error = result.Code();
    if (!result.IsError()) {
        // Only blanks may follow the object (a NUL ends rapidjson's stream, so
        // the rest of the line is looked at here).
        at = line.find_first_not_of(" \t\r\n", stream.Tell());
        if (at != std::string_view::npos) {
            error = rapidjson::kParseErrorDocumentRootNotSingular;
        }
    }
    if (error != rapidjson::kParseErrorNone) {
        // rapidjson words it as a sentence: "Invalid value."
        QString what = QLatin1StringView(rapidjson::GetParseError_En(error));
        if (what.endsWith(QLatin1Char('.'))) {
            what.chop(1);
        }
        if (!what.isEmpty()) {
            what[0] = what[0].toLower();
        }
        return QStringLiteral("cannot read the line as JSON: %1 at byte %2").arg(what).arg(at + 1);
    }
    if (!handler.isObject()) {
        return QStringLiteral("the line is not a JSON object");
    }
    return std::nullopt;
}

// The values of a line, or the first field, in the record's order, that is
// missing or of the wrong type.
std::optional<QString> toValues(LineValues& values, BirthValues& birth, DashaYear& year) {
    const std::array<std::string BirthValues::*, 4> texts = {
        &BirthValues::Name, &BirthValues::City, &BirthValues::State, &BirthValues::Country};
    const std::array<bool BirthValues::*, 3> flags = {&BirthValues::LonEast, &BirthValues::LatSouth,
                                                      &BirthValues::DST};
    std::size_t nextNumber = 0;
    std::size_t nextFlag = 0;
    std::size_t nextText = 0;
    for (std::size_t i = 0; i < kBatchKeys.size(); ++i) {
        const BatchKey& key = kBatchKeys[i];
        LineValue& value = values[i];
        const QLatin1StringView name(key.name.data(), static_cast<qsizetype>(key.name.size()));
        switch (key.kind) {
        case FieldKind::Number:
            if (value.kind == LineValue::Kind::Absent) {
                return QStringLiteral("%1 is missing").arg(name);
            }
            if (value.kind != LineValue::Kind::Number) {
                return QStringLiteral("%1 must be a number").arg(name);
            }
            birth.Numbers.at(nextNumber++) = value.number;
            break;
        case FieldKind::Flag:
            if (value.kind == LineValue::Kind::Absent) {
                return QStringLiteral("%1 is missing").arg(name);
            }
            if (value.kind != LineValue::Kind::Bool) {
                return QStringLiteral("%1 must be true or false").arg(name);
            }
            birth.*flags.at(nextFlag++) = value.flag;
            break;
        case FieldKind::Text:
            // The name and the place are optional; null counts as absent.
            if (value.kind == LineValue::Kind::String) {
                birth.*texts.at(nextText) = std::move(value.text);
            } else if (value.kind != LineValue::Kind::Absent &&
                       value.kind != LineValue::Kind::Null) {
                return QStringLiteral("%1 must be a text").arg(name);
            }
            ++nextText;
            break;
        case FieldKind::Direction:
            // Unset (absent or null), the direction comes from the longitude.
            if (value.kind == LineValue::Kind::Bool) {
                birth.ZoneAhead = value.flag;
            } else if (value.kind != LineValue::Kind::Absent &&
                       value.kind != LineValue::Kind::Null) {
                return QStringLiteral("%1 must be true or false").arg(name);
            }
            break;
        case FieldKind::DashaYear:
            // Unset (absent or null), the usual sidereal year.
            if (value.kind == LineValue::Kind::String) {
                const std::optional<DashaYear> parsed = parseDashaYear(value.text);
                if (!parsed) {
                    return QStringLiteral("%1 must be \"sidereal\", \"julian\" or \"savana\"")
                        .arg(name);
                }
                year = *parsed;
            } else if (value.kind != LineValue::Kind::Absent &&
                       value.kind != LineValue::Kind::Null) {
                return QStringLiteral("%1 must be \"sidereal\", \"julian\" or \"savana\"")
                    .arg(name);
            }
            break;
        }
    }
    return std::nullopt;
}

} // namespace

BatchLine readBatchLine(std::string_view line) {
    if (!line.empty() && line.back() == '\n') {
        line.remove_suffix(1);
    }
    if (!line.empty() && line.back() == '\r') {
        line.remove_suffix(1);
    }
    // A byte-order mark left by an editor at the start of the file.
    if (line.substr(0, 3) == "\xEF\xBB\xBF") {
        line.remove_prefix(3);
    }
    if (line.find_first_not_of(" \t") == std::string_view::npos) {
        return {std::nullopt, QStringLiteral("the line is empty")};
    }
    LineValues values;
    if (auto problem = readJson(line, values)) {
        return {std::nullopt, *problem};
    }
    BirthValues birth;
    DashaYear year = DashaYear::Sidereal;
    if (auto problem = toValues(values, birth, year)) {
        return {std::nullopt, *problem};
    }
    CheckedBirth checked = CheckBirthValues(std::move(birth), NameRule::Optional);
    if (!checked.record) {
        return {std::nullopt, checked.problem->message};
    }
    return {std::move(checked.record), {}, year};
}

ReadingFileBirth readReadingFileBirth(const QString& path) {
    const ReadingFileEntry file = ReadReadingFileEntry(path);
    if (!file.entry) {
        return {std::nullopt, file.message};
    }
    CheckedBirth checked = CheckBirth(*file.entry, NameRule::Required);
    if (!checked.record) {
        return {std::nullopt, checked.problem->message};
    }
    return {std::move(checked.record), {}};
}
