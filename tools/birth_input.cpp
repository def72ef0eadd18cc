#include "tools/birth_input.h"

#include "files/reading_file.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QLocale>

#include <array>
#include <charconv>
#include <cmath>
#include <tuple>
#include <utility>

namespace {

// ---------------------------------------------------------------- checks

QString numberText(double v) {
    return QString::number(v, 'g', QLocale::FloatingPointShortest);
}

std::optional<BirthProblem> checkWhole(const char* field, double value, int low, int high) {
    if (value != std::floor(value)) {
        return BirthProblem{field, QStringLiteral("%1 %2 is not a whole number")
                                       .arg(QLatin1StringView(field), numberText(value))};
    }
    if (value < low || value > high) {
        return BirthProblem{field, QStringLiteral("%1 %2 is outside %3 to %4")
                                       .arg(QLatin1StringView(field), numberText(value))
                                       .arg(low)
                                       .arg(high)};
    }
    return std::nullopt;
}

constexpr std::array<const char*, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

int daysInMonth(int month, int year) {
    static constexpr std::array<int, 12> days = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && year % 4 == 0) {
        return 29;
    }
    return days[static_cast<std::size_t>(month - 1)];
}

// ---------------------------------------------------------------- batch line

enum class FieldKind { Number, Flag, Text };

struct BatchKey {
    std::string_view name;
    FieldKind kind;
};

// The keys of a batch line in the record's order, which is the order its
// problems are reported in.
constexpr std::array<BatchKey, 18> kBatchKeys = {{
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

// A strict reader for the usual shape of a batch line: one flat object whose
// keys and texts are printable ASCII without escapes and whose values are
// numbers, texts, true, false or null. It gives up on anything else (escapes,
// other characters, nested values, any syntax error), and the line then goes
// to QJsonDocument, which reads every JSON and words the errors.
class FlatObjectScanner {
public:
    explicit FlatObjectScanner(std::string_view text) : text_(text) {}

    bool scan(LineValues& values) {
        skipSpace();
        if (!take('{')) {
            return false;
        }
        skipSpace();
        if (take('}')) {
            return atEnd();
        }
        for (;;) {
            std::string_view key;
            skipSpace();
            if (!plainString(key)) {
                return false;
            }
            skipSpace();
            if (!take(':')) {
                return false;
            }
            skipSpace();
            LineValue scanned;
            if (!value(scanned)) {
                return false;
            }
            if (LineValue* target = valueOf(values, key)) {
                *target = std::move(scanned); // a repeated key: the last one counts
            }
            skipSpace();
            if (take('}')) {
                return atEnd();
            }
            if (!take(',')) {
                return false;
            }
        }
    }

private:
    bool value(LineValue& out) {
        if (pos_ >= text_.size()) {
            return false;
        }
        const char c = text_[pos_];
        if (c == '"') {
            std::string_view text;
            if (!plainString(text)) {
                return false;
            }
            out.kind = LineValue::Kind::String;
            out.text = std::string(text);
            return true;
        }
        if (c == '-' || (c >= '0' && c <= '9')) {
            out.kind = LineValue::Kind::Number;
            return number(out.number);
        }
        if (word("true")) {
            out.kind = LineValue::Kind::Bool;
            out.flag = true;
            return true;
        }
        if (word("false")) {
            out.kind = LineValue::Kind::Bool;
            out.flag = false;
            return true;
        }
        if (word("null")) {
            out.kind = LineValue::Kind::Null;
            return true;
        }
        return false;
    }

    bool plainString(std::string_view& out) {
        if (!take('"')) {
            return false;
        }
        const std::size_t start = pos_;
        while (pos_ < text_.size()) {
            const auto c = static_cast<unsigned char>(text_[pos_]);
            if (c == '"') {
                out = text_.substr(start, pos_ - start);
                ++pos_;
                return true;
            }
            if (c < 0x20 || c > 0x7E || c == '\\') {
                return false;
            }
            ++pos_;
        }
        return false;
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    bool number(double& out) {
        const std::size_t start = pos_;
        take('-');
        if (take('0')) {
            // no further digits may follow a leading zero
        } else if (!digits()) {
            return false;
        }
        if (take('.') && !digits()) {
            return false;
        }
        if (take('e') || take('E')) {
            if (!take('+')) {
                take('-');
            }
            if (!digits()) {
                return false;
            }
        }
        const char* first = text_.data() + start;
        const char* last = text_.data() + pos_;
        const auto [end, error] = std::from_chars(first, last, out);
        return error == std::errc() && end == last;
    }

    bool digits() {
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            ++pos_;
        }
        return pos_ > start;
    }

    bool word(std::string_view w) {
        if (text_.substr(pos_, w.size()) != w) {
            return false;
        }
        pos_ += w.size();
        return true;
    }

    bool take(char c) {
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }

    void skipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t' ||
                                       text_[pos_] == '\n' || text_[pos_] == '\r')) {
            ++pos_;
        }
    }

    bool atEnd() {
        skipSpace();
        return pos_ == text_.size();
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

void readJsonObject(const QJsonObject& object, LineValues& values) {
    for (std::size_t i = 0; i < kBatchKeys.size(); ++i) {
        const QJsonValue value = object.value(QLatin1StringView(
            kBatchKeys[i].name.data(), static_cast<qsizetype>(kBatchKeys[i].name.size())));
        LineValue& out = values[i];
        if (value.isUndefined()) {
            out.kind = LineValue::Kind::Absent;
        } else if (value.isDouble()) {
            out.kind = LineValue::Kind::Number;
            out.number = value.toDouble();
        } else if (value.isBool()) {
            out.kind = LineValue::Kind::Bool;
            out.flag = value.toBool();
        } else if (value.isString()) {
            out.kind = LineValue::Kind::String;
            out.text = value.toString().toStdString();
        } else if (value.isNull()) {
            out.kind = LineValue::Kind::Null;
        } else {
            out.kind = LineValue::Kind::Other;
        }
    }
}

// The birth of a line, or the first field, in the record's order, that is
// missing or of the wrong type.
std::optional<QString> toBirthInput(LineValues& values, BirthInput& input) {
    const std::array<double*, 11> numbers = {
        &input.Month,      &input.Day,  &input.Year, &input.Hour, &input.Minute, &input.ZoneHour,
        &input.ZoneMinute, &input.LonD, &input.LonM, &input.LatD, &input.LatM};
    const std::array<bool*, 3> flags = {&input.LonEast, &input.LatSouth, &input.DST};
    const std::array<std::string*, 4> texts = {&input.Name, &input.City, &input.State,
                                               &input.Country};
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
            *numbers[nextNumber++] = value.number;
            break;
        case FieldKind::Flag:
            if (value.kind == LineValue::Kind::Absent) {
                return QStringLiteral("%1 is missing").arg(name);
            }
            if (value.kind != LineValue::Kind::Bool) {
                return QStringLiteral("%1 must be true or false").arg(name);
            }
            *flags[nextFlag++] = value.flag;
            break;
        case FieldKind::Text:
            // The name and the place are optional; null counts as absent.
            if (value.kind == LineValue::Kind::String) {
                *texts[nextText] = std::move(value.text);
            } else if (value.kind != LineValue::Kind::Absent &&
                       value.kind != LineValue::Kind::Null) {
                return QStringLiteral("%1 must be a text").arg(name);
            }
            ++nextText;
            break;
        }
    }
    return std::nullopt;
}

