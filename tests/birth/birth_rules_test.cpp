#include "birth/birth_rules.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

// 1 January 2000, 12:00, zone 5:30 East, 77°12' E, 28°36' N, as the window
// holds it.
BirthEntry validEntry() {
    BirthEntry e;
    e.Name = QStringLiteral("RAM");
    e.Month = QStringLiteral("1");
    e.Day = QStringLiteral("1");
    e.Year = QStringLiteral("2000");
    e.Hour = QStringLiteral("12");
    e.Minute = QStringLiteral("0");
    e.ZoneHour = QStringLiteral("-5");
    e.ZoneMinute = QStringLiteral("-30");
    e.LonD = QStringLiteral("77");
    e.LonM = QStringLiteral("12");
    e.LatD = QStringLiteral("28");
    e.LatM = QStringLiteral("36");
    return e;
}

struct EntryCase {
    const char* what;
    std::function<void(BirthEntry&)> change;
    const char* problem; // nullptr when the entry passes
};

TEST(CheckBirthEntry, TheWindowsRulesInTheirOrder) {
    const std::vector<EntryCase> cases = {
        {"valid", [](BirthEntry&) {}, nullptr},
        {"a name of spaces", [](BirthEntry& e) { e.Name = QStringLiteral("   "); },
         "Please Enter Name"},
        {"zone -14 (Line Islands)", [](BirthEntry& e) { e.ZoneHour = QStringLiteral("-14"); },
         nullptr},
        {"zone 14", [](BirthEntry& e) { e.ZoneHour = QStringLiteral(" 14 "); }, nullptr},
        {"zone 15", [](BirthEntry& e) { e.ZoneHour = QStringLiteral("15"); },
         "Please Enter Value Between 0 And 14 in the Zone Hour"},
        {"zone -15", [](BirthEntry& e) { e.ZoneHour = QStringLiteral("-15"); },
         "Please Enter Value Between 0 And 14 in the Zone Hour"},
        {"zone 1-2", [](BirthEntry& e) { e.ZoneHour = QStringLiteral("1-2"); },
         "Please Enter Value Between 0 And 14 in the Zone Hour"},
        {"zone 12.5", [](BirthEntry& e) { e.ZoneHour = QStringLiteral("12.5"); },
         "Please Enter Value Between 0 And 14 in the Zone Hour"},
        {"zone minute 60", [](BirthEntry& e) { e.ZoneMinute = QStringLiteral("60"); },
         "Please Enter Value Between 0 And 59 in the Zone Minute"},
        {"longitude 180", [](BirthEntry& e) { e.LonD = QStringLiteral("180"); },
         "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {"longitude minute -1", [](BirthEntry& e) { e.LonM = QStringLiteral("-1"); },
         "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
        {"latitude 90", [](BirthEntry& e) { e.LatD = QStringLiteral("90"); },
         "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
        {"latitude minute empty", [](BirthEntry& e) { e.LatM.clear(); },
         "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
        {"month 13", [](BirthEntry& e) { e.Month = QStringLiteral("13"); },
         "Month 13 is outside 1 to 12"},
        {"no month chosen", [](BirthEntry& e) { e.Month.clear(); }, "Month is missing"},
        {"month 1.5", [](BirthEntry& e) { e.Month = QStringLiteral("1.5"); },
         "Month 1.5 is not a whole number"},
        // Would wrap to 1 if narrowed to 16 bits before the check.
        {"month 65537", [](BirthEntry& e) { e.Month = QStringLiteral("65537"); },
         "Month 65537 is outside 1 to 12"},
        {"year 2051", [](BirthEntry& e) { e.Year = QStringLiteral("2051"); },
         "Year 2051 is outside 1901 to 2050"},
        {"hour 24", [](BirthEntry& e) { e.Hour = QStringLiteral("24"); },
         "Hour 24 is outside 0 to 23"},
        {"29 February 2000",
         [](BirthEntry& e) {
             e.Month = QStringLiteral("2");
             e.Day = QStringLiteral("29");
         },
         nullptr},
        {"29 February 1901",
         [](BirthEntry& e) {
             e.Month = QStringLiteral("2");
             e.Day = QStringLiteral("29");
             e.Year = QStringLiteral("1901");
         },
         "Please Enter Correct Date Or Month!"},
        {"31 April",
         [](BirthEntry& e) {
             e.Month = QStringLiteral("4");
             e.Day = QStringLiteral("31");
         },
         "Please Enter Correct Date Or Month !"},
        {"the first problem wins",
         [](BirthEntry& e) {
             e.Hour = QStringLiteral("99");
             e.LatD = QStringLiteral("99");
         },
         "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.what);
        BirthEntry entry = validEntry();
        c.change(entry);
        const auto problem = CheckBirthEntry(entry, NameRule::Required);
        if (c.problem == nullptr) {
            EXPECT_FALSE(problem) << problem->message.toStdString();
        } else {
            ASSERT_TRUE(problem);
            EXPECT_EQ(problem->message.toStdString(), c.problem);
        }
    }
}

TEST(CheckBirthEntry, ANameIsTheWindowsOwnRule) {
    BirthEntry entry = validEntry();
    entry.Name.clear();
    EXPECT_TRUE(CheckBirthEntry(entry, NameRule::Required));
    EXPECT_FALSE(CheckBirthEntry(entry, NameRule::Optional));
}

TEST(BirthRecordOf, TheZoneAsMagnitudesAndThePlaceTrimmed) {
    BirthEntry entry = validEntry();
    entry.Name = QStringLiteral(" RAM ");
    entry.City = QStringLiteral("  New Delhi ");
    const BirthRecord record = BirthRecordOf(entry);
    EXPECT_EQ(record.ZoneHour, 5);
    EXPECT_EQ(record.ZoneMinute, 30);
    EXPECT_EQ(record.Name, " RAM "); // the name as typed
    EXPECT_EQ(record.City, "New Delhi");
    EXPECT_EQ(record.Year, 2000);
}

// ---------------------------------------------------------------- files

BirthTexts ramTexts() {
    return {QStringLiteral("RAM"),
            QStringLiteral("8"),
            QStringLiteral("15"),
            QStringLiteral("1947"),
            QStringLiteral("23"),
            QStringLiteral("59"),
            QStringLiteral("5"),
            QStringLiteral("30"),
            QStringLiteral("77"),
            QStringLiteral("12"),
            QStringLiteral("28"),
            QStringLiteral("36"),
            QStringLiteral("True"),
            QStringLiteral("False"),
            QStringLiteral("False"),
            QStringLiteral("Delhi"),
            QString(),
            QStringLiteral("India")};
}

struct LineCase {
    int line;
    const char* text;
    bool damaged;
};

TEST(BirthEntryFromTexts, ADamagedLineIsNamed) {
    const QString tooLong(kMaxNameLength + 1, QLatin1Char('A'));
    const LineCase cases[] = {
        {2, "0", true},    {2, "13", true},   {2, "1.4", true},  {2, "01", true},
        {2, "12", false},  {3, "05", true},   {3, "32", true},   {3, "31", false},
        {4, "1900", true}, {5, "24", true},   {5, " 3", true},   {6, "-0", true},
        {7, "-5", false},  {7, "-13", false}, {7, "+5", true},   {7, "5.5", true},
        {7, "", true},     {8, "-30", false}, {9, "0077", true}, {9, "077", false},
        {10, "-1", true},  {11, "028", true}, {11, "08", false}, {12, "3a", true},
        {13, "yes", true}, {13, "", true},    {13, "no", true},  {13, "tRUE", false},
        {14, "0", false},  {15, "-7", false}, {15, "1.0", true},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "line " << c.line << " \"" << c.text << "\"");
        BirthTexts texts = ramTexts();
        texts.at(static_cast<std::size_t>(c.line - 1)) = QString::fromUtf8(c.text);
        const FileBirthEntry entry = BirthEntryFromTexts(texts);
        EXPECT_EQ(!entry.entry, c.damaged) << entry.problem.toStdString();
        if (c.damaged) {
            EXPECT_EQ(entry.line, c.line);
            EXPECT_TRUE(entry.problem.startsWith(
                QStringLiteral("line %1 (%2): ")
                    .arg(c.line)
                    .arg(BirthFieldName(static_cast<BirthField>(c.line - 1)))))
                << entry.problem.toStdString();
        }
    }
    for (const int line : {1, 16, 17, 18}) {
        BirthTexts texts = ramTexts();
        texts.at(static_cast<std::size_t>(line - 1)) = tooLong;
        EXPECT_EQ(BirthEntryFromTexts(texts).line, line);
        texts.at(static_cast<std::size_t>(line - 1)).chop(1);
        EXPECT_TRUE(BirthEntryFromTexts(texts).entry);
    }
}

TEST(BirthEntryFromTexts, TheZoneLinesAreADirectionAndAZoneId) {
    struct ZoneLineCase {
        const char* direction;
        const char* zone;
        int damagedLine; // 0 when the lines are read
        std::optional<bool> ahead;
    };
    const ZoneLineCase cases[] = {
        {"", "", 0, std::nullopt},
        {"Ahead", "Asia/Kolkata", 0, true},
        {"BEHIND", "America/Argentina/Buenos_Aires", 0, false},
        {"", "Etc/GMT+5", 0, std::nullopt},
        {"Sideways", "", 19, std::nullopt},
        {"True", "", 19, std::nullopt},
        {"Ahead", "Europe/Mad rid", 20, std::nullopt},
        {"", "Europe/Z\u00fcrich", 20, std::nullopt},
    };
    for (const ZoneLineCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.direction << " / " << c.zone);
        const FileBirthEntry entry = BirthEntryFromTexts(
            ramTexts(), {QString::fromUtf8(c.direction), QString::fromUtf8(c.zone)});
        EXPECT_EQ(entry.line, c.damagedLine) << entry.problem.toStdString();
        if (c.damagedLine == 0) {
            ASSERT_TRUE(entry.entry);
            EXPECT_EQ(entry.entry->ZoneAhead, c.ahead);
            EXPECT_EQ(entry.entry->TimeZone, QString::fromUtf8(c.zone));
        }
    }
}

TEST(BirthEntryFromTexts, EveryCanonicalFileGivesBackItsRecord) {
    // What this program and its earlier versions wrote: plain numbers, the
    // words True and False.
    for (const bool east : {true, false}) {
        for (const int zoneHour : {0, 5, 13, 14}) {
            BirthRecord record = BirthRecordOf(validEntry());
            record.LonEast = east;
            record.DST = !east;
            record.ZoneHour = static_cast<std::int16_t>(zoneHour);
            const FileBirthEntry entry = BirthEntryFromTexts(BirthTextsOf(record));
            ASSERT_TRUE(entry.entry) << entry.problem.toStdString();
            const CheckedBirth back = CheckBirth(*entry.entry, NameRule::Required);
            ASSERT_TRUE(back.record);
            EXPECT_EQ(*back.record, record);
        }
    }
}

} // namespace
