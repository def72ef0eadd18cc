#pragma once

// What the atlas puts into a birth record: the place chosen, and the zone in
// force at the birth.

#include "atlas/atlas.h"
#include "atlas/zone_at_birth.h"
#include "engine/birth_record.h"

#include <QString>
#include <QStringList>

// A place's coordinates as a birth record holds them: whole degrees and
// minutes, rounded to the nearest minute, and the hemispheres. A latitude
// that rounds to 90° is kept at 89°59' and a longitude that rounds to 180° at
// 179°59', the record's range.
struct RecordCoordinates {
    int latD = 0;
    int latM = 0;
    bool latSouth = false;
    int lonD = 0;
    int lonM = 0;
    bool lonEast = false;
    friend bool operator==(const RecordCoordinates&, const RecordCoordinates&) = default;
};
RecordCoordinates RecordCoordinatesOf(double latitude, double longitude);

// The record's longitude in degrees, East positive.
double RecordLongitude(const BirthRecord& birth);

// Puts the place into the record: its plain ASCII name, state and country (so
// that a reading file keeps them whole), its coordinates and its zone id.
void SetPlace(BirthRecord& birth, const Place& place);

// Puts an offset into the record's zone fields as ZoneBoxesFor lays it out,
// with the zone's direction set.
void SetZone(BirthRecord& birth, const ZoneOffset& offset);

// The zone in force at the record's birth, from its zone id, local date and
// time, and its longitude for the local mean time before the zone's first
// standard time. NoZone when the record has no zone id.
ZoneAtBirth ZoneAtBirthOf(const BirthRecord& birth);

// What the zone at a birth means for its reading, said in words. The offset
// the record's zone boxes give (ZoneOffsetMinutes) decides: a time that was
// ambiguous or before standard time is only questioned or noted when the
// record uses the atlas's offset for it; a time that did not exist is refused
// whatever the boxes hold.
struct BirthZoneCheck {
    ZoneAtBirth zone;
    // Nonexistent: the birth cannot be read, and why.
    QString refusal;
    // Ambiguous, and the record uses one of its offsets: which one?
    QString question;
    QStringList choices; // the first occurrence, then the second
    // LocalMeanTime with the record on it: the reading's warning. Ambiguous:
    // the warning when the record's occurrence is taken without asking.
    QString warning;
};
BirthZoneCheck CheckZoneAtBirth(const BirthRecord& birth);
