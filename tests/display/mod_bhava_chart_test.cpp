#include "display/mod_bhava_chart.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

struct ExpectedHouse {
    const char16_t* houseName;
    const char16_t* sanskritName;
    const char16_t* planetRuler;
    const char16_t* signRuler;
    const char16_t* keywords;
    const char16_t* mantra;
    const char16_t* houseType;
    const char16_t* quality;
    const char16_t* element;
};

// The published table, blanks at the ends included.
constexpr std::array<ExpectedHouse, 12> kExpectedHouses{{
    {u"The House of Identity", u"Tanu Bhava / Lagna Bhava", u"Mars", u"Aries",
     u"Outer-Self, Superficial Traits, Physical Appearance", u"To Be", u"Angular House (Action)",
     u"Cardinal (Kendra)", u"Fire (Dharma) Houses"},
    {u"The House of Finances", u"Dhana Bhava", u"Venus", u"Taurus", u"Money, Self-Worth, Vitality",
     u"To Have", u"Succedent House (Fixed)", u"Fixed (Panapara) ", u"Earth (Artha) Houses"},
    {u"The House of Communication  ", u"Sahaj Bhava / Vikrama Bhava", u"Mercury", u"Gemini",
     u"Education, Communication, Relationships", u"To Communicate", u"Cadent House (Adaptable)",
     u"Mutable (Apoklima) ", u"Air (Kama) Houses"},
    {u"The House of Family", u"Matru Bhava / Bandhu Bhava", u"Moon", u"Cancer",
     u"Home, Family, Caring", u"To Belong ", u"Angular House (Action)", u"Cardinal (Kendra)",
     u"Water (Moksha) Houses"},
    {u"The House of Pleasures", u"Sukha Bhava / Budhi Bhava", u"Sun", u"Leo",
     u"Creativity, Romance, Hobbies", u"To Create", u"Succedent House (Fixed)",
     u"Fixed (Panapara) ", u"Fire (Dharma) Houses"},
    {u"The House of Health", u"Shatru Bhava / Kashta Bhava", u"Mercury", u"Virgo",
     u"Health, Service, Work", u"To Serve", u"Cadent House (Adaptable)", u"Mutable (Apoklima) ",
     u"Earth (Artha) Houses"},
    {u"The House of Partnerships", u"Dara Bhava / Kalathra Bhava", u"Venus", u"Libra",
     u"Agreements, Partnerships, Marriage", u"To Relate", u"Angular House (Action)",
     u"Cardinal (Kendra)", u"Air (Kama) Houses"},
    {u"The House of Accidents and Death", u"Marna Bhava / Ayur Bhava", u"Mars", u"Scorpio",
     u"Sex, Possessions, Death", u"To Transform", u"Succedent House (Fixed)", u"Fixed (Panapara) ",
     u"Water (Moksha) Houses"},
    {u"The House of Fate", u"Dharma Bhava", u"Jupiter", u"Sagittarius",
     u"Travel, Philosophy, Higher Mind", u"To Explore", u"Cadent House (Adaptable)",
     u"Mutable (Apoklima) ", u"Fire (Dharma) Houses"},
    {u"The House of Career", u"Karma Bhava / Shubha Bhava", u"Saturn", u"Capricorn",
     u"Ambition, Career, Public Image", u"To Achieve", u"Angular House (Action)",
     u"Cardinal (Kendra)", u"Earth (Artha) Houses"},
    {u"The House of Hopes", u"Labha Bhava / Aya Bhava", u"Uranus", u"Aquarius",
     u"Friends, Hopes, Goals", u"To Innovate", u"Succedent House (Fixed)", u"Fixed (Panapara) ",
     u"Air (Kama) Houses"},
    {u"The House of Shortcomings", u"Vyaya Bhava", u"Neptune", u"Pisces",
     u"Compassion, Intuition, Mental Health", u"To Reintegrate", u"Cadent House (Adaptable)",
     u"Mutable (Apoklima) ", u"Water (Moksha) Houses"},
}};

struct ExpectedDescription {
    const char16_t* firstSentence;
    int length;          // characters, blanks at the end included
    int trailingBlanks;  // after the last full stop
    int doubleBlanks;    // sentence gaps of two blanks
    const char16_t* end; // how the paragraph closes (the parts of the body)
};

constexpr std::array<ExpectedDescription, 12> kExpectedDescriptions{{
    {u"Much can be determined about someone’s personality from this house.", 657, 2, 1,
     u"early years."},
    {u"This house is traditionally known as the house of material possessions and wealth.", 711, 1,
     0, u"the eyesight and the throat."},
    {u"This house corresponds to your power of communication.", 650, 1, 0,
     u"the right ear and the shoulders."},
    {u"This house is also known as ‘Matristhan’ in India or the house referring to your mother.",
     731, 1, 0, u"the chest, the respiratory organs and the stomach."},
    {u"This house signifies the place of love affairs, how you will relate to your fiancé and "
     u"romantic attachments in your life.",
     687, 1, 0, u"the liver, the heart and the spleen."},
    {u"This house indicates the skills we possess and the kind of work compatible with those "
     u"abilities.",
     712, 1, 0, u"the kidney, the uterus and the intestine."},
    {u"This house is commonly believed to define our conjugal life, the king of persons we are "
     u"inclined to choose as a marriage partner and woes or happiness regarding your relationship "
     u"with your spouse.",
     661, 1, 1, u"the genitals."},
    {u"This house corresponds to the sexual nature of a person.", 630, 1, 0, u"the sexual organs."},
    {u"This house of your natal chart defines the values you follow throughout your life, "
     u"philosophic understanding of this world as well as your religious orientation.",
     623, 1, 0, u"."},
    {u"This house of tells about your career and your orientation regarding work and employment.",
     608, 2, 0, u"the hair, the knees, the bones, the joints and the spine."},
    {u"This house is traditionally known as the house of income.", 660, 1, 0,
     u"the teeth, the left ear, the ankles and the legs."},
    {u"In Indian Astrology, this house is known as the ‘Vyaysthana’ or the house of expenses.", 589,
     1, 0, u"the left eye and the feet."},
}};

