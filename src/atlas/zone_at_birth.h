#pragma once

// The offset from universal time in force at a birth, from the birthplace's
// IANA zone and the local date and time, over the system's time-zone data.

#include <QByteArrayView>
#include <QDate>
#include <QString>
#include <QTime>

// An offset from universal time in whole minutes, ahead of UT positive,
// daylight saving included; offsets with seconds are rounded to the minute.
struct ZoneOffset {
    int minutes = 0;
    int daylightMinutes = 0; // the part of it that is daylight saving; 0 for none

    int standardMinutes() const { return minutes - daylightMinutes; }
    friend bool operator==(const ZoneOffset&, const ZoneOffset&) = default;
};

enum class LocalTimeKind {
    Unique,        // the local time happened once
    Nonexistent,   // the clocks were moved forward over it
    Ambiguous,     // the clocks were moved back over it: it happened twice
    LocalMeanTime, // before the zone's first standard time
    NoZone,        // the zone is not in the system's data, or the date is no date
};

struct ZoneAtBirth {
    LocalTimeKind kind = LocalTimeKind::NoZone;
    // Unique: the offset in force. Nonexistent: the offset before the gap.
    // Ambiguous: the offset of the first occurrence, before the clocks moved
    // back. LocalMeanTime: the birthplace's own mean time.
    ZoneOffset offset;
    // Nonexistent: the offset after the gap. Ambiguous: the offset of the
    // second occurrence.
    ZoneOffset other;
};

// The zone in force at the local date and time at a place of the zone whose
// longitude (degrees, East positive) gives its local mean time before the
// zone's first standard time. The change from that mean time to the zone's
// first standard offset is the place's own: a gap or an overlap when the two
// differ, whatever mean time the zone's data give its own city.
ZoneAtBirth ZoneAt(QByteArrayView zoneId, QDate date, QTime time, double longitude);

// Local mean time at a longitude (degrees, East positive): four minutes of
// time a degree, rounded to the minute.
int LocalMeanTimeMinutes(double longitude);

// What the zone boxes of a birth hold for an offset. Their daylight-saving
// flag means exactly one hour: a daylight saving of one hour gives the
// standard offset and the flag; any other (two hours, thirty minutes, a
// negative one) gives the whole offset without the flag. Hours and minutes
// are magnitudes; ahead is the direction of the offset in the boxes (of the
// whole offset when the standard one is zero).
struct ZoneBoxes {
    int hours = 0;
    int minutes = 0;
    bool dst = false;
    bool ahead = true;
    friend bool operator==(const ZoneBoxes&, const ZoneBoxes&) = default;
};
ZoneBoxes ZoneBoxesFor(const ZoneOffset& offset);
