#include "reading/mod_bhava_chart.h"

#include "engine/translatable.h"

#include <algorithm>
#include <cstddef>

namespace {

// The columns that are written out house by house.
struct HouseRow {
    const char* houseName;
    const char* sanskritName;
    const char* planetRuler;
    const char* signRuler;
    const char* keywords;
    const char* mantra;
    const char* description;
};

// Several texts keep blanks at their ends, and the descriptions separate their
// sentences by one blank (two once in houses 1 and 7); they are shown exactly
// as stored.
constexpr std::array<HouseRow, kHouseCount> kHouseRows{{
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Identity"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Tanu Bhava / Lagna Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Mars"), QT_TRANSLATE_NOOP("HouseCatalogue", "Aries"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Outer-Self, Superficial Traits, Physical Appearance"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Be"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "Much can be determined about someone’s personality from this house. "
         "It stands for your self, the individuality that sets you apart from everyone else, and "
         "the "
         "way you meet the world before a single word is spoken.  "
         "The sign on its cusp is your rising sign, the Lagna, which colours your outward "
         "appearance "
         "and the image you project to those you meet. "
         "This house also shows the silent, non-verbal bond you form with your surroundings. "
         "Many astrologers call it the most vital house of the chart, because every other house is "
         "counted from it. "
         "In the body it rules your physique and general health, the head, the face and the "
         "complexion, and your early years.  ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Finances"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Dhana Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Venus"), QT_TRANSLATE_NOOP("HouseCatalogue", "Taurus"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Money, Self-Worth, Vitality"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Have"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house is traditionally known as the house of material possessions and wealth. "
         "It shows how you handle your resources: what you earn, what you keep and what slips "
         "through "
         "your fingers. "
         "Your material goals, your finances and the gains or losses you meet along the way are "
         "all "
         "read from here, and a well-aspected second house promises steady, lasting growth. "
         "Yet the second house is about more than money, for it also describes your self-esteem, "
         "the "
         "value you place on yourself and on what you possess. "
         "Traditionally it points to the servants and helpers who support your household, and to "
         "the "
         "natural talents you can turn into income, your “inner wealth”. "
         "In the body it governs the eyesight and the throat. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Communication  "),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Sahaj Bhava / Vikrama Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Mercury"), QT_TRANSLATE_NOOP("HouseCatalogue", "Gemini"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Education, Communication, Relationships"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Communicate"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house corresponds to your power of communication. "
         "When its lord is well placed, or when benefics occupy it, you speak with ease and write "
         "with skill and clarity, and your words carry real weight with others. "
         "It reveals your attitude to risk, whether you follow convention or prefer to test its "
         "limits and go your own way. "
         "The third house also rules your younger brothers and sisters, your neighbours and the "
         "many "
         "short trips that fill your daily life. "
         "It shows your stamina and courage, and the quick, curious intellect that learns by "
         "asking "
         "questions and won’t rest until it understands. "
         "In the body it governs the right ear and the shoulders. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Family"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Matru Bhava / Bandhu Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Moon"), QT_TRANSLATE_NOOP("HouseCatalogue", "Cancer"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Home, Family, Caring"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Belong "),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house is also known as ‘Matristhan’ in India or the house referring to your mother. "
         "It describes her influence on you and the emotional security you draw from your roots, "
         "which no success can replace. "
         "Here you find your need for privacy, the inner happiness that comes from feeling at home "
         "and the domestic comforts you gather about you, from property and land to vehicles. "
         "The fourth house rules your home and the bonds that tie your family together, as well as "
         "the heritage and traditions you carry forward into the generations to come. "
         "It speaks of your childhood and, at the other end of life, of your old age and the peace "
         "you hope to find there. "
         "In the body it governs the chest, the respiratory organs and the stomach. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Pleasures"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Sukha Bhava / Budhi Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Sun"), QT_TRANSLATE_NOOP("HouseCatalogue", "Leo"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Creativity, Romance, Hobbies"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Create"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house signifies the place of love affairs, how you will relate to your fiancé and "
         "romantic attachments in your life. "
         "It is also the house of the intellect: your capacity to learn, your education and the "
         "judgement that grows from patient study. "
         "Creativity and self-expression belong here, whether you paint, write, perform or simply "
         "play, and so do the hobbies that make you feel truly alive. "
         "The fifth house is the house of children, showing your bonds with them and how wisely "
         "you "
         "guide their upbringing. "
         "A strong fifth house brings joy through “the things you make”, whether they are works of "
         "art or sons and daughters. "
         "In the body it governs the liver, the heart and the spleen. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Health"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Shatru Bhava / Kashta Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Mercury"), QT_TRANSLATE_NOOP("HouseCatalogue", "Virgo"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Health, Service, Work"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Serve"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house indicates the skills we possess and the kind of work compatible with those "
         "abilities. "
         "It describes your workplace and your daily routines, how you get along with your "
         "colleagues "
         "and how you relate to your employer. "
         "Enemies, rivals and the obstacles you must overcome are read from this house, and so are "
         "litigation and the disputes that end up before a judge. "
         "Because it rules service and duty, it shows how you cope with pressure in your working "
         "day "
         "and whether you let it turn into stress or worry. "
         "It is also the house of diseases, indicating your resistance to illness and the care "
         "your "
         "body needs to stay healthy, calm and strong. "
         "In the body it governs the kidney, the uterus and the intestine. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Partnerships"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Dara Bhava / Kalathra Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Venus"), QT_TRANSLATE_NOOP("HouseCatalogue", "Libra"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Agreements, Partnerships, Marriage"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Relate"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house is commonly believed to define our conjugal life, the king of persons we are "
         "inclined to choose as a marriage partner and woes or happiness regarding your "
         "relationship "
         "with your spouse. "
         "Its reach goes beyond marriage, though: it governs every business partnership you enter "
         "and "
         "the contracts that bind you to others.  "
         "It shows how you relate to your peers, whether you meet them as true equals and what you "
         "expect from them in return. "
         "Open rivals are also read here, since they are partners of a kind. "
         "When the lord of the seventh house is well placed, you may look forward to a loyal "
         "spouse "
         "and a lasting union. "
         "In the body it governs the genitals. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Accidents and Death"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Marna Bhava / Ayur Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Mars"), QT_TRANSLATE_NOOP("HouseCatalogue", "Scorpio"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Sex, Possessions, Death"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Transform"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house corresponds to the sexual nature of a person. "
         "It is also known as the house of death, and it indicates your longevity, the dangers you "
         "might face and even the risk of imprisonment. "
         "Above all it is the house of transformation: the life-changing events that end one "
         "chapter "
         "and begin another. "
         "It holds your secrets and hidden fears, including the phobias you may not admit even to "
         "yourself, and your urge to probe what others conceal. "
         "Inheritance, legacies and other unconventional income, money that comes through others "
         "rather than from your own labour, are read here as well. "
         "In the body it governs the sexual organs. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Fate"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Dharma Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Jupiter"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Sagittarius"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Travel, Philosophy, Higher Mind"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Explore"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house of your natal chart defines the values you follow throughout your life, "
         "philosophic understanding of this world as well as your religious orientation. "
         "It is the house of luck and fortune, showing where grace finds you without effort and "
         "blessings arrive unasked. "
         "Higher education, study and the teachers who widen your horizons belong here, along with "
         "the prosperity and fame they can bring. "
         "It reveals your intuition and the long journeys, outward and inward, that shape your "
         "outlook. "
         "The ninth house also speaks of your grandchildren and of the dreams you hold for the "
         "future, the vision of a life lived well. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Career"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Karma Bhava / Shubha Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Saturn"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Capricorn"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Ambition, Career, Public Image"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Achieve"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house of tells about your career and your orientation regarding work and "
         "employment. "
         "It shows the lasting relationships you build at all levels of your professional life and "
         "the achievements for which you will be remembered. "
         "It is also the house of your father and of his influence on the path you choose. "
         "Your reputation and the public image you present take their shape here, at the peak of "
         "the "
         "chart. "
         "When benefics occupy it, you rise to positions of authority and win honour and respect, "
         "and "
         "your name becomes known. "
         "In the body it governs the hair, the knees, the bones, the joints and the spine.  ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Hopes"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Labha Bhava / Aya Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Uranus"), QT_TRANSLATE_NOOP("HouseCatalogue", "Aquarius"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Friends, Hopes, Goals"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Innovate"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "This house is traditionally known as the house of income. "
         "It shows your monetary gains, particularly those that come from your work and your "
         "connections. "
         "Your sociability and the goals you set for yourself are read here, along with the "
         "humanitarian and political interests that draw you into groups. "
         "The eleventh house rules your friends and your popularity, and how far your hopes are "
         "fulfilled through them. "
         "It also speaks of adoption and of step-children, the family you choose rather than the "
         "one "
         "you are born into. "
         "A well-placed lord of this house lets your earnings grow steadily. "
         "In the body it governs the teeth, the left ear, the ankles and the legs. ")},
    {QT_TRANSLATE_NOOP("HouseCatalogue", "The House of Shortcomings"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Vyaya Bhava"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Neptune"), QT_TRANSLATE_NOOP("HouseCatalogue", "Pisces"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "Compassion, Intuition, Mental Health"),
     QT_TRANSLATE_NOOP("HouseCatalogue", "To Reintegrate"),
     QT_TRANSLATE_NOOP(
         "HouseCatalogue",
         "In Indian Astrology, this house is known as the ‘Vyaysthana’ or the house of expenses. "
         "It governs your psychic perception and the hidden persona you show to no one. "
         "Here lies your karma, and with it your capacity for charity, but also your sorrow and "
         "the "
         "clandestine affairs you keep from the world. "
         "It marks the limitations you face, whether in a hospital, an ashram or a foreign land, "
         "and "
         "asks for prudence with money, since what is spent here rarely returns. "
         "The twelfth house also speaks of the after-life and of your previous births. "
         "In the body it governs the left eye and the feet. ")},
}};

