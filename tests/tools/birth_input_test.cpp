#include "tools/birth_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

BirthInput validInput() {
    BirthInput input;
    input.Month = 1;
    input.Day = 1;
    input.Year = 2000;
    input.Hour = 12;
    input.Minute = 0;
    input.ZoneHour = 5;
    input.ZoneMinute = 30;
    input.LonD = 77;
    input.LonM = 12;
    input.LatD = 28;
    input.LatM = 36;
    input.LonEast = true;
    return input;
}

// ---------------------------------------------------------------- checkBirth

struct RangeCase {
    const char* what;
    std::function<void(BirthInput&)> change;
    const char* problem; // nullptr when the birth passes
};

TEST(CheckBirth, RangesOfTheBirthDataWindow) {
    const std::vector<RangeCase> cases = {
        {"valid", [](BirthInput&) {}, nullptr},
        {"month 0", [](BirthInput& b) { b.Month = 0; }, "Month 0 is outside 1 to 12"},
        {"month 12", [](BirthInput& b) { b.Month = 12; }, nullptr},
        {"month 13", [](BirthInput& b) { b.Month = 13; }, "Month 13 is outside 1 to 12"},
        // Would wrap to 1 if narrowed to 16 bits before the check.
        {"month 65537", [](BirthInput& b) { b.Month = 65537; }, "Month 65537 is outside 1 to 12"},
        {"month 1.5", [](BirthInput& b) { b.Month = 1.5; }, "Month 1.5 is not a whole number"},
        {"day 0", [](BirthInput& b) { b.Day = 0; }, "Day 0 is outside 1 to 31"},
        {"day 32", [](BirthInput& b) { b.Day = 32; }, "Day 32 is outside 1 to 31"},
        {"31 January", [](BirthInput& b) { b.Day = 31; }, nullptr},
        {"31 April",
         [](BirthInput& b) {
             b.Month = 4;
             b.Day = 31;
         },
         "Day 31 does not exist in April 2000"},
        {"29 February 2000",
         [](BirthInput& b) {
             b.Month = 2;
             b.Day = 29;
         },
         nullptr},
        {"29 February 1901",
         [](BirthInput& b) {
             b.Month = 2;
             b.Day = 29;
             b.Year = 1901;
         },
         "Day 29 does not exist in February 1901"},
        {"30 February 2000",
         [](BirthInput& b) {
             b.Month = 2;
             b.Day = 30;
         },
         "Day 30 does not exist in February 2000"},
        {"year 1900", [](BirthInput& b) { b.Year = 1900; }, "Year 1900 is outside 1901 to 2050"},
        {"year 1901", [](BirthInput& b) { b.Year = 1901; }, nullptr},
        {"year 2050", [](BirthInput& b) { b.Year = 2050; }, nullptr},
        {"year 2051", [](BirthInput& b) { b.Year = 2051; }, "Year 2051 is outside 1901 to 2050"},
        {"hour -1", [](BirthInput& b) { b.Hour = -1; }, "Hour -1 is outside 0 to 23"},
        {"hour 24", [](BirthInput& b) { b.Hour = 24; }, "Hour 24 is outside 0 to 23"},
        {"minute 60", [](BirthInput& b) { b.Minute = 60; }, "Minute 60 is outside 0 to 59"},
        {"zone 14", [](BirthInput& b) { b.ZoneHour = 14; }, nullptr},
        {"zone 15", [](BirthInput& b) { b.ZoneHour = 15; }, "ZoneHour 15 is outside 0 to 14"},
        {"zone minute 60", [](BirthInput& b) { b.ZoneMinute = 60; },
         "ZoneMinute 60 is outside 0 to 59"},
        {"longitude 179", [](BirthInput& b) { b.LonD = 179; }, nullptr},
        {"longitude 180", [](BirthInput& b) { b.LonD = 180; }, "LonD 180 is outside 0 to 179"},
        {"longitude minute 60", [](BirthInput& b) { b.LonM = 60; }, "LonM 60 is outside 0 to 59"},
        {"latitude 89", [](BirthInput& b) { b.LatD = 89; }, nullptr},
        {"latitude 90", [](BirthInput& b) { b.LatD = 90; }, "LatD 90 is outside 0 to 89"},
        {"latitude minute -1", [](BirthInput& b) { b.LatM = -1; }, "LatM -1 is outside 0 to 59"},
        {"first problem wins",
         [](BirthInput& b) {
             b.Hour = 99;
             b.LatD = 99;
         },
         "Hour 99 is outside 0 to 23"},
    };
    for (const auto& c : cases) {
        BirthInput input = validInput();
        c.change(input);
        const auto problem = checkBirth(input);
        if (c.problem == nullptr) {
            EXPECT_FALSE(problem) << c.what << ": " << problem->message.toStdString();
        } else {
            ASSERT_TRUE(problem) << c.what;
            EXPECT_EQ(problem->message.toStdString(), c.problem) << c.what;
        }
    }
}

