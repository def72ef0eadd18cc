#include "birth/birth_rules.h"

#include "birth/trim_spaces.h"

#include <QLatin1StringView>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace {

constexpr std::array<const char*, kBirthFieldCount> kFieldNames = {
    "Name", "Month", "Day",  "Year",    "Hour",     "Minute", "ZoneHour", "ZoneMinute", "LonD",
    "LonM", "LatD",  "LatM", "LonEast", "LatSouth", "DST",    "City",     "State",      "Country"};

std::size_t indexOf(BirthField field) {
    return static_cast<std::size_t>(field);
}

bool isAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

bool allDigits(QStringView text, qsizetype from = 0) {
    if (text.size() <= from) {
        return false;
    }
    for (qsizetype i = from; i < text.size(); ++i) {
        if (!isAsciiDigit(text.at(i))) {
            return false;
        }
    }
    return true;
}

// The text without the spaces around it, as a view.
QStringView trimmedView(QStringView text) {
    while (!text.isEmpty() && text.front() == QLatin1Char(' ')) {
        text = text.mid(1);
    }
    while (!text.isEmpty() && text.back() == QLatin1Char(' ')) {
        text.chop(1);
    }
    return text;
}

// The value of a text that reads as a whole number once the spaces around it
// are dropped: an optional sign, then decimal digits and nothing else. "-",
// "1-2", "12abc", "1.5" and numbers too long to hold are not whole numbers.
std::optional<long long> wholeNumber(QStringView text) {
    const QStringView trimmed = trimmedView(text);
    const bool negative = trimmed.startsWith(QLatin1Char('-'));
    const bool signedText = negative || trimmed.startsWith(QLatin1Char('+'));
    if (!allDigits(trimmed, signedText ? 1 : 0)) {
        return std::nullopt;
    }
    constexpr long long kLargest = std::numeric_limits<long long>::max() / 10 - 10;
    long long value = 0;
    for (qsizetype i = signedText ? 1 : 0; i < trimmed.size(); ++i) {
        if (value > kLargest) {
            return std::nullopt; // more digits than any field could hold
        }
        value = value * 10 + (trimmed.at(i).unicode() - u'0');
    }
    return negative ? -value : value;
}

// A number's value when it is whole and of a size a text could hold.
std::optional<long long> wholeValue(double number) {
    constexpr double kLargest = 1e15;
    if (!(std::fabs(number) < kLargest) || std::floor(number) != number) {
        return std::nullopt;
    }
    return static_cast<long long>(number);
}

QString shortestText(double number) {
    std::array<char, 32> digits{};
    const auto [end, error] = std::to_chars(digits.data(), digits.data() + digits.size(), number);
    return error == std::errc() ? QString::fromLatin1(digits.data(), end - digits.data())
                                : QStringLiteral("?");
}

// ---------------------------------------------------------------- the window's boxes

struct BoxRule {
    BirthField field;
    QString BirthEntry::*text;
    long long lowest;
    long long highest;
    const char* message;
};

// East of Greenwich the time-zone picker writes the zone as negative hours
// and minutes; every offset in use lies within 14 hours of universal time.
const std::array<BoxRule, 6> kBoxRules = {{
    {BirthField::ZoneHour, &BirthEntry::ZoneHour, -14, 14,
     QT_TRANSLATE_NOOP("BirthRules", "Please Enter Value Between 0 And 14 in the Zone Hour")},
    {BirthField::ZoneMinute, &BirthEntry::ZoneMinute, -59, 59,
     QT_TRANSLATE_NOOP("BirthRules", "Please Enter Value Between 0 And 59 in the Zone Minute")},
    {BirthField::LonD, &BirthEntry::LonD, 0, 179,
     QT_TRANSLATE_NOOP("BirthRules",
                       "Please Enter Value Between 0 And 179 in the Degree of Longitude")},
    {BirthField::LonM, &BirthEntry::LonM, 0, 59,
     QT_TRANSLATE_NOOP("BirthRules",
                       "Please Enter Value Between 0 And 59 in the  Minute of Longitude")},
    {BirthField::LatD, &BirthEntry::LatD, 0, 89,
     QT_TRANSLATE_NOOP("BirthRules",
                       "Please Enter Value Between 0 And 89 in the Degree of Latitude")},
    {BirthField::LatM, &BirthEntry::LatM, 0, 59,
     QT_TRANSLATE_NOOP("BirthRules",
                       "Please Enter Value Between 0 And 59 in the  Minute of Latitude")},
}};

