#pragma once

// A reading as text, laid out as the reading window shows it: the figures,
// the table of the twelve houses, the notes, and the table of the planets in
// them (or why there are none). A table is a TextColumns and its lines; a
// new table is one more function called from readingText.

#include "reading/reading.h"

#include <QString>

#include <initializer_list>
#include <vector>

// Columns of text, each but the last padded with spaces to its width (a
// longer cell pushes the rest along rather than being cut).
struct TextColumns {
    std::vector<int> widths; // of every column but the last

    // One line of the table, with its line end.
    QString line(std::initializer_list<QString> cells) const;
};

// The reading's text; with a place of the atlas, a line naming it first
// ("Kolkata, West Bengal, India (Asia/Kolkata)").
QString readingText(const Reading& reading, const QString& placeLabel = {});
