#include "atlas/zone_following.h"
#include "support/installed_atlas.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

BirthRecord birthAt(int year, int month, int day, int hour) {
    BirthRecord birth;
    birth.Year = static_cast<std::int16_t>(year);
    birth.Month = static_cast<std::int16_t>(month);
    birth.Day = static_cast<std::int16_t>(day);
    birth.Hour = static_cast<std::int16_t>(hour);
    return birth;
}

TEST(ZoneFollowingTest, APlaceChosenIsFollowedUntilTheUserTypesAZone) {
    const auto atlas = installedAtlas();
    ASSERT_NE(atlas, nullptr);
    const Place* newYork = atlas->choose(u"New York City");
    ASSERT_NE(newYork, nullptr);
    ZoneFollowing following;
    EXPECT_EQ(following.followedOffset(birthAt(1990, 1, 15, 12)), std::nullopt);

    following.followPlace(*newYork);
    EXPECT_TRUE(following.follows());
    EXPECT_EQ(following.zoneId(), QByteArray("America/New_York"));
    const struct {
        BirthRecord birth;
        std::optional<ZoneOffset> offset;
    } cases[] = {
        {birthAt(1990, 1, 15, 12), ZoneOffset{-300, 0}},
        {birthAt(1990, 7, 15, 12), ZoneOffset{-240, 60}},
        {birthAt(1944, 1, 15, 12), ZoneOffset{-240, 60}}, // war time all year
        {birthAt(1990, 2, 30, 12), std::nullopt},         // no such day
    };
    for (const auto& c : cases) {
        EXPECT_EQ(following.followedOffset(c.birth), c.offset)
            << c.birth.Year << "-" << c.birth.Month << "-" << c.birth.Day;
    }

    following.zoneTypedByHand();
    EXPECT_FALSE(following.follows());
    EXPECT_EQ(following.zoneId(), QByteArray("America/New_York"));
    EXPECT_EQ(following.followedOffset(birthAt(1990, 1, 15, 12)), std::nullopt);

    // A reading's own zone is kept, never followed.
    following.keepZone("Europe/Madrid");
    EXPECT_FALSE(following.follows());
    EXPECT_EQ(following.zoneId(), QByteArray("Europe/Madrid"));
    EXPECT_EQ(following.followedOffset(birthAt(1990, 7, 15, 12)), std::nullopt);
}

TEST(ZoneFollowingTest, TypedCoordinatesProposeTheNearestPlaceOnceBothDegreesAreTyped) {
    ZoneFollowing following;
    BirthRecord pune;
    pune.LatD = 18;
    pune.LatM = 28;
    pune.LonD = 73;
    pune.LonM = 52;
    pune.LonEast = true;
    // No atlas yet: nothing to say, nothing to take.
    EXPECT_EQ(following.proposeNearest(pune, u"18", u"73"), NearestZoneProposal{});
    EXPECT_FALSE(following.followNearest());

    following.setAtlas(installedAtlas());
    const struct {
        const char16_t* latDegrees;
        const char16_t* lonDegrees;
        bool said;
    } typed[] = {
        {u"18", u"", false}, {u"", u"73", false}, {u"1.5", u"73", false}, {u" 18 ", u"73", true}};
    for (const auto& t : typed) {
        const NearestZoneProposal proposal =
            following.proposeNearest(pune, t.latDegrees, t.lonDegrees);
        EXPECT_EQ(!proposal.text.isEmpty(), t.said) << proposal.text.toStdString();
        EXPECT_EQ(proposal.offered, t.said);
    }
    const NearestZoneProposal proposal = following.proposeNearest(pune, u"18", u"73");
    EXPECT_TRUE(proposal.text.contains(QStringLiteral("Pune, Maharashtra, India")))
        << proposal.text.toStdString();
    EXPECT_TRUE(proposal.text.contains(QStringLiteral("zone Asia/Kolkata")));
    ASSERT_TRUE(following.followNearest());
    EXPECT_TRUE(following.follows());
    EXPECT_EQ(following.zoneId(), QByteArray("Asia/Kolkata"));

    // The middle of the Pacific: said, but no zone to take.
    BirthRecord ocean;
    ocean.LatD = 30;
    ocean.LatSouth = true;
    ocean.LonD = 140;
    const NearestZoneProposal none = following.proposeNearest(ocean, u"30", u"140");
    EXPECT_TRUE(none.text.startsWith(QStringLiteral("No place of the atlas lies within 200 km")));
    EXPECT_FALSE(none.offered);
    EXPECT_FALSE(following.followNearest());
}

TEST(OffsetUsedTextTest, SaysTheOffsetTheReadingTakesFromTheZoneBoxes) {
    struct Case {
        const char16_t* hour;
        const char16_t* minute;
        int hours;
        int minutes;
        bool east;
        bool dst;
        std::optional<bool> ahead;
        const char* shown;
    };
    const Case cases[] = {
        {u"5", u"30", 5, 30, true, false, std::nullopt, "UT+5:30"},
        {u"-5", u"-30", 5, 30, true, false, std::nullopt, "UT+5:30"}, // the sign is dropped
        {u"5", u"0", 5, 0, false, true, std::nullopt, "UT-4:00 (daylight saving)"},
        {u"11", u"", 11, 0, false, false, true, "UT+11:00"}, // no minutes typed yet
        {u"5", u"0", 5, 0, true, false, false, "UT-5:00"},
        {u"0", u"0", 0, 0, false, true, std::nullopt, "UT+1:00 (daylight saving)"},
        // Boxes that give no zone.
        {u"", u"", 0, 0, true, false, std::nullopt, ""},
        {u"-", u"30", 0, 30, true, false, std::nullopt, ""},
        {u"5", u"3x", 5, 0, true, false, std::nullopt, ""},
        {u"5.5", u"0", 0, 0, true, false, std::nullopt, ""},
        {u"99999", u"0", 0, 0, true, false, std::nullopt, ""},
    };
    for (const Case& c : cases) {
        BirthRecord birth;
        birth.ZoneHour = static_cast<std::int16_t>(c.hours);
        birth.ZoneMinute = static_cast<std::int16_t>(c.minutes);
        birth.LonD = 77;
        birth.LonEast = c.east;
        birth.DST = c.dst;
        birth.ZoneAhead = c.ahead;
        EXPECT_EQ(OffsetUsedText(birth, c.hour, c.minute).toStdString(), c.shown)
            << QString::fromUtf16(c.hour).toStdString() << ":"
            << QString::fromUtf16(c.minute).toStdString();
    }
}

} // namespace