// ---------------------------------------------------------------- the window's lists

struct ListRule {
    BirthField field;
    QString BirthEntry::*text;
    int first;
    int last;
};

const std::array<ListRule, 5> kListRules = {{
    {BirthField::Month, &BirthEntry::Month, 1, 12},
    {BirthField::Day, &BirthEntry::Day, 1, 31},
    {BirthField::Year, &BirthEntry::Year, 1901, 2050},
    {BirthField::Hour, &BirthEntry::Hour, 0, 23},
    {BirthField::Minute, &BirthEntry::Minute, 0, 59},
}};

// The eleven numbers of a birth, Month to LatM, as whole values: none for a
// text that is no whole number (or empty).
constexpr std::size_t kNumberCount = 11;
using Numbers = std::array<std::optional<long long>, kNumberCount>;

std::size_t numberIndex(BirthField field) {
    return static_cast<std::size_t>(field) - static_cast<std::size_t>(BirthField::Month);
}

// The window's rules over the numbers, in the window's order. shown(field)
// gives a value's text for the lists' messages (empty when missing); it is
// asked only when a list's value is not a whole number.
template <typename Shown>
std::optional<BirthProblem> checkNumbers(bool noName, NameRule rule, const Numbers& numbers,
                                         Shown shown) {
    if (rule == NameRule::Required && noName) {
        return BirthProblem{BirthField::Name,
                            QStringLiteral(QT_TRANSLATE_NOOP("BirthRules", "Please Enter Name")),
                            ProblemIcon::Critical, BirthField::Name};
    }
    // Each box must hold a whole number in its range, or the reading would
    // silently use another value.
    for (const BoxRule& box : kBoxRules) {
        const std::optional<long long>& value = numbers[numberIndex(box.field)];
        if (!value || *value < box.lowest || *value > box.highest) {
            return BirthProblem{box.field, QLatin1StringView(box.message), ProblemIcon::Critical,
                                box.field};
        }
    }
    for (const ListRule& list : kListRules) {
        const std::optional<long long>& value = numbers[numberIndex(list.field)];
        const QString name = BirthFieldName(list.field);
        QString message;
        if (!value) {
            const QString text = shown(list.field);
            message = text.isEmpty()
                          ? QStringLiteral("%1 is missing").arg(name)
                          : QStringLiteral("%1 %2 is not a whole number").arg(name, text);
        } else if (*value < list.first || *value > list.last) {
            message = QStringLiteral("%1 %2 is outside %3 to %4")
                          .arg(name)
                          .arg(*value)
                          .arg(list.first)
                          .arg(list.last);
        }
        if (!message.isEmpty()) {
            return BirthProblem{list.field, message, ProblemIcon::Critical, std::nullopt};
        }
    }
    // Every year divisible by 4 is a leap year, which holds for 1901 to 2050.
    const long long month = *numbers[numberIndex(BirthField::Month)];
    const long long day = *numbers[numberIndex(BirthField::Day)];
    const bool leapYear = *numbers[numberIndex(BirthField::Year)] % 4 == 0;
    if (month == 2 && day > (leapYear ? 29 : 28)) {
        return BirthProblem{
            BirthField::Day,
            QStringLiteral(QT_TRANSLATE_NOOP("BirthRules", "Please Enter Correct Date Or Month!")),
            ProblemIcon::Information, std::nullopt};
    }
    const bool thirtyDays = month == 4 || month == 6 || month == 9 || month == 11;
    if (thirtyDays && day == 31) {
        return BirthProblem{
            BirthField::Day,
            QStringLiteral(QT_TRANSLATE_NOOP("BirthRules", "Please Enter Correct Date Or Month !")),
            ProblemIcon::Information, std::nullopt};
    }
    return std::nullopt;
}

