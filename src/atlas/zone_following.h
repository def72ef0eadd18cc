#pragma once

// Which zone the birth-data window's zone boxes follow and what the window
// says about the zone: the place chosen from the atlas, the offset the
// reading will use, and the nearest place to coordinates typed by hand. It
// knows no widget: the window hands it the birth as a record and shows what
// it answers.

#include "atlas/atlas.h"
#include "atlas/zone_at_birth.h"
#include "engine/birth_record.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <memory>
#include <optional>

// The nearest place to typed coordinates, said in words, and whether its zone
// is offered for the boxes.
struct NearestZoneProposal {
    QString text; // empty when there is nothing to say
    bool offered = false;
    friend bool operator==(const NearestZoneProposal&, const NearestZoneProposal&) = default;
};

class ZoneFollowing {
public:
    // The atlas that the nearest place is looked up in; none before it is read.
    void setAtlas(std::shared_ptr<const Atlas> atlas);
    const Atlas* atlas() const { return atlas_.get(); }

    // A place of the atlas chosen: the boxes follow its zone from now on.
    void followPlace(const Place& place);
    // The zone of the nearest place proposed last, followed likewise; false
    // (and nothing changes) when none is offered.
    bool followNearest();
    // A zone the boxes do not follow: a reading's own, or none.
    void keepZone(const QByteArray& zone);
    // The user typed, ticked or chose a zone: it is theirs from now on.
    void zoneTypedByHand() { following = false; }

    // The IANA zone of the place chosen or of the reading opened; empty when
    // there is none.
    const QByteArray& zoneId() const { return zone; }
    bool follows() const { return following; }

    // The offset the boxes are to show for the birth's local date and time
    // while they follow a zone; nothing when they do not, or when the date
    // is no date. A time that did not exist gives the offset before the gap,
    // one that happened twice its first occurrence: the reading says which.
    std::optional<ZoneOffset> followedOffset(const BirthRecord& birth) const;

    // Coordinates typed by hand: the nearest place of the atlas and its zone,
    // or that there is none within reach. The degree boxes' texts tell whether
    // the record's coordinates were typed at all: both must hold a whole
    // number. Nothing is said without an atlas.
    NearestZoneProposal proposeNearest(const BirthRecord& birth, QStringView latDegrees,
                                       QStringView lonDegrees);
    // The proposal withdrawn: a place chosen, or a reading opened.
    void dropProposal() { nearestZone.clear(); }

private:
    std::shared_ptr<const Atlas> atlas_;
    QByteArray zone;
    bool following = false;
    QByteArray nearestZone; // the zone followNearest takes
};

// The offset line: "UT+5:30", "UT-4:00 (daylight saving)", the offset the
// reading takes from the record's zone boxes, daylight-saving flag,
// direction and longitude. Empty when the zone boxes' texts give no zone: an
// hour that is no whole number, or minutes that are neither empty nor whole.
QString OffsetUsedText(const BirthRecord& birth, QStringView zoneHour, QStringView zoneMinute);
