#include "atlas/atlas.h"

#include "atlas/atlas_files.h"
#include "atlas/search_key.h"

#include <QByteArrayView>
#include <QDir>
#include <QHash>
#include <QList>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string_view>

#ifndef KELVARO_ATLAS_DIR
#define KELVARO_ATLAS_DIR "/usr/share/libtimezonemap/ui"
#endif

namespace {

constexpr double kEarthRadiusKm = 6371.0088;

using KeyKind = Atlas::KeyKind;

struct PlaceKey {
    QByteArray key; // UTF-8
    KeyKind kind;
};

// A place of one line of cities15000.txt with the search keys of its names.
struct PlaceLine {
    Place place;
    std::vector<PlaceKey> keys; // each key once, of the first kind it has
};

std::optional<PlaceLine> readPlace(QByteArrayView line, const AtlasNames& names) {
    const auto f = PlaceFields(line);
    if (!f) {
        return std::nullopt;
    }
    PlaceLine out{PlaceOf(*f, names), {}};
    ForEachPlaceName(*f, [&out](QByteArrayView name, KeyKind kind) {
        QByteArray key = SearchKey(QString::fromUtf8(name)).toUtf8();
        if (!key.isEmpty()) {
            out.keys.push_back({std::move(key), kind});
        }
    });
    std::stable_sort(out.keys.begin(), out.keys.end(), [](const PlaceKey& a, const PlaceKey& b) {
        return a.key < b.key || (a.key == b.key && a.kind < b.kind);
    });
    out.keys.erase(std::unique(out.keys.begin(), out.keys.end(),
                               [](const PlaceKey& a, const PlaceKey& b) { return a.key == b.key; }),
                   out.keys.end());
    return out;
}

// Keeps the `limit` smallest ranks offered, each once, in order.
class Best {
public:
    explicit Best(std::size_t limit) : limit_(limit) {}

    void offer(std::uint64_t rank) {
        if (limit_ == 0 || (ranks_.size() == limit_ && rank >= ranks_.back())) {
            return;
        }
        const auto at = std::lower_bound(ranks_.begin(), ranks_.end(), rank);
        if (at != ranks_.end() && *at == rank) {
            return;
        }
        ranks_.insert(at, rank);
        if (ranks_.size() > limit_) {
            ranks_.pop_back();
        }
    }

    const std::vector<std::uint64_t>& ranks() const { return ranks_; }

private:
    std::size_t limit_;
    std::vector<std::uint64_t> ranks_;
};

constexpr int kPlaceBits = 32;
constexpr int kKindBits = 2;

std::uint32_t placeOfRank(std::uint64_t rank) {
    return static_cast<std::uint32_t>(rank & 0xFFFFFFFFU);
}

double radians(double degrees) {
    return degrees * std::numbers::pi / 180;
}

// Great-circle distance on the mean Earth sphere (haversine).
double distanceKm(double lat1, double lon1, double lat2, double lon2) {
    const double dLat = radians(lat2 - lat1);
    const double dLon = radians(lon2 - lon1);
    const double a = std::pow(std::sin(dLat / 2), 2) + std::cos(radians(lat1)) *
                                                           std::cos(radians(lat2)) *
                                                           std::pow(std::sin(dLon / 2), 2);
    return 2 * kEarthRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

} // namespace

QString PlaceLabel(const Place& place) {
    QStringList parts{place.Name};
    if (!place.State.isEmpty()) {
        parts << place.State;
    }
    if (!place.Country.isEmpty()) {
        parts << place.Country;
    }
    return parts.join(QStringLiteral(", "));
}

QString DefaultAtlasFolder() {
    return QStringLiteral(KELVARO_ATLAS_DIR);
}

AtlasLoad Atlas::load(const QString& folder, const std::atomic<bool>* stop) {
    AtlasLoad result;
    const auto stopped = [&] {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            result.error = QStringLiteral("Reading the atlas was stopped");
            return true;
        }
        return false;
    };
    const auto cities = ReadAtlasFile(folder, "cities15000.txt", result.error);
    if (!cities || stopped()) {
        return result;
    }
    const std::optional<AtlasNames> names = ReadAtlasNames(folder, result.error);
    if (!names) {
        return result;
    }

    std::vector<PlaceLine> lines;
    for (const QByteArrayView line : AtlasDataLines(*cities)) {
        if (stopped()) {
            return result;
        }
        if (auto place = readPlace(line, *names)) {
            lines.push_back(std::move(*place));
        }
    }
    if (lines.empty()) {
        result.error = QStringLiteral("The atlas file %1 holds no places")
                           .arg(QDir(folder).filePath(QStringLiteral("cities15000.txt")));
        return result;
    }
    std::stable_sort(lines.begin(), lines.end(), [](const PlaceLine& a, const PlaceLine& b) {
        return a.place.Population > b.place.Population;
    });

