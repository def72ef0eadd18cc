#pragma once

// A birth ready to be read, from the options or a reading file, and its
// reading given out as the request asks: to files, as JSON or as text. The
// two modes that read one birth (single.h, file.h) end here.

#include "engine/birth_record.h"
#include "tools/chart/command.h"
#include "tools/reading_json.h"

#include <QString>
#include <QStringList>

#include <optional>

struct ResolvedBirth {
    std::optional<BirthRecord> birth;  // none when it cannot be read
    std::optional<ReadingPlace> place; // the atlas's place it was resolved from
    QString placeLabel;                // "Kolkata, West Bengal, India (Asia/Kolkata)"
    QStringList warnings;              // on the zone at the birth
    QString error;                     // why it cannot be read
};

// The zone at the birth, when the record has a zone id, as the window and a
// reading file decide it: a time that did not exist is refused whatever zone
// the record gives, one that happened twice or before standard time is said
// in the warning when the record takes the zone's offset for it.
void settleZone(ResolvedBirth& resolved);

// The reading of the birth written to the request's files, or printed as
// JSON or text. Its planets' failure is one more line on standard error and
// status 1, the houses written all the same.
int writeReading(const ChartRequest& request, const ResolvedBirth& resolved, ChartStreams& streams);