Numbers numbersOf(const BirthEntry& entry) {
    Numbers numbers;
    for (const BoxRule& box : kBoxRules) {
        numbers[numberIndex(box.field)] = wholeNumber(entry.*box.text);
    }
    for (const ListRule& list : kListRules) {
        numbers[numberIndex(list.field)] = wholeNumber(entry.*list.text);
    }
    return numbers;
}

// The record of checked numbers; the zone's sign is dropped, as its direction
// comes from the longitude.
void fillNumbers(const Numbers& n, BirthRecord& record) {
    const auto field = [&n](BirthField f) {
        return static_cast<std::int16_t>(n[numberIndex(f)].value_or(0));
    };
    const auto magnitude = [&n](BirthField f) {
        return static_cast<std::int16_t>(std::llabs(n[numberIndex(f)].value_or(0)));
    };
    record.Month = field(BirthField::Month);
    record.Day = field(BirthField::Day);
    record.Year = field(BirthField::Year);
    record.Hour = field(BirthField::Hour);
    record.Minute = field(BirthField::Minute);
    record.ZoneHour = magnitude(BirthField::ZoneHour);
    record.ZoneMinute = magnitude(BirthField::ZoneMinute);
    record.LonD = field(BirthField::LonD);
    record.LonM = field(BirthField::LonM);
    record.LatD = field(BirthField::LatD);
    record.LatM = field(BirthField::LatM);
}