QString text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

int trailingBlanks(const QString& s) {
    int count = 0;
    while (count < s.size() && s.at(s.size() - 1 - count) == u' ') {
        ++count;
    }
    return count;
}

} // namespace

TEST(HouseCatalogue, ProfilesMatchThePublishedTable) {
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(testing::Message() << "house " << i + 1);
        const ExpectedHouse& expected = kExpectedHouses.at(static_cast<std::size_t>(i));
        const HouseProfile& profile = catalogue.house(i);
        // Exact comparisons: a lost trailing blank fails here too.
        EXPECT_EQ(profile.HouseName, text(expected.houseName));
        EXPECT_EQ(profile.SanskritName, text(expected.sanskritName));
        EXPECT_EQ(profile.PlanetRuler, text(expected.planetRuler));
        EXPECT_EQ(profile.SignRuler, text(expected.signRuler));
        EXPECT_EQ(profile.Keywords, text(expected.keywords));
        EXPECT_EQ(profile.Mantra, text(expected.mantra));
        EXPECT_EQ(profile.HouseType, text(expected.houseType));
        EXPECT_EQ(profile.Quality, text(expected.quality));
        EXPECT_EQ(profile.Element, text(expected.element));
    }
}

TEST(HouseCatalogue, PromptsNameEachHouseAndWrapRoundToTheFirst) {
    const std::array<const char*, 13> ordinals{"1st", "2nd", "3rd",  "4th",  "5th",  "6th", "7th",
                                               "8th", "9th", "10th", "11th", "12th", "1st"};
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(catalogue.prompt(k),
                  QStringLiteral("Click Here To Show Characteristics Of %1 House")
                      .arg(QString::fromLatin1(ordinals.at(static_cast<std::size_t>(k)))));
    }
}

TEST(HouseCatalogue, ReadsOutsideTheRangeAreClampedToTheNearestEntry) {
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    EXPECT_EQ(&catalogue.house(-1), &catalogue.house(0));
    EXPECT_EQ(&catalogue.house(12), &catalogue.house(11));
    EXPECT_EQ(&catalogue.house(32767), &catalogue.house(11));
    EXPECT_EQ(&catalogue.prompt(-7), &catalogue.prompt(0));
    EXPECT_EQ(&catalogue.prompt(13), &catalogue.prompt(12));
}

TEST(HouseCatalogue, DescriptionsOpenWithTheirFirstSentenceAndKeepTheirShape) {
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(testing::Message() << "house " << i + 1);
        const ExpectedDescription& expected = kExpectedDescriptions.at(static_cast<std::size_t>(i));
        const QString& description = catalogue.house(i).Description;

        EXPECT_TRUE(description.startsWith(text(expected.firstSentence) + u' '))
            << description.left(120).toStdString();
        // Within 5 % of the published length, counted in characters.
        EXPECT_LE(std::abs(description.size() - expected.length) * 20, expected.length)
            << description.size();
        EXPECT_EQ(trailingBlanks(description), expected.trailingBlanks);
        const QString body = description.chopped(trailingBlanks(description));
        EXPECT_TRUE(body.endsWith(text(expected.end))) << body.right(60).toStdString();
        EXPECT_EQ(body.count(QStringLiteral("  ")), expected.doubleBlanks);
        EXPECT_FALSE(body.contains(QStringLiteral("   ")));
        EXPECT_FALSE(description.startsWith(u' '));
        EXPECT_FALSE(description.contains(u'\n'));
    }
}

TEST(HouseCatalogue, DescriptionsUseTypographicApostrophesAndQuotes) {
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    int typographic = 0;
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(testing::Message() << "house " << i + 1);
        const QString& description = catalogue.house(i).Description;
        EXPECT_FALSE(description.contains(u'\'')) << "straight apostrophe";
        EXPECT_FALSE(description.contains(u'"')) << "straight quote";
        EXPECT_FALSE(description.contains(u'\uFFFD')) << "lost character";
        // Right and left single marks, left and right double marks, by code point
        // so that a mangled source encoding cannot hide here.
        for (const char16_t mark : {u'\u2019', u'\u2018', u'\u201C', u'\u201D'}) {
            typographic += static_cast<int>(description.count(QChar(mark)));
        }
    }
    EXPECT_GE(typographic, 6);
    EXPECT_TRUE(catalogue.house(0).Description.startsWith(
        QStringLiteral("Much can be determined about someone\u2019s")));
    EXPECT_TRUE(catalogue.house(3).Description.contains(QStringLiteral("\u2018Matristhan\u2019")));
    EXPECT_TRUE(catalogue.house(4).Description.contains(QStringLiteral("fianc\u00E9 ")));
    EXPECT_TRUE(catalogue.house(11).Description.contains(QStringLiteral("\u2018Vyaysthana\u2019")));
}
