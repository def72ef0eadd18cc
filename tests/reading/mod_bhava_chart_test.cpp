#include "engine/mod_bhava.h"
#include "reading/mod_bhava_chart.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

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

TEST(HouseCatalogue, TheAttributesFollowTheHousesCycles) {
    // The type and quality of a house repeat every three houses, its element
    // every four, and its natural sign is the zodiac's sign of the same
    // number; the stored texts keep their blanks at the end.
    const std::array<QString, 3> types = {QStringLiteral("Angular House (Action)"),
                                          QStringLiteral("Succedent House (Fixed)"),
                                          QStringLiteral("Cadent House (Adaptable)")};
    const std::array<QString, 3> qualities = {QStringLiteral("Cardinal (Kendra)"),
                                              QStringLiteral("Fixed (Panapara) "),
                                              QStringLiteral("Mutable (Apoklima) ")};
    const std::array<QString, 4> elements = {
        QStringLiteral("Fire (Dharma) Houses"), QStringLiteral("Earth (Artha) Houses"),
        QStringLiteral("Air (Kama) Houses"), QStringLiteral("Water (Moksha) Houses")};
    const QString signs = QString::fromLatin1(SignAbbreviations);
    const HouseCatalogue& catalogue = LoadHouseCatalogue();
    for (std::size_t i = 0; i < 12; ++i) {
        SCOPED_TRACE(testing::Message() << "house " << i + 1);
        const HouseProfile& profile = catalogue.house(static_cast<int>(i));
        EXPECT_EQ(profile.HouseType, types.at(i % 3));
        EXPECT_EQ(profile.Quality, qualities.at(i % 3));
        EXPECT_EQ(profile.Element, elements.at(i % 4));
        EXPECT_EQ(profile.SignRuler.left(3), signs.mid(static_cast<qsizetype>(3 * i), 3));
        EXPECT_TRUE(profile.HouseName.startsWith(QStringLiteral("The House of ")));
        EXPECT_TRUE(profile.Mantra.startsWith(QStringLiteral("To ")));
        EXPECT_EQ(profile.Keywords.split(QStringLiteral(", ")).size(), 3);
        for (const QString& name : profile.SanskritName.split(QStringLiteral(" / "))) {
            EXPECT_TRUE(name.endsWith(QStringLiteral(" Bhava"))) << name.toStdString();
        }
    }
    EXPECT_EQ(catalogue.house(2).HouseName, QStringLiteral("The House of Communication  "));
    EXPECT_EQ(catalogue.house(3).Mantra, QStringLiteral("To Belong "));
    EXPECT_EQ(catalogue.house(7).PlanetRuler, QStringLiteral("Mars"));
    EXPECT_EQ(catalogue.house(10).PlanetRuler, QStringLiteral("Uranus"));
    EXPECT_EQ(catalogue.house(11).PlanetRuler, QStringLiteral("Neptune"));
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