std::string trimmedSpaces(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// ---------------------------------------------------------------- conversion

QString flagText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

// ---------------------------------------------------------------- files

// How a number line of a reading file may look: the list lines exactly as a
// list writes its items, the box lines as the box's keys could type them
// within the box's length.
struct NumberLine {
    BirthField field;
    bool list;     // one of the window's lists
    bool zone;     // the zone boxes also take a leading minus
    int maxLength; // the box's length; 0 for no limit
};

constexpr std::array<NumberLine, 11> kNumberLines = {{
    {BirthField::Month, true, false, 0},
    {BirthField::Day, true, false, 0},
    {BirthField::Year, true, false, 0},
    {BirthField::Hour, true, false, 0},
    {BirthField::Minute, true, false, 0},
    {BirthField::ZoneHour, false, true, 0},
    {BirthField::ZoneMinute, false, true, 0},
    {BirthField::LonD, false, false, 3},
    {BirthField::LonM, false, false, 2},
    {BirthField::LatD, false, false, 2},
    {BirthField::LatM, false, false, 2},
}};

QString quoted(const QString& text) {
    constexpr qsizetype kShown = 40;
    QString shown;
    for (qsizetype i = 0; i < text.size() && i < kShown; ++i) {
        const QChar c = text.at(i);
        shown += c.isPrint() ? QString(c)
                             : QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
    }
    if (text.size() > kShown) {
        shown += QLatin1StringView("...");
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// What is wrong with a number line, or an empty text.
QString numberLineProblem(const NumberLine& rule, const QString& text) {
    if (rule.list) {
        for (const ListRule& list : kListRules) {
            if (list.field != rule.field) {
                continue;
            }
            const bool canonical =
                allDigits(text) && (text.size() == 1 || text.at(0) != QLatin1Char('0'));
            const auto value = canonical ? wholeNumber(text) : std::nullopt;
            if (!value || *value < list.first || *value > list.last) {
                return QStringLiteral("%1 is not one of the list's values %2 to %3")
                    .arg(quoted(text))
                    .arg(list.first)
                    .arg(list.last);
            }
        }
        return {};
    }
    const bool minus = rule.zone && text.startsWith(QLatin1Char('-'));
    if (!allDigits(text, minus ? 1 : 0)) {
        return rule.zone ? QStringLiteral("%1 is not digits with an optional leading minus")
                               .arg(quoted(text))
                         : QStringLiteral("%1 is not digits").arg(quoted(text));
    }
    if (rule.maxLength > 0 && text.size() > rule.maxLength) {
        return QStringLiteral("%1 is longer than the box's %2 characters")
            .arg(quoted(text))
            .arg(rule.maxLength);
    }
    return {};
}

// An IANA zone id as the time-zone database spells them ("America/New_York",
// "Etc/GMT+5"), or empty.
bool isZoneIdText(const QString& text) {
    constexpr qsizetype kMaxZoneIdLength = 64;
    if (text.size() > kMaxZoneIdLength) {
        return false;
    }
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || isAsciiDigit(c) ||
               c == QLatin1Char('/') || c == QLatin1Char('_') || c == QLatin1Char('-') ||
               c == QLatin1Char('+');
    });
}

std::optional<bool> flagOf(const QString& text) {
    if (text.compare(QLatin1StringView("True"), Qt::CaseInsensitive) == 0) {
        return true;
    }
    if (text.compare(QLatin1StringView("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    const bool minus = text.startsWith(QLatin1Char('-'));
    if (!allDigits(text, minus ? 1 : 0)) {
        return std::nullopt;
    }
    // A whole number of any length: only whether it is 0 counts.
    for (qsizetype i = minus ? 1 : 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('0')) {
            return true;
        }
    }
    return false;
}

} // namespace

QString BirthFieldName(BirthField field) {
    return QLatin1StringView(kFieldNames.at(indexOf(field)));
}

std::optional<BirthProblem> CheckBirthEntry(const BirthEntry& entry, NameRule rule) {
    return checkNumbers(TrimSpaces(entry.Name).isEmpty(), rule, numbersOf(entry),
                        [&entry](BirthField field) {
                            for (const ListRule& list : kListRules) {
                                if (list.field == field) {
                                    return TrimSpaces(entry.*list.text);
                                }
                            }
                            return QString();
                        });
}

BirthRecord BirthRecordOf(const BirthEntry& entry) {
    BirthRecord record;
    record.Name = entry.Name.toStdString();
    fillNumbers(numbersOf(entry), record);
    record.LonEast = entry.LonEast;
    record.LatSouth = entry.LatSouth;
    record.DST = entry.DST;
    record.City = TrimSpaces(entry.City).toStdString();
    record.State = TrimSpaces(entry.State).toStdString();
    record.Country = TrimSpaces(entry.Country).toStdString();
    record.ZoneAhead = entry.ZoneAhead;
    record.TimeZone = entry.TimeZone.toStdString();
    return record;
}

CheckedBirth CheckBirth(const BirthEntry& entry, NameRule rule) {
    if (auto problem = CheckBirthEntry(entry, rule)) {
        return {std::nullopt, std::move(problem)};
    }
    return {BirthRecordOf(entry), std::nullopt};
}

CheckedBirth CheckBirthValues(BirthValues values, NameRule rule) {
    Numbers numbers;
    for (std::size_t i = 0; i < kNumberCount; ++i) {
        numbers[i] = wholeValue(values.Numbers[i]);
    }
    const bool noName = values.Name.find_first_not_of(' ') == std::string::npos;
    if (auto problem = checkNumbers(noName, rule, numbers, [&values](BirthField field) {
            return shortestText(values.Numbers[numberIndex(field)]);
        })) {
        return {std::nullopt, std::move(problem)};
    }
    BirthRecord record;
    record.Name = std::move(values.Name);
    fillNumbers(numbers, record);
    record.LonEast = values.LonEast;
    record.LatSouth = values.LatSouth;
    record.DST = values.DST;
    record.City = trimmedSpaces(values.City);
    record.State = trimmedSpaces(values.State);
    record.Country = trimmedSpaces(values.Country);
    record.ZoneAhead = values.ZoneAhead;
    record.TimeZone = std::move(values.TimeZone);
    return {std::move(record), std::nullopt};
}

BirthTexts BirthTextsOf(const BirthRecord& r) {
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

ZoneTexts ZoneTextsOf(const BirthRecord& record) {
    ZoneTexts texts;
    if (record.ZoneAhead) {
        texts.direction = *record.ZoneAhead ? QStringLiteral("Ahead") : QStringLiteral("Behind");
    }
    texts.zoneId = QString::fromStdString(record.TimeZone);
    return texts;
}

QString CheckFileMessage() {
    return QStringLiteral(QT_TRANSLATE_NOOP("BirthRules", "Please Check The File."));
}

FileBirthEntry BirthEntryFromTexts(const BirthTexts& texts, const ZoneTexts& zone) {
    const auto text = [&texts](BirthField field) -> const QString& {
        return texts.at(indexOf(field));
    };
    const auto damagedLine = [](int line, const QString& name, const QString& what) {
        return FileBirthEntry{std::nullopt, line,
                              QStringLiteral("line %1 (%2): %3").arg(line).arg(name, what)};
    };
    const auto damaged = [&damagedLine](BirthField field, const QString& what) {
        return damagedLine(static_cast<int>(field) + 1, BirthFieldName(field), what);
    };

    for (const BirthField field :
         {BirthField::Name, BirthField::City, BirthField::State, BirthField::Country}) {
        if (text(field).size() > kMaxNameLength) {
            return damaged(field, QStringLiteral("%1 characters, more than the box's %2")
                                      .arg(text(field).size())
                                      .arg(kMaxNameLength));
        }
    }
    for (const NumberLine& rule : kNumberLines) {
        if (const QString problem = numberLineProblem(rule, text(rule.field)); !problem.isEmpty()) {
            return damaged(rule.field, problem);
        }
    }
    std::array<bool, 3> flags{};
    const std::array<BirthField, 3> flagFields = {BirthField::LonEast, BirthField::LatSouth,
                                                  BirthField::DST};
    for (std::size_t i = 0; i < flagFields.size(); ++i) {
        const auto value = flagOf(text(flagFields.at(i)));
        if (!value) {
            return damaged(flagFields.at(i),
                           QStringLiteral("%1 is neither True, False nor a whole number")
                               .arg(quoted(text(flagFields.at(i)))));
        }
        flags.at(i) = *value;
    }

    std::optional<bool> ahead;
    if (zone.direction.compare(QLatin1StringView("Ahead"), Qt::CaseInsensitive) == 0) {
        ahead = true;
    } else if (zone.direction.compare(QLatin1StringView("Behind"), Qt::CaseInsensitive) == 0) {
        ahead = false;
    } else if (!zone.direction.isEmpty()) {
        return damagedLine(
            kBirthFieldCount + 1, QStringLiteral("ZoneDirection"),
            QStringLiteral("%1 is neither Ahead, Behind nor empty").arg(quoted(zone.direction)));
    }
    if (!isZoneIdText(zone.zoneId)) {
        return damagedLine(kBirthFieldCount + 2, QStringLiteral("TimeZone"),
                           QStringLiteral("%1 is not a zone id").arg(quoted(zone.zoneId)));
    }

    BirthEntry entry;
    entry.Name = text(BirthField::Name);
    entry.Month = text(BirthField::Month);
    entry.Day = text(BirthField::Day);
    entry.Year = text(BirthField::Year);
    entry.Hour = text(BirthField::Hour);
    entry.Minute = text(BirthField::Minute);
    entry.ZoneHour = text(BirthField::ZoneHour);
    entry.ZoneMinute = text(BirthField::ZoneMinute);
    entry.LonD = text(BirthField::LonD);
    entry.LonM = text(BirthField::LonM);
    entry.LatD = text(BirthField::LatD);
    entry.LatM = text(BirthField::LatM);
    entry.LonEast = flags[0];
    entry.LatSouth = flags[1];
    entry.DST = flags[2];
    entry.City = text(BirthField::City);
    entry.State = text(BirthField::State);
    entry.Country = text(BirthField::Country);
    entry.ZoneAhead = ahead;
    entry.TimeZone = zone.zoneId;
    return {entry, 0, {}};
}