    Atlas atlas;
    atlas.places_.reserve(lines.size());
    QHash<QByteArray, std::uint32_t> regionIndex;
    for (PlaceLine& line : lines) {
        const auto index = static_cast<std::uint32_t>(atlas.places_.size());
        for (const auto& [key, kind] : line.keys) {
            atlas.entries_.push_back({static_cast<std::uint32_t>(atlas.keys_.size()),
                                      static_cast<std::uint32_t>(key.size()), index, kind});
            atlas.keys_.append(key.constData(), static_cast<std::size_t>(key.size()));
        }
        const bool asPopulousAsTheLast =
            index > 0 && atlas.places_.back().Population == line.place.Population;
        atlas.populationRank_.push_back(asPopulousAsTheLast ? atlas.populationRank_.back() : index);
        const QByteArray regionName = line.place.CountryCode + '\t' + line.place.State.toUtf8();
        auto region = regionIndex.constFind(regionName);
        if (region == regionIndex.cend()) {
            region =
                regionIndex.insert(regionName, static_cast<std::uint32_t>(atlas.regions_.size()));
            atlas.regions_.push_back({SearchKey(line.place.State), SearchKey(line.place.Country),
                                      QString::fromLatin1(line.place.CountryCode).toLower()});
        }
        atlas.regionOf_.push_back(*region);
        atlas.places_.push_back(std::move(line.place));
    }
    const std::string_view keys = atlas.keys_;
    std::sort(atlas.entries_.begin(), atlas.entries_.end(), [keys](const Entry& a, const Entry& b) {
        const std::string_view ka = keys.substr(a.offset, a.length);
        const std::string_view kb = keys.substr(b.offset, b.length);
        return ka < kb || (ka == kb && a.place < b.place);
    });
    result.atlas = std::move(atlas);
    return result;
}

std::uint64_t Atlas::rank(std::uint32_t place, KeyKind kind) const {
    return (std::uint64_t{populationRank_[place]} << (kPlaceBits + kKindBits)) |
           (std::uint64_t{static_cast<std::uint8_t>(kind)} << kPlaceBits) | place;
}

std::vector<bool> Atlas::regionsNarrowedTo(const std::vector<QString>& filters) const {
    std::vector<bool> fits(regions_.size(), true);
    for (std::size_t i = 0; i < regions_.size(); ++i) {
        const Region& r = regions_[i];
        for (const QString& filter : filters) {
            if (!r.stateKey.startsWith(filter) && !r.countryKey.startsWith(filter) &&
                r.codeKey != filter) {
                fits[i] = false;
                break;
            }
        }
    }
    return fits;
}

std::vector<const Place*> Atlas::search(QStringView text, std::size_t limit) const {
    const QList<QStringView> parts = text.split(QLatin1Char(','));
    const QByteArray name = SearchKey(parts.front()).toUtf8();
    if (name.isEmpty() || limit == 0) {
        return {};
    }
    std::vector<QString> filters;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        QString filter = SearchKey(parts[i]);
        if (!filter.isEmpty()) {
            filters.push_back(std::move(filter));
        }
    }

    const std::vector<bool> regionFits = regionsNarrowedTo(filters);

    const std::string_view keys = keys_;
    const std::string_view wanted(name.constData(), static_cast<std::size_t>(name.size()));
    auto keyOf = [keys](const Entry& e) { return keys.substr(e.offset, e.length); };
    auto at = std::lower_bound(entries_.begin(), entries_.end(), wanted,
                               [&](const Entry& e, std::string_view w) { return keyOf(e) < w; });

    // The keys equal to the text come first among those that begin with it.
    Best exact(limit);
    // Room for the places of both groups, which are left out of this one.
    Best begins(2 * limit);
    for (; at != entries_.end() && keyOf(*at).starts_with(wanted); ++at) {
        if (!filters.empty() && !regionFits[regionOf_[at->place]]) {
            continue;
        }
        if (at->kind != KeyKind::Code && at->length == wanted.size()) {
            exact.offer(rank(at->place, at->kind));
        } else {
            begins.offer(rank(at->place, KeyKind::Name));
        }
    }

    std::vector<const Place*> found;
    std::vector<std::uint32_t> exactPlaces;
    for (const std::uint64_t r : exact.ranks()) {
        exactPlaces.push_back(placeOfRank(r));
        found.push_back(&places_[placeOfRank(r)]);
    }
    for (const std::uint64_t r : begins.ranks()) {
        const std::uint32_t place = placeOfRank(r);
        if (found.size() < limit &&
            std::find(exactPlaces.begin(), exactPlaces.end(), place) == exactPlaces.end()) {
            found.push_back(&places_[place]);
        }
    }
    return found;
}

const Place* Atlas::choose(QStringView text) const {
    const std::vector<const Place*> found = search(text, 1);
    return found.empty() ? nullptr : found.front();
}

std::optional<Atlas::Nearby> Atlas::nearest(double latitude, double longitude,
                                            double reachKm) const {
    std::optional<Nearby> best;
    for (const Place& place : places_) {
        const double d = distanceKm(latitude, longitude, place.Latitude, place.Longitude);
        if (d <= reachKm && (!best || d < best->distanceKm)) {
            best = Nearby{&place, d};
        }
    }
    return best;
}