// ---------------------------------------------------------------- batch lines

const std::string kValidLine =
    R"({"Month": 1, "Day": 1, "Year": 2000, "Hour": 12, "Minute": 0, "ZoneHour": 5,)"
    R"( "ZoneMinute": 30, "LonD": 77, "LonM": 12, "LonEast": true, "LatD": 28, "LatM": 36,)"
    R"( "LatSouth": false, "DST": false})";

// kValidLine with text put in place of its closing brace.
std::string validLineWith(const std::string& more) {
    return kValidLine.substr(0, kValidLine.size() - 1) + more + "}";
}

std::string replaced(std::string line, const std::string& from, const std::string& to) {
    const auto at = line.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return line.replace(at, from.size(), to);
}

TEST(ReadBatchLine, ReadsEveryField) {
    const BatchLine read = readBatchLine(
        validLineWith(R"(, "Name": "RAM", "City": "Delhi", "State": "Delhi", "Country": "India")"));
    ASSERT_TRUE(read.birth) << read.error.toStdString();
    BirthRecord expected;
    expected.Name = "RAM";
    expected.Month = 1;
    expected.Day = 1;
    expected.Year = 2000;
    expected.Hour = 12;
    expected.ZoneHour = 5;
    expected.ZoneMinute = 30;
    expected.LonD = 77;
    expected.LonM = 12;
    expected.LatD = 28;
    expected.LatM = 36;
    expected.LonEast = true;
    expected.City = "Delhi";
    expected.State = "Delhi";
    expected.Country = "India";
    EXPECT_EQ(*read.birth, expected);
}

TEST(ReadBatchLine, AcceptedShapes) {
    const std::vector<std::pair<const char*, std::string>> lines = {
        {"line end", kValidLine + "\n"},
        {"Windows line end", kValidLine + "\r\n"},
        {"byte-order mark", "\xEF\xBB\xBF" + kValidLine},
        {"no blanks", R"({"Month":1,"Day":1,"Year":2000,"Hour":12,"Minute":0,"ZoneHour":5,)"
                      R"("ZoneMinute":30,"LonD":77,"LonM":12,"LonEast":true,"LatD":28,)"
                      R"("LatM":36,"LatSouth":false,"DST":false})"},
        {"blanks everywhere", " { \"Month\" : 1 , \"Day\" :1,\"Year\":2000,\"Hour\":12,"
                              "\"Minute\":0,\"ZoneHour\":5,\"ZoneMinute\":30,\"LonD\":77,"
                              "\"LonM\":12,\"LonEast\":true,\"LatD\":28,\"LatM\":36,"
                              "\"LatSouth\":false,\"DST\":false } "},
        {"other keys", validLineWith(R"(, "id": 7, "note": "x")")},
        {"a nested value under another key", validLineWith(R"(, "tags": [1, {"a": null}])")},
        {"null texts", validLineWith(R"(, "Name": null, "City": null)")},
        {"whole numbers written as fractions",
         replaced(kValidLine, "\"Hour\": 12", "\"Hour\": 12.0")},
        {"exponent", replaced(kValidLine, "\"Year\": 2000", "\"Year\": 2e3")},
        {"escaped name", validLineWith(R"(, "Name": "\u0052AM")")},
        {"UTF-8 name", validLineWith(", \"Name\": \"\xC3\x89MILE\"")},
    };
    for (const auto& [what, line] : lines) {
        const BatchLine read = readBatchLine(line);
        ASSERT_TRUE(read.birth) << what << ": " << read.error.toStdString();
        EXPECT_EQ(read.birth->Year, 2000) << what;
        EXPECT_EQ(read.birth->Hour, 12) << what;
        EXPECT_EQ(read.birth->LonM, 12) << what;
        EXPECT_TRUE(read.birth->LonEast) << what;
    }
}