// ---------------------------------------------------------------- reading file

// A text from a file as it may go into a one-line message: control and other
// unprintable characters written as \xNN or \uNNNN, and at most maxLength
// characters of it shown.
QString printable(const QString& text, qsizetype maxLength = -1) {
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (maxLength >= 0 && i == maxLength) {
            shown += QLatin1StringView("...");
            break;
        }
        const QChar c = text.at(i);
        if (c.isPrint()) {
            shown += c;
        } else if (c.unicode() < 0x100) {
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        } else {
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return shown;
}

// The line of a reading file that holds a field.
int lineOfField(const char* field) {
    for (int line = 1; line <= kReadingLineCount; ++line) {
        if (ReadingFieldName(line) == QLatin1StringView(field)) {
            return line;
        }
    }
    return 0;
}

} // namespace

std::optional<BirthProblem> checkBirth(const BirthInput& input) {
    if (auto problem = checkWhole("Month", input.Month, 1, 12)) {
        return problem;
    }
    if (auto problem = checkWhole("Day", input.Day, 1, 31)) {
        return problem;
    }
    if (auto problem = checkWhole("Year", input.Year, 1901, 2050)) {
        return problem;
    }
    const int month = static_cast<int>(input.Month);
    const int year = static_cast<int>(input.Year);
    if (input.Day > daysInMonth(month, year)) {
        return BirthProblem{
            "Day", QStringLiteral("Day %1 does not exist in %2 %3")
                       .arg(numberText(input.Day))
                       .arg(QLatin1StringView(kMonthNames[static_cast<std::size_t>(month - 1)]))
                       .arg(year)};
    }
    const std::array<std::tuple<const char*, double, int, int>, 8> fields = {{
        {"Hour", input.Hour, 0, 23},
        {"Minute", input.Minute, 0, 59},
        {"ZoneHour", input.ZoneHour, 0, 14},
        {"ZoneMinute", input.ZoneMinute, 0, 59},
        {"LonD", input.LonD, 0, 179},
        {"LonM", input.LonM, 0, 59},
        {"LatD", input.LatD, 0, 89},
        {"LatM", input.LatM, 0, 59},
    }};
    for (const auto& [field, value, low, high] : fields) {
        if (auto problem = checkWhole(field, value, low, high)) {
            return problem;
        }
    }
    return std::nullopt;
}

