#include "atlas/atlas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const Place& placeOf(const Place* place) {
    return *place;
}
const Place& placeOf(const Place& place) {
    return place;
}

template <typename Places> std::vector<std::uint32_t> idsOf(const Places& places) {
    std::vector<std::uint32_t> ids;
    ids.reserve(places.size());
    for (const auto& p : places) {
        ids.push_back(placeOf(p).GeonameId);
    }
    return ids;
}

// A look-up in the files lists what the atlas's index lists, in its order.
TEST(FindPlacesTest, ListsWhatTheAtlasSearchLists) {
    AtlasLoad load = Atlas::load(DefaultAtlasFolder());
    ASSERT_TRUE(load.atlas) << load.error.toStdString();
    const Atlas& atlas = *load.atlas;
    for (const char16_t* typed : {u"Zürich",
                                  u"ZURICH",
                                  u"sao paulo",
                                  u"Bombay",
                                  u"London",
                                  u"london, ca",
                                  u"Paris, Texas",
                                  u"Springfield",
                                  u"san",
                                  u"a",
                                  u"Kathm",
                                  u"pnq",
                                  u"Prayagraj",
                                  u"Pokrovsk",
                                  u"Pokrovsk, Ukraine",
                                  u"Москва",
                                  u"東京",
                                  u"Łódź",
                                  u"'s-Hertogenbosch",
                                  u"Ust'-Kut",
                                  u"Straße",
                                  u"xqzxqz",
                                  u"Paris, Atlantis",
                                  u" ,",
                                  u""}) {
        const QString text = QString::fromUtf16(typed);
        for (const std::size_t limit : {std::size_t{1}, std::size_t{20}}) {
            const PlacesFound found = FindPlaces(DefaultAtlasFolder(), text, limit);
            EXPECT_TRUE(found.error.isEmpty()) << found.error.toStdString();
            EXPECT_EQ(idsOf(found.places), idsOf(atlas.search(text, limit)))
                << text.toStdString() << ", " << limit;
        }
    }
    // The place is the atlas's own, fields and corrected zone alike.
    const PlacesFound kyiv = FindPlaces(DefaultAtlasFolder(), u"Kyiv", 1);
    ASSERT_EQ(kyiv.places.size(), 1U);
    const Place* chosen = atlas.choose(u"Kyiv");
    EXPECT_EQ(kyiv.places[0].TimeZone, QByteArray("Europe/Kyiv"));
    EXPECT_EQ(PlaceLabel(kyiv.places[0]), PlaceLabel(*chosen));
    EXPECT_EQ(kyiv.places[0].AsciiName, chosen->AsciiName);
    EXPECT_EQ(kyiv.places[0].CountryAscii, chosen->CountryAscii);
    EXPECT_DOUBLE_EQ(kyiv.places[0].Latitude, chosen->Latitude);
    EXPECT_DOUBLE_EQ(kyiv.places[0].Longitude, chosen->Longitude);
    EXPECT_EQ(kyiv.places[0].Population, chosen->Population);
}

TEST(FindPlacesTest, GivesTheAtlasErrorsForMissingOrEmptyFiles) {
    QTemporaryDir folder;
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile file(QDir(folder.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    PlacesFound found = FindPlaces(folder.path(), u"Paris", 1);
    EXPECT_TRUE(found.error.contains(QStringLiteral("cities15000.txt")))
        << found.error.toStdString();

    write("cities15000.txt", "# only a comment\n");
    found = FindPlaces(folder.path(), u"Paris", 1);
    EXPECT_TRUE(found.error.contains(QStringLiteral("admin1Codes.txt")))
        << found.error.toStdString();

    write("admin1Codes.txt", "FR.11\tÎle-de-France\tIle-de-France\t3012874\n");
    write("countryInfo.txt", "FR\tFRA\t250\tFR\tFrance\n");
    found = FindPlaces(folder.path(), u"Paris", 1);
    EXPECT_TRUE(found.error.contains(QStringLiteral("no places"))) << found.error.toStdString();
    EXPECT_TRUE(found.places.empty());
}

} // namespace
