#pragma once

// What each row of a reading's tables holds, decided once: every front takes
// the figures, texts and flags from here and only chooses its own spelling
// where it has one (the window's "> 240", the printed page's "over 240").

#include "reading/reading.h"

#include <optional>
#include <string>
#include <vector>

// The Julian day, ayanamsa, ascendant and midheaven as every front shows them.
struct ReadingFigures {
    std::string julianDay; // "2451545": the day number of the civil birth date
    std::string ayanamsa;
    std::string ascendant;
    std::string midheaven;
};
ReadingFigures FiguresOf(const Reading& reading);

// A birth-time sensitivity: how many minutes the birth may move before
// something changes.
struct SensitivityCell {
    std::optional<int> minutes; // 1 to kMaxSensitivityMinutes; none beyond
    bool close = false;         // within kCloseSensitivityMinutes: worth a second look

    bool beyondLimit() const { return !minutes; }
};
SensitivityCell SensitivityCellOf(const std::optional<int>& minutes);

// One row of the planets table: a body, or the ascendant last, whose minutes
// are those that put it in another sign.
struct PlanetRow {
    std::string name; // "Sun" ... "Ketu", "Ascendant"
    bool ascendant = false;
    bool retrograde = false;
    double longitude = 0; // sidereal degrees, 0 to below 360
    std::string position; // "3° 27' 24\" Leo"
    int sign = 0;         // 1..12, Aries 1
    std::string signName; // "Aries"
    int bhava = 0;        // 1..12; 1 for the ascendant, which begins house 1
    SensitivityCell earlier;
    SensitivityCell later;
    std::string nakshatra;     // "Swati"
    int nakshatraNumber = 0;   // 1..27
    int pada = 0;              // 1..4
    std::string nakshatraLord; // "Rahu"
};

// The nine bodies, then the ascendant; no rows without planets.
std::vector<PlanetRow> PlanetRows(const Reading& reading);

// One divisional chart: its signs and the clock times between which its
// ascendant keeps its sign.
//
// One end of the window on the birth's clock, the parts its text is made of:
// the clock time, the date where it is not the birth's, and whether the
// window runs on beyond the limit (before the start, after the end).
struct ClockEdge {
    int hour = 0;
    int minute = 0;
    std::optional<CivilDateTime> date;
    bool beyond = false;
    int direction = -1; // -1 the start, +1 the end
};

struct VargaRow {
    int division = 1;
    std::string label; // "D9"
    std::string name;  // "Navamsa"
    int ascendant = 0; // sign 1..12
    std::string ascendantSign;
    std::optional<std::array<int, 9>> signs; // the bodies' signs; none without planets
    SensitivityCell earlier;
    SensitivityCell later;
    // Where the window begins and ends on the birth's clock; their texts
    // ("18:28", "before 14:28", "23:52 on 31 December 1999") are made in the
    // language in use (translation/reading_texts.h).
    ClockEdge fromEdge;
    ClockEdge toEdge;
    std::string title;                          // "D9 Navamsa"
    std::string ascendantAbbreviation;          // "Pis"
    std::vector<std::string> bodySigns;         // "Aries" for each body; empty without planets
    std::vector<std::string> bodyAbbreviations; // "Ari" for each body
    // Whether a close side of the window is worth a second look: in D1 and D9,
    // whose signs a reading leans on; the finer charts' windows are short by
    // nature.
    bool marksClose = false;
};
std::vector<VargaRow> VargaRows(const Reading& reading);

// "D1 Rasi" ... "D60 Shashtiamsa": the sixteen charts by name, in the order
// of kVargas, for a choice offered before any reading.
std::vector<std::string> VargaTitles();

// One period of the dasha, with its dates on the birth's clock.
struct DashaRow {
    std::string lord;      // "Venus"
    std::string start;     // "1996-07-16T01:12+05:30"
    std::string end;       // the next period's start
    std::string startDate; // "1996-07-16"
    std::string endDate;
    bool runningAtBirth = false;
};

struct DashaTable {
    double yearDays = 0; // the days of the dasha's year
    std::string lordAtBirth;
    CalendarSpan balance;
    std::string balanceText; // "Venus: 12 years, 3 months, 4 days"
    std::string yearText;    // "Sidereal (365.256363 days)": the year it is counted in
    double daysPerBirthMinute = 0;
    // How the dates follow the birth time ("Each minute later moves these
    // dates 4.9 days earlier (while the Moon stays in Swati: from 9 hours
    // earlier to 14 hours later)", made in the language in use): the days to
    // one decimal, whether earlier, the Moon's nakshatra and the hours it
    // stays there either way (not finite: any number of hours).
    std::string daysPerMinuteText;
    bool datesMoveEarlier = false;
    std::string moonNakshatra;
    double hoursEarlier = 0;
    double hoursLater = 0;
    struct Maha {
        DashaRow period;
        std::vector<DashaRow> antar; // nine
    };
    std::vector<Maha> maha; // nine, the one running at birth first
};
// The years a dasha may be counted in, in the order of DashaYear.
std::vector<std::string> DashaYearTitles();

// None without planets.
std::optional<DashaTable> DashaTableOf(const Reading& reading);

// The nine Pratyantar periods of an Antar period (Maha m, Antar a, both from
// 0): for the window's tree, made when it is opened.
std::vector<DashaRow> PratyantarRows(const Reading& reading, std::size_t maha, std::size_t antar);

// Where a day falls in the dasha: the indexes (from 0) of the Maha period of
// the table, the Antar period within it and the Pratyantar period within
// that which run on it. A period runs from its start date up to the day
// before its end date, both on the birth's clock; the date is "2026-12-08".
// None beyond the table's 120 years.
struct DashaPath {
    std::optional<std::size_t> maha;
    std::optional<std::size_t> antar;
    std::optional<std::size_t> pratyantar;
};
DashaPath DashaPathOn(const Reading& reading, const DashaTable& table, const std::string& date);