// The type and quality repeat every three houses, the element every four.
constexpr std::array<const char*, 3> kHouseTypes{
    QT_TRANSLATE_NOOP("HouseCatalogue", "Angular House (Action)"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Succedent House (Fixed)"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Cadent House (Adaptable)")};
constexpr std::array<const char*, 3> kQualities{
    QT_TRANSLATE_NOOP("HouseCatalogue", "Cardinal (Kendra)"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Fixed (Panapara) "),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Mutable (Apoklima) ")};
constexpr std::array<const char*, 4> kElements{
    QT_TRANSLATE_NOOP("HouseCatalogue", "Fire (Dharma) Houses"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Earth (Artha) Houses"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Air (Kama) Houses"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "Water (Moksha) Houses")};

constexpr std::array<const char*, kHouseCount> kOrdinals{
    QT_TRANSLATE_NOOP("HouseCatalogue", "1st"),  QT_TRANSLATE_NOOP("HouseCatalogue", "2nd"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "3rd"),  QT_TRANSLATE_NOOP("HouseCatalogue", "4th"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "5th"),  QT_TRANSLATE_NOOP("HouseCatalogue", "6th"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "7th"),  QT_TRANSLATE_NOOP("HouseCatalogue", "8th"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "9th"),  QT_TRANSLATE_NOOP("HouseCatalogue", "10th"),
    QT_TRANSLATE_NOOP("HouseCatalogue", "11th"), QT_TRANSLATE_NOOP("HouseCatalogue", "12th")};

QString text(const char* utf8) {
    return QString::fromUtf8(utf8);
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
            text(HousePromptPattern()).arg(text(HouseOrdinal(static_cast<int>(k))));
    }
    return catalogue;
}

} // namespace

const char* HousePromptPattern() {
    return QT_TRANSLATE_NOOP("HouseCatalogue", "Click Here To Show Characteristics Of %1 House");
}

const char* HouseOrdinal(int promptIndex) {
    return kOrdinals.at(
        static_cast<std::size_t>(std::clamp(promptIndex, 0, kHousePromptCount - 1)) %
        kOrdinals.size());
}

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
