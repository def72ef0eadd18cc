#pragma once

// The birth-data rules of the whole program, in one place: what the
// birth-data window accepts, what a reading file may hold, and how the texts
// become a BirthRecord. The window, the reading-file opener, the command
// line's options, its batches and its reading files all go through here, so
// one birth gives one answer everywhere.

#include "engine/birth_record.h"

#include <QString>

#include <array>
#include <optional>
#include <string>

// The fields of a birth, in the order of BirthRecord and of a reading file's
// lines.
enum class BirthField {
    Name,
    Month,
    Day,
    Year,
    Hour,
    Minute,
    ZoneHour,
    ZoneMinute,
    LonD,
    LonM,
    LatD,
    LatM,
    LonEast,
    LatSouth,
    DST,
    City,
    State,
    Country,
};
inline constexpr int kBirthFieldCount = 18;

// "Name", "Month", ... "Country".
QString BirthFieldName(BirthField field);

// The most characters the name and place boxes take, and so the most a
// reading file's name and place lines may hold.
inline constexpr int kMaxNameLength = 255;

// The 18 texts of a birth in the record's order: a reading file's lines.
using BirthTexts = std::array<QString, kBirthFieldCount>;

// A birth as the birth-data window holds it: the boxes' texts as typed, the
// lists' choices as numbers (Month 1 to 12; an empty text when a list has no
// choice), the option buttons and the check box.
struct BirthEntry {
    QString Name;
    QString Month;
    QString Day;
    QString Year;
    QString Hour;
    QString Minute;
    QString ZoneHour;
    QString ZoneMinute;
    QString LonD;
    QString LonM;
    QString LatD;
    QString LatM;
    bool LonEast = true;
    bool LatSouth = false;
    bool DST = false;
    QString City;
    QString State;
    QString Country;
    // The zone's direction when the user chose one (true ahead of universal
    // time); unset, it comes from the longitude. The birthplace's IANA zone
    // id, or empty.
    std::optional<bool> ZoneAhead;
    QString TimeZone;

    friend bool operator==(const BirthEntry&, const BirthEntry&) = default;
};

enum class ProblemIcon { Information, Critical };

// The first thing wrong with a birth: the message the window shows, its icon,
// and the box the window then puts the keyboard focus in (none for the date).
struct BirthProblem {
    BirthField field = BirthField::Name;
    QString message;
    ProblemIcon icon = ProblemIcon::Critical;
    std::optional<BirthField> focus;
};

// The window requires a name; the command line's options and batches do not.
enum class NameRule { Required, Optional };

// The first problem of an entry in the window's order: the name, the zone
// hour (-14 to 14, its sign is dropped), the zone minute (-59 to 59), the
// degrees and minutes of longitude (0 to 179, 0 to 59) and latitude (0 to 89,
// 0 to 59), each a whole number once the spaces around it are dropped; then
// the lists' values (month 1 to 12, day 1 to 31, year 1901 to 2050, hour 0 to
// 23, minute 0 to 59), which the window's lists always hold; then whether the
// month has the day (29 February in years divisible by 4).
std::optional<BirthProblem> CheckBirthEntry(const BirthEntry& entry, NameRule rule);

// The record of an entry that CheckBirthEntry accepted: the zone as
// magnitudes, the name as typed, the place without the spaces around it.
BirthRecord BirthRecordOf(const BirthEntry& entry);

// Both: the record, or the first problem.
struct CheckedBirth {
    std::optional<BirthRecord> record;
    std::optional<BirthProblem> problem;
};
CheckedBirth CheckBirth(const BirthEntry& entry, NameRule rule);

// A birth whose numbers have been read already (a batch line's): the same
// rules and messages, without going through texts. Numbers holds Month to
// LatM in the record's order; a number that is not whole fails as a text that
// is not a whole number does.
struct BirthValues {
    std::string Name;
    std::array<double, 11> Numbers{};
    bool LonEast = false;
    bool LatSouth = false;
    bool DST = false;
    std::string City;
    std::string State;
    std::string Country;
    std::optional<bool> ZoneAhead;
    std::string TimeZone;
};
CheckedBirth CheckBirthValues(BirthValues values, NameRule rule);

// ---------------------------------------------------------------- files

// The texts a reading file stores for a record: the name and place without
// the spaces around them, numbers in plain decimal, the flags True or False.
BirthTexts BirthTextsOf(const BirthRecord& record);

// The optional lines after the 18 of a reading file: the zone's direction,
// "Ahead" or "Behind" (any case), empty for the longitude's; and the IANA zone
// id, or empty. A file writes them only when one of them is not empty.
struct ZoneTexts {
    QString direction;
    QString zoneId;
    bool empty() const { return direction.isEmpty() && zoneId.isEmpty(); }
    friend bool operator==(const ZoneTexts&, const ZoneTexts&) = default;
};
ZoneTexts ZoneTextsOf(const BirthRecord& record);

// "Please Check The File.": the window's one message for a reading file it
// cannot use.
QString CheckFileMessage();

// What a reading file's texts put into the window, or the first line that the
// window could not show exactly as the file holds it, or that its keys could
// not have typed: numbers are digits (a leading minus only in the zone),
// within the boxes' lengths, the lists' numbers exactly as the lists write
// them; the flags True or False in any case, or a whole number (0 is false);
// the name and the place at most kMaxNameLength characters.
struct FileBirthEntry {
    std::optional<BirthEntry> entry;
    int line = 0;    // 1 to 20, the first damaged line
    QString problem; // "line 3 (Day): \"05\" is not a day of the list"
};
FileBirthEntry BirthEntryFromTexts(const BirthTexts& texts, const ZoneTexts& zone = {});
