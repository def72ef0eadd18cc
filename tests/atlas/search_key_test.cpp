#include "atlas/search_key.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct KeyCase {
    const char16_t* text;
    const char16_t* key;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << QString::fromUtf16(c.text).toStdString();
}

class SearchKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(SearchKeyTest, FoldsAccentsCaseAndPunctuation) {
    EXPECT_EQ(SearchKey(QString::fromUtf16(GetParam().text)), QString::fromUtf16(GetParam().key));
}

INSTANTIATE_TEST_SUITE_P(
    Names, SearchKeyTest,
    testing::Values(KeyCase{u"Zürich", u"zurich"}, KeyCase{u"ZÜRICH", u"zurich"},
                    KeyCase{u"Straße", u"strasse"}, KeyCase{u"Łódź", u"lodz"},
                    KeyCase{u"Ærøskøbing", u"aeroskobing"}, KeyCase{u"İstanbul", u"istanbul"},
                    KeyCase{u"Ust'-Kut", u"ust kut"}, KeyCase{u"Hawaiʻi", u"hawaii"},
                    KeyCase{u"  São   Paulo ", u"sao paulo"},
                    KeyCase{u"Washington, D.C.", u"washington d c"}, KeyCase{u"Москва", u"москва"},
                    KeyCase{u"東京", u"東京"}, KeyCase{u"---", u""}));

TEST(AsciiTextTest, KeepsCaseAndLeavesOutWhatHasNoAsciiForm) {
    EXPECT_EQ(AsciiText(u"Zürich"), QStringLiteral("Zurich"));
    EXPECT_EQ(AsciiText(u"Łódź"), QStringLiteral("Lodz"));
    EXPECT_EQ(AsciiText(u"Curaçao"), QStringLiteral("Curacao"));
    EXPECT_EQ(AsciiText(u"Saint-Étienne"), QStringLiteral("Saint-Etienne"));
    EXPECT_EQ(AsciiText(u"東京 Tokyo"), QStringLiteral(" Tokyo"));
}

} // namespace
