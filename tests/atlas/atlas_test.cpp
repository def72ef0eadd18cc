#include "atlas/atlas.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

namespace {

// The installed atlas, read once for all the tests that search it.
class InstalledAtlasTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        AtlasLoad load = Atlas::load(DefaultAtlasFolder());
        ASSERT_TRUE(load.atlas) << load.error.toStdString();
        atlas = std::make_unique<Atlas>(std::move(*load.atlas));
    }
    static void TearDownTestSuite() { atlas.reset(); }

    static std::unique_ptr<Atlas> atlas;
};
std::unique_ptr<Atlas> InstalledAtlasTest::atlas;

struct Chosen {
    const char16_t* typed;
    const char* asciiName;
    const char* countryCode;
    const char* state; // empty: not checked
};

void PrintTo(const Chosen& c, std::ostream* os) {
    *os << QString::fromUtf16(c.typed).toStdString();
}

class ChooseTest : public InstalledAtlasTest, public testing::WithParamInterface<Chosen> {};

TEST_P(ChooseTest, TheTypedTextNamesThePlace) {
    const Chosen& c = GetParam();
    const Place* place = atlas->choose(QString::fromUtf16(c.typed));
    ASSERT_NE(place, nullptr);
    EXPECT_EQ(place->AsciiName.toStdString(), c.asciiName);
    EXPECT_EQ(place->CountryCode.toStdString(), c.countryCode);
    if (*c.state != '\0') {
        EXPECT_EQ(place->StateAscii.toStdString(), c.state);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, ChooseTest,
    testing::Values(
        // Accents and case do not matter.
        Chosen{u"zurich", "Zurich", "CH", ""}, Chosen{u"ZÜRICH", "Zurich", "CH", ""},
        Chosen{u"sao paulo", "Sao Paulo", "BR", ""},
        // Alternate names find the place.
        Chosen{u"Bombay", "Mumbai", "IN", ""}, Chosen{u"Madras", "Chennai", "IN", ""},
        Chosen{u"München", "Munich", "DE", ""},
        // Names given since the list was made.
        Chosen{u"Prayagraj", "Allahabad", "IN", ""}, Chosen{u"Gurugram", "Gurgaon", "IN", ""},
        Chosen{u"Kalaburagi", "Gulbarga", "IN", ""}, Chosen{u"Dnipro", "Dnipropetrovsk", "UA", ""},
        // The most populous of the places with that very name.
        Chosen{u"Paris", "Paris", "FR", ""}, Chosen{u"London", "London", "GB", ""},
        Chosen{u"Springfield", "Springfield", "US", "Missouri"},
        // An exact name beats more populous places whose names only begin so.
        Chosen{u"Delhi", "Delhi", "IN", ""},
        // A prefix finds the most populous place it begins.
        Chosen{u"Kathm", "Kathmandu", "NP", ""},
        // Text after a comma narrows by state or country.
        Chosen{u"Paris, Texas", "Paris", "US", "Texas"},
        Chosen{u"London, Canada", "London", "CA", ""}, Chosen{u"London, CA", "London", "CA", ""},
        Chosen{u"Springfield, Illinois", "Springfield", "US", "Illinois"}));

bool mostPopulousFirst(const std::vector<const Place*>& places) {
    return std::is_sorted(places.begin(), places.end(), [](const Place* a, const Place* b) {
        return a->Population > b->Population;
    });
}

TEST_F(InstalledAtlasTest, ListsTheExactNameFirstThenTheRestMostPopulousFirst) {
    // San in Mali is smaller than every city whose name begins with San.
    const std::vector<const Place*> san = atlas->search(u"san", 20);
    ASSERT_EQ(san.size(), 20U);
    EXPECT_EQ(san[0]->AsciiName, QStringLiteral("San"));
    EXPECT_EQ(san[0]->CountryCode, QByteArray("ML"));
    EXPECT_TRUE(mostPopulousFirst({san.begin() + 1, san.end()}));
    EXPECT_EQ(std::set<const Place*>(san.begin(), san.end()).size(), san.size());
    EXPECT_GT(san[1]->Population, san[0]->Population);

    const std::vector<const Place*> springfields = atlas->search(u"Springfield", 20);
    EXPECT_GE(springfields.size(), 5U);
    EXPECT_TRUE(mostPopulousFirst(springfields));
    EXPECT_EQ(atlas->search(u"a", 7).size(), 7U);
}

// "London" is an alternate name of the City of London, which GeoNames gives
// as many people as London itself.
TEST_F(InstalledAtlasTest, OfTwoAsPopulousThePlaceWhoseOwnNameItIsComesFirst) {
    const std::vector<const Place*> found = atlas->search(u"London", 2);
    ASSERT_EQ(found.size(), 2U);
    EXPECT_EQ(found[0]->Name, QStringLiteral("London"));
    EXPECT_EQ(found[1]->Name, QStringLiteral("City of London"));
    EXPECT_EQ(found[0]->Population, found[1]->Population);
}

// Airport codes among the alternate names are found by their beginning, but
// never as the name typed: "SAN" is San Diego's airport.
TEST_F(InstalledAtlasTest, CodesAreNotExactNames) {
    EXPECT_EQ(atlas->choose(u"pnq")->AsciiName, QStringLiteral("Pune"));
    EXPECT_EQ(atlas->choose(u"san")->AsciiName, QStringLiteral("San"));
}

TEST_F(InstalledAtlasTest, FindsNothingForEmptyOrUnknownText) {
    EXPECT_TRUE(atlas->search(u"", 10).empty());
    EXPECT_TRUE(atlas->search(u" ,", 10).empty());
    EXPECT_TRUE(atlas->search(u"xqzxqz", 10).empty());
    EXPECT_TRUE(atlas->search(u"Paris, Atlantis", 10).empty());
    EXPECT_EQ(atlas->choose(u"xqzxqz"), nullptr);
    EXPECT_TRUE(atlas->search(u"Paris", 0).empty());
}

TEST_F(InstalledAtlasTest, LabelsAPlaceWithItsStateAndCountry) {
    EXPECT_EQ(PlaceLabel(*atlas->choose(u"Zurich")), QStringLiteral("Zürich, Zurich, Switzerland"));
    EXPECT_EQ(PlaceLabel(*atlas->choose(u"Paris, Texas")),
              QStringLiteral("Paris, Texas, United States"));
}

TEST_F(InstalledAtlasTest, CorrectsTheZonesThatChangedSinceTheListWasMade) {
    struct Case {
        const char16_t* place;
        const char* zone;
    };
    for (const Case& c :
         {Case{u"Ulyanovsk", "Europe/Ulyanovsk"}, Case{u"Dimitrovgrad, Russia", "Europe/Ulyanovsk"},
          Case{u"Saratov", "Europe/Saratov"}, Case{u"Barnaul", "Asia/Barnaul"},
          Case{u"Biysk", "Asia/Barnaul"}, Case{u"Punta Arenas", "America/Punta_Arenas"},
          Case{u"Yangon", "Asia/Yangon"}, Case{u"Kyiv", "Europe/Kyiv"},
          Case{u"Ciudad Juarez", "America/Ciudad_Juarez"},
          // Regions that kept their zone stay as they were.
          Case{u"Volgograd", "Europe/Volgograd"}, Case{u"Santiago, Chile", "America/Santiago"}}) {
        const Place* place = atlas->choose(QString::fromUtf16(c.place));
        ASSERT_NE(place, nullptr) << QString::fromUtf16(c.place).toStdString();
        EXPECT_EQ(place->TimeZone.toStdString(), c.zone)
            << QString::fromUtf16(c.place).toStdString();
    }
}

// Each name of the table finds the place it renamed, by its GeoNames id.
// Some are also older names of more populous places (Pokrovsk was Engels's):
// the country narrows to the one renamed.
TEST_F(InstalledAtlasTest, EveryRenamingFindsThePlaceItRenamed) {
    for (const AlternateName& renaming : AlternateNames()) {
        const auto renamed =
            std::find_if(atlas->places().begin(), atlas->places().end(),
                         [&](const Place& p) { return p.GeonameId == renaming.geonameId; });
        ASSERT_NE(renamed, atlas->places().end()) << renaming.name;
        const QString typed = QString::fromUtf8(renaming.name) + QStringLiteral(", ") +
                              QString::fromLatin1(renamed->CountryCode);
        const Place* found = atlas->choose(typed);
        ASSERT_NE(found, nullptr) << renaming.name;
        EXPECT_EQ(found->GeonameId, renaming.geonameId) << renaming.name;
        // A name the list has already would not belong in the table.
        EXPECT_NE(found->Name, QString::fromUtf8(renaming.name)) << renaming.name;
    }
}

// A zone the system's time-zone data lacks would leave its places without a
// zone: every corrected id and every place's zone must be known to it.
TEST_F(InstalledAtlasTest, EveryZoneIsKnownToTheSystemsTimeZoneData) {
    for (const ZoneCorrection& c : ZoneCorrections()) {
        EXPECT_TRUE(QTimeZone(QByteArray(c.zone)).isValid()) << c.zone;
    }
    std::set<QByteArray> zones;
    for (const Place& place : atlas->places()) {
        zones.insert(place.TimeZone);
    }
    for (const QByteArray& zone : zones) {
        EXPECT_TRUE(QTimeZone(zone).isValid()) << zone.toStdString();
    }
}

TEST_F(InstalledAtlasTest, ProposesTheNearestPlaceWithinReach) {
    // A village a few kilometres south of Pune's centre.
    const auto nearPune = atlas->nearest(18.47, 73.86);
    ASSERT_TRUE(nearPune);
    EXPECT_EQ(nearPune->place->AsciiName, QStringLiteral("Pune"));
    EXPECT_NEAR(nearPune->distanceKm, 5.5, 0.2);
    // Across the date line: Fiji's Labasa is nearer than anything on the
    // other side of 180 degrees.
    const auto fiji = atlas->nearest(-16.4, 179.9);
    ASSERT_TRUE(fiji);
    EXPECT_EQ(fiji->place->CountryCode, QByteArray("FJ"));
    // The middle of the Pacific has no place within reach.
    EXPECT_FALSE(atlas->nearest(-30.0, -140.0));
}

// A small atlas written by the test, in the files' own layout.
class AtlasFilesTest : public testing::Test {
protected:
    void write(const char* name, const QByteArray& bytes) {
        QFile file(QDir(folder.path()).filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    static QByteArray cityLine(const char* id, const char* name, const char* alternates,
                               const char* latitude, const char* longitude, const char* country,
                               const char* admin1, const char* population, const char* zone) {
        return QByteArray(id) + '\t' + name + '\t' + name + '\t' + alternates + '\t' + latitude +
               '\t' + longitude + "\tP\tPPL\t" + country + "\t\t" + admin1 + "\t\t\t\t" +
               population + "\t\t100\t" + zone + "\t2015-01-01";
    }

    void writeCountriesAndStates() {
        write("countryInfo.txt", "#ISO\tISO3\tnum\tfips\tCountry\n"
                                 "RU\tRUS\t643\tRS\tRussia\n"
                                 "CW\tCUW\t531\tUC\tCuraçao\n");
        write("admin1Codes.txt", "RU.81\tUl'yanovsk\tUlyanovsk\t479119\n");
    }

    QTemporaryDir folder;
};

TEST_F(AtlasFilesTest, ReadsPlacesSkipsBrokenLinesAndCorrectsZones) {
    writeCountriesAndStates();
    write("cities15000.txt",
          cityLine("479123", "Ul'yanovsk", "Simbirsk,Ульяновск", "54.33", "48.39", "RU", "81",
                   "640680", "Europe/Moscow") +
              "\r\n" + "broken line\twith too few fields\n" +
              cityLine("1", "Nowhere", "", "north", "0", "RU", "81", "5", "UTC") + "\n" +
              cityLine("3513090", "Willemstad", "", "12.1", "-68.93", "CW", "00", "125000",
                       "America/Curacao") +
              "\n");
    AtlasLoad load = Atlas::load(folder.path());
    ASSERT_TRUE(load.atlas) << load.error.toStdString();
    const std::vector<Place>& places = load.atlas->places();
    ASSERT_EQ(places.size(), 2U);
    const Place& ulyanovsk = places[0];
    EXPECT_EQ(ulyanovsk.TimeZone, QByteArray("Europe/Ulyanovsk"));
    EXPECT_EQ(ulyanovsk.State, QStringLiteral("Ul'yanovsk"));
    EXPECT_EQ(ulyanovsk.Population, 640680);
    EXPECT_DOUBLE_EQ(ulyanovsk.Longitude, 48.39);
    EXPECT_EQ(load.atlas->choose(u"simbirsk"), &ulyanovsk);
    EXPECT_EQ(load.atlas->choose(u"ульяновск"), &ulyanovsk);
    // A division missing from admin1Codes.txt leaves the state empty.
    EXPECT_EQ(PlaceLabel(places[1]), QStringLiteral("Willemstad, Curaçao"));
    EXPECT_EQ(places[1].CountryAscii, QStringLiteral("Curacao"));
}

TEST_F(AtlasFilesTest, AMissingOrEmptyFileIsAnErrorThatNamesIt) {
    writeCountriesAndStates();
    AtlasLoad load = Atlas::load(folder.path());
    EXPECT_FALSE(load.atlas);
    EXPECT_TRUE(load.error.contains(QStringLiteral("cities15000.txt"))) << load.error.toStdString();

    write("cities15000.txt", "");
    load = Atlas::load(folder.path());
    EXPECT_FALSE(load.atlas);
    EXPECT_TRUE(load.error.contains(QStringLiteral("is empty"))) << load.error.toStdString();

    write("cities15000.txt", "# only a comment\n");
    load = Atlas::load(folder.path());
    EXPECT_FALSE(load.atlas);
    EXPECT_TRUE(load.error.contains(QStringLiteral("no places"))) << load.error.toStdString();
}

} // namespace
