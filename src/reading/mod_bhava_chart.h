#pragma once

#include <QString>

#include <array>

// The fixed interpretation of the twelve houses (Bhavas) and the prompts of the
// reading window's stepping label. The texts describe the houses in general;
// nothing in them depends on a computed chart.

inline constexpr int kHouseCount = 12;
inline constexpr int kHousePromptCount = 13;

// One house's record, shown on the "Interpretation of Houses" tab.
struct HouseProfile {
    QString HouseName;    // "The House of ..."
    QString SanskritName; // one or two names, two joined by " / "
    QString PlanetRuler;
    QString SignRuler; // the natural sign: house 1 Aries ... house 12 Pisces
    QString Keywords;  // three, joined by ", "
    QString Mantra;    // "To" and a verb
    QString HouseType; // angular / succedent / cadent
    QString Quality;   // cardinal / fixed / mutable
    QString Element;   // element with its aim
    QString Description;
};

struct HouseCatalogue {
    // Index 0..11 is house 1..12.
    std::array<HouseProfile, kHouseCount> houses;
    // Entry k (0..11) names house k+1; entry 12 names house 1 again, so the
    // window shows entry h+1 while it shows house index h.
    std::array<QString, kHousePromptCount> ShowHousePrompts;

    // Reads by index. An index outside the range is a caller's mistake; it is
    // clamped to the nearest valid entry rather than read out of bounds.
    const HouseProfile& house(int houseIndex) const;
    const QString& prompt(int promptIndex) const;
};

// A prompt's parts as English texts: the pattern "Click Here To Show
// Characteristics Of %1 House" and the ordinal of the prompt's house ("1st"
// for entries 0 and 12), for a front that shows them in another language.
const char* HousePromptPattern();
const char* HouseOrdinal(int promptIndex);

// The catalogue, built on the first call and the same constant table after.
const HouseCatalogue& LoadHouseCatalogue();