TEST(ReadBatchLine, TextsAreDecoded) {
    // Escapes and characters beyond ASCII take the general JSON reader; both
    // ways must give the same record.
    const BatchLine plain = readBatchLine(validLineWith(R"(, "Name": "RAM", "City": "A \"B\"")"));
    const BatchLine escaped =
        readBatchLine(validLineWith(R"(, "Name": "\u0052AM", "City": "A \"B\"")"));
    ASSERT_TRUE(plain.birth);
    ASSERT_TRUE(escaped.birth);
    EXPECT_EQ(*plain.birth, *escaped.birth);
    EXPECT_EQ(escaped.birth->City, "A \"B\"");
    const BatchLine utf8 = readBatchLine(validLineWith(", \"Name\": \"\xC3\x89MILE\""));
    ASSERT_TRUE(utf8.birth);
    EXPECT_EQ(utf8.birth->Name, "\xC3\x89MILE");
}

TEST(ReadBatchLine, ARepeatedKeyCountsLast) {
    for (const std::string extra : {R"(, "Hour": 7)", R"(, "Hour": 7, "Name": "\u0041")"}) {
        const BatchLine read = readBatchLine(validLineWith(extra));
        ASSERT_TRUE(read.birth) << extra;
        EXPECT_EQ(read.birth->Hour, 7) << extra;
    }
}

TEST(ReadBatchLine, Errors) {
    const std::vector<std::pair<std::string, const char*>> cases = {
        {"", "the line is empty"},
        {"  \t", "the line is empty"},
        {"\r", "the line is empty"},
        {"not json", "cannot read the line as JSON: illegal value at byte 2"},
        {kValidLine + ",", "cannot read the line as JSON: garbage at the end of the document"},
        {R"({"Month": 1,})", "cannot read the line as JSON"},
        {"[1, 2]", "the line is not a JSON object"},
        {R"({"Month": 1})", "Day is missing"},
        {replaced(kValidLine, ", \"DST\": false", ""), "DST is missing"},
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": \"1\""), "Month must be a number"},
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": null"), "Month must be a number"},
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": [1]"), "Month must be a number"},
        {replaced(kValidLine, "\"LonEast\": true", "\"LonEast\": 1"),
         "LonEast must be true or false"},
        {validLineWith(R"(, "Name": 5)"), "Name must be a text"},
        {validLineWith(R"(, "Country": {"x": "y"})"), "Country must be a text"},
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": 13"), "Month 13 is outside 1 to 12"},
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": 65537"),
         "Month 65537 is outside 1 to 12"},
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": 1e400"), "illegal number"},
        {replaced(kValidLine, "\"Minute\": 0", "\"Minute\": 0.5"),
         "Minute 0.5 is not a whole number"},
        {replaced(kValidLine, "\"Day\": 1", "\"Day\": 31") + "x", "cannot read the line as JSON"},
        {replaced(replaced(replaced(kValidLine, "\"Month\": 1", "\"Month\": 2"), "\"Day\": 1",
                           "\"Day\": 29"),
                  "\"Year\": 2000", "\"Year\": 2001"),
         "Day 29 does not exist in February 2001"},
        // A field of the wrong type is reported before a value out of range,
        // and fields in the record's order whatever the order of the line.
        {replaced(replaced(kValidLine, "\"Month\": 1", "\"Month\": 13"), "\"LatM\": 36",
                  "\"LatM\": \"x\""),
         "LatM must be a number"},
        {"{\"LatM\": \"x\", " + replaced(replaced(kValidLine, "\"Month\": 1", "\"Month\": \"x\""),
                                         " \"LatM\": 36,", "")
                                    .substr(1),
         "Month must be a number"},
    };
    for (const auto& [line, expected] : cases) {
        const BatchLine read = readBatchLine(line);
        EXPECT_FALSE(read.birth) << line;
        EXPECT_NE(read.error.toStdString().find(expected), std::string::npos)
            << line << "\n  gave: " << read.error.toStdString() << "\n  want: " << expected;
    }
}

} // namespace
