#pragma once

// The sentences of a reading that are put together from its figures, in the
// language in use; with no catalogue, the very texts the rows give in English.

#include "reading/reading_rows.h"

#include <QString>

// "18:28", "23:52 on 31 December 1999", "before 14:28".
QString ClockEdgeText(const ClockEdge& edge);

// "D10 holds from 18:28 to 18:41": the birth times between which a chart's
// ascendant keeps its sign.
QString WindowText(const VargaRow& row);

// "Each minute later moves these dates 4.9 days earlier (while the Moon stays
// in Swati: from 9 hours earlier to 14 hours later)".
QString DashaSensitivityText(const DashaTable& table);
