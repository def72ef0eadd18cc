#include "reading/mod_bhava_chart.h"

#include <algorithm>
#include <cstddef>

namespace {

// The columns that are written out house by house.
struct HouseRow {
    const char16_t* houseName;
    const char16_t* sanskritName;
    const char16_t* planetRuler;
    const char16_t* signRuler;
    const char16_t* keywords;
    const char16_t* mantra;
    const char16_t* description;
};

// Several texts keep blanks at their ends, and the descriptions separate their
// sentences by one blank (two once in houses 1 and 7); they are shown exactly
// as stored.
constexpr std::array<HouseRow, kHouseCount> kHouseRows{{
    {u"The House of Identity", u"Tanu Bhava / Lagna Bhava", u"Mars", u"Aries",
     u"Outer-Self, Superficial Traits, Physical Appearance", u"To Be",
     u"Much can be determined about someone’s personality from this house. "
     u"It stands for your self, the individuality that sets you apart from everyone else, and the "
     u"way you meet the world before a single word is spoken.  "
     u"The sign on its cusp is your rising sign, the Lagna, which colours your outward appearance "
     u"and the image you project to those you meet. "
     u"This house also shows the silent, non-verbal bond you form with your surroundings. "
     u"Many astrologers call it the most vital house of the chart, because every other house is "
     u"counted from it. "
     u"In the body it rules your physique and general health, the head, the face and the "
     u"complexion, and your early years.  "},
    {u"The House of Finances", u"Dhana Bhava", u"Venus", u"Taurus", u"Money, Self-Worth, Vitality",
     u"To Have",
     u"This house is traditionally known as the house of material possessions and wealth. "
     u"It shows how you handle your resources: what you earn, what you keep and what slips through "
     u"your fingers. "
     u"Your material goals, your finances and the gains or losses you meet along the way are all "
     u"read from here, and a well-aspected second house promises steady, lasting growth. "
     u"Yet the second house is about more than money, for it also describes your self-esteem, the "
     u"value you place on yourself and on what you possess. "
     u"Traditionally it points to the servants and helpers who support your household, and to the "
     u"natural talents you can turn into income, your “inner wealth”. "
     u"In the body it governs the eyesight and the throat. "},
    {u"The House of Communication  ", u"Sahaj Bhava / Vikrama Bhava", u"Mercury", u"Gemini",
     u"Education, Communication, Relationships", u"To Communicate",
     u"This house corresponds to your power of communication. "
     u"When its lord is well placed, or when benefics occupy it, you speak with ease and write "
     u"with skill and clarity, and your words carry real weight with others. "
     u"It reveals your attitude to risk, whether you follow convention or prefer to test its "
     u"limits and go your own way. "
     u"The third house also rules your younger brothers and sisters, your neighbours and the many "
     u"short trips that fill your daily life. "
     u"It shows your stamina and courage, and the quick, curious intellect that learns by asking "
     u"questions and won’t rest until it understands. "
     u"In the body it governs the right ear and the shoulders. "},
    {u"The House of Family", u"Matru Bhava / Bandhu Bhava", u"Moon", u"Cancer",
     u"Home, Family, Caring", u"To Belong ",
     u"This house is also known as ‘Matristhan’ in India or the house referring to your mother. "
     u"It describes her influence on you and the emotional security you draw from your roots, "
     u"which no success can replace. "
     u"Here you find your need for privacy, the inner happiness that comes from feeling at home "
     u"and the domestic comforts you gather about you, from property and land to vehicles. "
     u"The fourth house rules your home and the bonds that tie your family together, as well as "
     u"the heritage and traditions you carry forward into the generations to come. "
     u"It speaks of your childhood and, at the other end of life, of your old age and the peace "
     u"you hope to find there. "
     u"In the body it governs the chest, the respiratory organs and the stomach. "},
    {u"The House of Pleasures", u"Sukha Bhava / Budhi Bhava", u"Sun", u"Leo",
     u"Creativity, Romance, Hobbies", u"To Create",
     u"This house signifies the place of love affairs, how you will relate to your fiancé and "
     u"romantic attachments in your life. "
     u"It is also the house of the intellect: your capacity to learn, your education and the "
     u"judgement that grows from patient study. "
     u"Creativity and self-expression belong here, whether you paint, write, perform or simply "
     u"play, and so do the hobbies that make you feel truly alive. "
     u"The fifth house is the house of children, showing your bonds with them and how wisely you "
     u"guide their upbringing. "
     u"A strong fifth house brings joy through “the things you make”, whether they are works of "
     u"art or sons and daughters. "
     u"In the body it governs the liver, the heart and the spleen. "},
    {u"The House of Health", u"Shatru Bhava / Kashta Bhava", u"Mercury", u"Virgo",
     u"Health, Service, Work", u"To Serve",
     u"This house indicates the skills we possess and the kind of work compatible with those "
     u"abilities. "
     u"It describes your workplace and your daily routines, how you get along with your colleagues "
     u"and how you relate to your employer. "
     u"Enemies, rivals and the obstacles you must overcome are read from this house, and so are "
     u"litigation and the disputes that end up before a judge. "
     u"Because it rules service and duty, it shows how you cope with pressure in your working day "
     u"and whether you let it turn into stress or worry. "
     u"It is also the house of diseases, indicating your resistance to illness and the care your "
     u"body needs to stay healthy, calm and strong. "
     u"In the body it governs the kidney, the uterus and the intestine. "},
    {u"The House of Partnerships", u"Dara Bhava / Kalathra Bhava", u"Venus", u"Libra",
     u"Agreements, Partnerships, Marriage", u"To Relate",
     u"This house is commonly believed to define our conjugal life, the king of persons we are "
     u"inclined to choose as a marriage partner and woes or happiness regarding your relationship "
     u"with your spouse. "
     u"Its reach goes beyond marriage, though: it governs every business partnership you enter and "
     u"the contracts that bind you to others.  "
     u"It shows how you relate to your peers, whether you meet them as true equals and what you "
     u"expect from them in return. "
     u"Open rivals are also read here, since they are partners of a kind. "
     u"When the lord of the seventh house is well placed, you may look forward to a loyal spouse "
     u"and a lasting union. "
     u"In the body it governs the genitals. "},
    {u"The House of Accidents and Death", u"Marna Bhava / Ayur Bhava", u"Mars", u"Scorpio",
     u"Sex, Possessions, Death", u"To Transform",
     u"This house corresponds to the sexual nature of a person. "
     u"It is also known as the house of death, and it indicates your longevity, the dangers you "
     u"might face and even the risk of imprisonment. "
     u"Above all it is the house of transformation: the life-changing events that end one chapter "
     u"and begin another. "
     u"It holds your secrets and hidden fears, including the phobias you may not admit even to "
     u"yourself, and your urge to probe what others conceal. "
     u"Inheritance, legacies and other unconventional income, money that comes through others "
     u"rather than from your own labour, are read here as well. "
     u"In the body it governs the sexual organs. "},
    {u"The House of Fate", u"Dharma Bhava", u"Jupiter", u"Sagittarius",
     u"Travel, Philosophy, Higher Mind", u"To Explore",
     u"This house of your natal chart defines the values you follow throughout your life, "
     u"philosophic understanding of this world as well as your religious orientation. "
     u"It is the house of luck and fortune, showing where grace finds you without effort and "
     u"blessings arrive unasked. "
     u"Higher education, study and the teachers who widen your horizons belong here, along with "
     u"the prosperity and fame they can bring. "
     u"It reveals your intuition and the long journeys, outward and inward, that shape your "
     u"outlook. "
     u"The ninth house also speaks of your grandchildren and of the dreams you hold for the "
     u"future, the vision of a life lived well. "},
    {u"The House of Career", u"Karma Bhava / Shubha Bhava", u"Saturn", u"Capricorn",
     u"Ambition, Career, Public Image", u"To Achieve",
     u"This house of tells about your career and your orientation regarding work and employment. "
     u"It shows the lasting relationships you build at all levels of your professional life and "
     u"the achievements for which you will be remembered. "
     u"It is also the house of your father and of his influence on the path you choose. "
     u"Your reputation and the public image you present take their shape here, at the peak of the "
     u"chart. "
     u"When benefics occupy it, you rise to positions of authority and win honour and respect, and "
     u"your name becomes known. "
     u"In the body it governs the hair, the knees, the bones, the joints and the spine.  "},
    {u"The House of Hopes", u"Labha Bhava / Aya Bhava", u"Uranus", u"Aquarius",
     u"Friends, Hopes, Goals", u"To Innovate",
     u"This house is traditionally known as the house of income. "
     u"It shows your monetary gains, particularly those that come from your work and your "
     u"connections. "
     u"Your sociability and the goals you set for yourself are read here, along with the "
     u"humanitarian and political interests that draw you into groups. "
     u"The eleventh house rules your friends and your popularity, and how far your hopes are "
     u"fulfilled through them. "
     u"It also speaks of adoption and of step-children, the family you choose rather than the one "
     u"you are born into. "
     u"A well-placed lord of this house lets your earnings grow steadily. "
     u"In the body it governs the teeth, the left ear, the ankles and the legs. "},
    {u"The House of Shortcomings", u"Vyaya Bhava", u"Neptune", u"Pisces",
     u"Compassion, Intuition, Mental Health", u"To Reintegrate",
     u"In Indian Astrology, this house is known as the ‘Vyaysthana’ or the house of expenses. "
     u"It governs your psychic perception and the hidden persona you show to no one. "
     u"Here lies your karma, and with it your capacity for charity, but also your sorrow and the "
     u"clandestine affairs you keep from the world. "
     u"It marks the limitations you face, whether in a hospital, an ashram or a foreign land, and "
     u"asks for prudence with money, since what is spent here rarely returns. "
     u"The twelfth house also speaks of the after-life and of your previous births. "
     u"In the body it governs the left eye and the feet. "},
}};

// The type and quality repeat every three houses, the element every four.
constexpr std::array<const char16_t*, 3> kHouseTypes{
    u"Angular House (Action)", u"Succedent House (Fixed)", u"Cadent House (Adaptable)"};
constexpr std::array<const char16_t*, 3> kQualities{u"Cardinal (Kendra)", u"Fixed (Panapara) ",
                                                    u"Mutable (Apoklima) "};
constexpr std::array<const char16_t*, 4> kElements{u"Fire (Dharma) Houses", u"Earth (Artha) Houses",
                                                   u"Air (Kama) Houses", u"Water (Moksha) Houses"};

constexpr std::array<const char16_t*, kHouseCount> kOrdinals{u"1st", u"2nd",  u"3rd",  u"4th",
                                                             u"5th", u"6th",  u"7th",  u"8th",
                                                             u"9th", u"10th", u"11th", u"12th"};

QString text(const char16_t* utf16) {
    return QString::fromUtf16(utf16);
}

HouseCatalogue buildCatalogue() {
    HouseCatalogue catalogue;
    for (std::size_t i = 0; i < kHouseRows.size(); ++i) {
        const HouseRow& row = kHouseRows.at(i);
        HouseProfile& profile = catalogue.houses.at(i);
        profile.HouseName = text(row.houseName);
        profile.SanskritName = text(row.sanskritName);
        profile.PlanetRuler = text(row.planetRuler);
        profile.SignRuler = text(row.signRuler);
        profile.Keywords = text(row.keywords);
        profile.Mantra = text(row.mantra);
        profile.HouseType = text(kHouseTypes.at(i % kHouseTypes.size()));
        profile.Quality = text(kQualities.at(i % kQualities.size()));
        profile.Element = text(kElements.at(i % kElements.size()));
        profile.Description = text(row.description);
    }
    // The last prompt wraps round to the first house.
    for (std::size_t k = 0; k < catalogue.ShowHousePrompts.size(); ++k) {
        catalogue.ShowHousePrompts.at(k) =
            QStringLiteral("Click Here To Show Characteristics Of ") +
            text(kOrdinals.at(k % kOrdinals.size())) + QStringLiteral(" House");
    }
    return catalogue;
}

} // namespace

const HouseProfile& HouseCatalogue::house(int houseIndex) const {
    return houses.at(static_cast<std::size_t>(std::clamp(houseIndex, 0, kHouseCount - 1)));
}

const QString& HouseCatalogue::prompt(int promptIndex) const {
    return ShowHousePrompts.at(
        static_cast<std::size_t>(std::clamp(promptIndex, 0, kHousePromptCount - 1)));
}

const HouseCatalogue& LoadHouseCatalogue() {
    static const HouseCatalogue catalogue = buildCatalogue();
    return catalogue;
}
