#pragma once

// The offline atlas: the GeoNames list of places of 15,000 people or more
// (cities15000.txt, with admin1Codes.txt for the states and countryInfo.txt
// for the countries), searched by name as the user types.

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <atomic>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct Place {
    QString Name;           // as GeoNames spells it: "Zürich"
    QString AsciiName;      // the same in plain ASCII: "Zurich"
    QString State;          // the first-level division, or empty: "Zurich"
    QString StateAscii;     // "Zurich"
    QString Country;        // "Switzerland", "Curaçao"
    QString CountryAscii;   // "Switzerland", "Curacao"
    QByteArray CountryCode; // "CH"
    double Latitude = 0;    // degrees, North positive
    double Longitude = 0;   // degrees, East positive
    std::int64_t Population = 0;
    QByteArray TimeZone; // the IANA zone id, corrected for the changes since the list was made
    std::uint32_t GeonameId = 0;
};

// "Zürich, Zurich, Switzerland"; "Monaco, Monaco" for a place without a state.
QString PlaceLabel(const Place& place);

// The folder of the atlas files that the program was built with.
QString DefaultAtlasFolder();

// The zone ids of the 2015 place list that the time-zone database has changed
// since: regions that got a zone of their own, and renamed zones.
enum class CorrectionScope {
    Place,    // one place, by its GeoNames id
    Division, // every place of a first-level division, "RU.81"
    Zone,     // every place of a renamed zone
};
struct ZoneCorrection {
    CorrectionScope scope;
    const char* where; // the GeoNames id, the division "CC.code" or the old zone id
    const char* zone;  // the zone id in force now
};
std::span<const ZoneCorrection> ZoneCorrections();

// The names the places of the 2015 list have taken since, which the list
// lacks ("Prayagraj" for Allahabad): each is searched as an alternate name
// of the place it names.
struct AlternateName {
    std::uint32_t geonameId;
    const char* name; // UTF-8
};
std::span<const AlternateName> AlternateNames();

// How far the nearest place may lie from typed coordinates to be proposed.
inline constexpr double kNearbyReachKm = 200;

struct AtlasLoad;

class Atlas {
public:
    // Reads the three files of folder. A line that is not a place (too few
    // fields, no coordinates) is skipped; a missing or empty file is an error.
    // When stop is given and becomes true, reading ends soon, without an
    // atlas.
    static AtlasLoad load(const QString& folder, const std::atomic<bool>* stop = nullptr);

    // Every place, the most populous first.
    const std::vector<Place>& places() const { return places_; }

    // The places whose name, ASCII name or one of whose alternate names
    // begins with text, compared as search keys: first those with a name
    // equal to the text (of two as populous, the one whose own name it is
    // first), then the others, each group the most populous first, at most
    // limit of them. Text after a comma narrows the list: each part
    // must begin the place's state, country or country code ("Paris, Texas";
    // "London, CA"). No places for an empty text.
    std::vector<const Place*> search(QStringView text, std::size_t limit) const;

    // The place a text names: the first of search(text).
    const Place* choose(QStringView text) const;

    // The place nearest to the coordinates (degrees, North and East
    // positive) on the sphere, when one lies within reachKm.
    struct Nearby {
        const Place* place = nullptr;
        double distanceKm = 0;
    };
    std::optional<Nearby> nearest(double latitude, double longitude,
                                  double reachKm = kNearbyReachKm) const;

    // What a key was made of.
    enum class KeyKind : std::uint8_t {
        Name,      // the place's name or its ASCII name
        Alternate, // an alternate name
        Code,      // a code among the alternate names (an airport's "PNQ"): found
                   // by its beginning only, never as the very name typed
    };

private:
    Atlas() = default;

    // One search key of one place, in keys_.
    struct Entry {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint32_t place; // index in places_
        KeyKind kind;
    };

    // A state of a country, as the text after a comma names it.
    struct Region {
        QString stateKey;   // SearchKey of the state
        QString countryKey; // SearchKey of the country
        QString codeKey;    // the country code, lower case
    };

    // For each region, whether every filter begins its state, its country
    // or is its country code.
    std::vector<bool> regionsNarrowedTo(const std::vector<QString>& filters) const;

    // The order of search results: population first, then, for the very
    // name typed, the kind of key that matched.
    std::uint64_t rank(std::uint32_t place, KeyKind kind) const;

    std::vector<Place> places_;
    std::vector<std::uint32_t> populationRank_; // the first index of a place as populous
    std::string keys_;                          // every key, UTF-8, one after the other
    std::vector<Entry> entries_;                // sorted by key
    std::vector<Region> regions_;
    std::vector<std::uint32_t> regionOf_; // each place's index in regions_
};

struct AtlasLoad {
    std::optional<Atlas> atlas;
    QString error; // one line when there is no atlas
};

// The places a text names, as Atlas::search(text, limit) lists them, read
// straight from the files of folder without building the atlas's index: for
// a single look-up (the command line's --place and --places), in a fraction
// of the time a load takes. No places and no error when none matches.
struct PlacesFound {
    std::vector<Place> places;
    QString error; // as Atlas::load gives it, when the files cannot be read
};
PlacesFound FindPlaces(const QString& folder, QStringView text, std::size_t limit);
