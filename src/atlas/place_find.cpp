// One look-up in the atlas files without the index of the whole atlas: each
// name's search key is made only when the name's first letter allows it to
// begin with the text typed.

#include "atlas/atlas.h"
#include "atlas/atlas_files.h"
#include "atlas/search_key.h"

#include <QDir>
#include <QHash>

#include <algorithm>
#include <array>
#include <optional>

namespace {

using KeyKind = Atlas::KeyKind;

// Whether a name's search key may begin with the wanted key, told from the
// key of the name's beginning up to its first letter or digit: the key of a
// beginning is the beginning of the key, so a name whose first letter makes
// another key cannot match.
class FirstLetterTest {
public:
    explicit FirstLetterTest(const QString& wanted) : wanted_(wanted) {}

    bool mayBegin(QByteArrayView utf8) {
        qsizetype at = 0;
        while (at < utf8.size()) {
            const auto lead = static_cast<unsigned char>(utf8[at]);
            const qsizetype length = lead < 0x80              ? 1
                                     : (lead & 0xE0U) == 0xC0 ? 2
                                     : (lead & 0xF0U) == 0xE0 ? 3
                                     : (lead & 0xF8U) == 0xF0 ? 4
                                                              : 0;
            if (length == 0 || at + length > utf8.size()) {
                return true; // not UTF-8: the whole key decides
            }
            char32_t c = length == 1 ? lead : lead & (0x7FU >> length);
            for (qsizetype i = 1; i < length; ++i) {
                c = (c << 6) | (static_cast<unsigned char>(utf8[at + i]) & 0x3FU);
            }
            if (QChar::isLetterOrNumber(c)) {
                return at == 0 ? letterFits(c)
                               : fits(SearchKey(QString::fromUtf8(utf8.first(at + length))));
            }
            at += length;
        }
        return true;
    }

private:
    bool fits(const QString& beginning) const {
        return beginning.isEmpty() || wanted_.startsWith(beginning) ||
               beginning.startsWith(wanted_);
    }

    // The answers for a name that begins with a letter, kept by the letter.
    bool letterFits(char32_t letter) {
        constexpr char32_t kAsciiEnd = 0x80;
        if (letter < kAsciiEnd) {
            auto& known = ascii_[letter];
            if (!known) {
                known = fits(SearchKey(QString(QChar(letter))));
            }
            return *known;
        }
        auto known = others_.constFind(letter);
        if (known == others_.cend()) {
            known = others_.insert(letter, fits(SearchKey(QString::fromUcs4(&letter, 1))));
        }
        return *known;
    }

    const QString& wanted_;
    std::array<std::optional<bool>, 0x80> ascii_{};
    QHash<char32_t, bool> others_;
};

// A line whose names begin with the text.
struct Match {
    QList<QByteArrayView> fields;
    std::int64_t population;
    std::optional<KeyKind> exact; // the first kind of a key equal to the text
    qsizetype order;              // the line's place in the file
};

// The order of Atlas::search: the exact names first, the most populous first,
// of two as populous the one of the first kind of key, then the file's order.
bool listedBefore(const Match& a, const Match& b) {
    if (a.exact.has_value() != b.exact.has_value()) {
        return a.exact.has_value();
    }
    if (a.population != b.population) {
        return a.population > b.population;
    }
    if (a.exact && *a.exact != *b.exact) {
        return *a.exact < *b.exact;
    }
    return a.order < b.order;
}

// Whether every filter begins the division's state or country or is its
// country code, as Atlas::search narrows.
class RegionTest {
public:
    RegionTest(const AtlasNames& names, std::vector<QString> filters)
        : names_(names), filters_(std::move(filters)) {}

    bool fits(const QList<QByteArrayView>& fields) {
        if (filters_.empty()) {
            return true;
        }
        const QByteArray division = DivisionOf(fields);
        auto known = fits_.constFind(division);
        if (known == fits_.cend()) {
            known = fits_.insert(division, regionFits(division));
        }
        return *known;
    }

private:
    bool regionFits(const QByteArray& division) const {
        const QByteArray code = division.left(division.indexOf('.'));
        const QString state = SearchKey(names_.states.value(division).name);
        const QString country = SearchKey(names_.countries.value(code, QString::fromLatin1(code)));
        const QString codeKey = QString::fromLatin1(code).toLower();
        return std::all_of(filters_.begin(), filters_.end(), [&](const QString& filter) {
            return state.startsWith(filter) || country.startsWith(filter) || codeKey == filter;
        });
    }

    const AtlasNames& names_;
    std::vector<QString> filters_;
    QHash<QByteArray, bool> fits_;
};

} // namespace

PlacesFound FindPlaces(const QString& folder, QStringView text, std::size_t limit) {
    PlacesFound result;
    const auto cities = ReadAtlasFile(folder, "cities15000.txt", result.error);
    if (!cities) {
        return result;
    }
    const std::optional<AtlasNames> names = ReadAtlasNames(folder, result.error);
    if (!names) {
        return result;
    }
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    const QString wanted = SearchKey(parts.front());
    std::vector<QString> filters;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (QString filter = SearchKey(parts[i]); !filter.isEmpty()) {
            filters.push_back(std::move(filter));
        }
    }

    FirstLetterTest firstLetter(wanted);
    RegionTest region(*names, std::move(filters));
    std::vector<Match> matches;
    qsizetype places = 0;
    for (const QByteArrayView line : AtlasDataLines(*cities)) {
        auto fields = PlaceFields(line);
        if (!fields) {
            continue;
        }
        ++places;
        if (wanted.isEmpty() || limit == 0) {
            continue;
        }
        bool begins = false;
        std::optional<KeyKind> exact;
        ForEachPlaceName(*fields, [&](QByteArrayView name, KeyKind kind) {
            if (!firstLetter.mayBegin(name)) {
                return;
            }
            const QString key = SearchKey(QString::fromUtf8(name));
            if (!key.startsWith(wanted)) {
                return;
            }
            begins = true;
            if (kind != KeyKind::Code && key.size() == wanted.size() && (!exact || kind < *exact)) {
                exact = kind;
            }
        });
        if (begins && region.fits(*fields)) {
            const std::int64_t population = PopulationOf(*fields);
            matches.push_back({std::move(*fields), population, exact, places});
        }
    }
    if (places == 0) {
        result.error = QStringLiteral("The atlas file %1 holds no places")
                           .arg(QDir(folder).filePath(QStringLiteral("cities15000.txt")));
        return result;
    }
    const auto listed = static_cast<std::ptrdiff_t>(std::min(limit, matches.size()));
    std::partial_sort(matches.begin(), matches.begin() + listed, matches.end(), listedBefore);
    for (auto m = matches.begin(); m != matches.begin() + listed; ++m) {
        result.places.push_back(PlaceOf(m->fields, *names));
    }
    return result;
}
