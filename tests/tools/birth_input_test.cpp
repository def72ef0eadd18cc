#include "tools/birth_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

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
        // As the window reads a zone typed with a minus: its size alone.
        {"a zone with a minus", replaced(kValidLine, "\"ZoneHour\": 5", "\"ZoneHour\": -5")},
    };
    for (const auto& [what, line] : lines) {
        const BatchLine read = readBatchLine(line);
        ASSERT_TRUE(read.birth) << what << ": " << read.error.toStdString();
        EXPECT_EQ(read.birth->Year, 2000) << what;
        EXPECT_EQ(read.birth->Hour, 12) << what;
        EXPECT_EQ(read.birth->LonM, 12) << what;
        EXPECT_TRUE(read.birth->LonEast) << what;
        EXPECT_EQ(read.birth->ZoneHour, 5) << what;
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
        {"not json", "cannot read the line as JSON: invalid value at byte 2"},
        {kValidLine + ",",
         "cannot read the line as JSON: the document root must not be followed by other values"},
        {kValidLine + std::string(1, '\0') + "x", "must not be followed by other values"},
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
        {replaced(kValidLine, "\"Month\": 1", "\"Month\": 1e400"), "number too big"},
        {replaced(kValidLine, "\"Minute\": 0", "\"Minute\": 0.5"),
         "Minute 0.5 is not a whole number"},
        {replaced(kValidLine, "\"Day\": 1", "\"Day\": 31") + "x", "cannot read the line as JSON"},
        {replaced(replaced(replaced(kValidLine, "\"Month\": 1", "\"Month\": 2"), "\"Day\": 1",
                           "\"Day\": 29"),
                  "\"Year\": 2000", "\"Year\": 2001"),
         "Please Enter Correct Date Or Month!"},
        // The zone as the window takes it: its sign dropped, up to 14 hours.
        {replaced(kValidLine, "\"ZoneHour\": 5", "\"ZoneHour\": 15"),
         "Please Enter Value Between 0 And 14 in the Zone Hour"},
        // A field of the wrong type is reported before a value out of range,
        // and fields in the record's order whatever the order of the line.
        {replaced(replaced(kValidLine, "\"Month\": 1", "\"Month\": 13"), "\"LatM\": 36",
                  "\"LatM\": \"x\""),
         "LatM must be a number"},
        {"{\"LatM\": \"x\", " + replaced(replaced(kValidLine, "\"Month\": 1", "\"Month\": \"x\""),
                                         " \"LatM\": 36,", "")
                                    .substr(1),
         "Month must be a number"},
        // Nested deeper than a recursive parse could go on a thread's stack.
        {std::string(32000, '[') + std::string(32000, ']'), "the line is not a JSON object"},
        {std::string(65536, '['), "cannot read the line as JSON"},
        {replaced(kValidLine, "\"Month\": 1",
                  "\"Month\": " + std::string(30000, '[') + std::string(30000, ']')),
         "Month must be a number"},
    };
    for (const auto& [line, expected] : cases) {
        const BatchLine read = readBatchLine(line);
        EXPECT_FALSE(read.birth) << line;
        EXPECT_NE(read.error.toStdString().find(expected), std::string::npos)
            << line.substr(0, 80) << "\n  gave: " << read.error.toStdString()
            << "\n  want: " << expected;
    }
}

} // namespace