BirthRecord toBirthRecord(BirthInput input) {
    const auto narrow = [](double v) { return static_cast<std::int16_t>(v); };
    BirthRecord birth;
    birth.Name = std::move(input.Name);
    birth.Month = narrow(input.Month);
    birth.Day = narrow(input.Day);
    birth.Year = narrow(input.Year);
    birth.Hour = narrow(input.Hour);
    birth.Minute = narrow(input.Minute);
    birth.ZoneHour = narrow(input.ZoneHour);
    birth.ZoneMinute = narrow(input.ZoneMinute);
    birth.LonD = narrow(input.LonD);
    birth.LonM = narrow(input.LonM);
    birth.LatD = narrow(input.LatD);
    birth.LatM = narrow(input.LatM);
    birth.LonEast = input.LonEast;
    birth.LatSouth = input.LatSouth;
    birth.DST = input.DST;
    birth.City = std::move(input.City);
    birth.State = std::move(input.State);
    birth.Country = std::move(input.Country);
    return birth;
}

BirthInput birthInputOf(const BirthRecord& record) {
    BirthInput input;
    input.Name = record.Name;
    input.Month = record.Month;
    input.Day = record.Day;
    input.Year = record.Year;
    input.Hour = record.Hour;
    input.Minute = record.Minute;
    input.ZoneHour = record.ZoneHour;
    input.ZoneMinute = record.ZoneMinute;
    input.LonD = record.LonD;
    input.LonM = record.LonM;
    input.LatD = record.LatD;
    input.LatM = record.LatM;
    input.LonEast = record.LonEast;
    input.LatSouth = record.LatSouth;
    input.DST = record.DST;
    input.City = record.City;
    input.State = record.State;
    input.Country = record.Country;
    return input;
}

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
    if (!FlatObjectScanner(line).scan(values)) {
        values = {};
        QJsonParseError parseError{};
        const QJsonDocument document = QJsonDocument::fromJson(
            QByteArray::fromRawData(line.data(), static_cast<qsizetype>(line.size())), &parseError);
        if (parseError.error != QJsonParseError::NoError) {
            return {std::nullopt, QStringLiteral("cannot read the line as JSON: %1 at byte %2")
                                      .arg(parseError.errorString())
                                      .arg(parseError.offset + 1)};
        }
        if (!document.isObject()) {
            return {std::nullopt, QStringLiteral("the line is not a JSON object")};
        }
        readJsonObject(document.object(), values);
    }

    BirthInput input;
    if (auto problem = toBirthInput(values, input)) {
        return {std::nullopt, *problem};
    }
    if (auto problem = checkBirth(input)) {
        return {std::nullopt, problem->message};
    }
    return {toBirthRecord(std::move(input)), {}};
}

ReadingFileBirth readReadingFileBirth(const QString& path) {
    const QString file = QLatin1Char('\'') + printable(path) + QLatin1Char('\'');
    const ReadingReadResult read = ReadReadingFile(path);
    if (!read.texts) {
        return {std::nullopt, file + QLatin1Char(' ') + read.error};
    }
    const ReadingTexts& texts = *read.texts;
    const BirthRecordResult fromTexts = BirthRecordFromTexts(texts);
    if (!fromTexts.record) {
        // The message quotes the bad value; a value from a file may hold line
        // ends or run to kilobytes, so only its start is shown, escaped.
        QString error = fromTexts.error;
        if (fromTexts.line >= 1 && fromTexts.line <= kReadingLineCount) {
            constexpr qsizetype kShownValueLength = 40;
            const QString& value = texts.at(static_cast<std::size_t>(fromTexts.line - 1));
            const QString quoted = QLatin1Char('"') + value + QLatin1Char('"');
            if (const qsizetype at = error.indexOf(quoted); at >= 0) {
                error.replace(at, quoted.size(),
                              QLatin1Char('"') + printable(value, kShownValueLength) +
                                  QLatin1Char('"'));
            }
        }
        return {std::nullopt, file + QStringLiteral(", ") + printable(error)};
    }
    if (const auto problem = checkBirth(birthInputOf(*fromTexts.record))) {
        return {std::nullopt,
                QStringLiteral("%1, line %2: %3")
                    .arg(file, QString::number(lineOfField(problem->field)), problem->message)};
    }
    return {fromTexts.record, {}};
}
