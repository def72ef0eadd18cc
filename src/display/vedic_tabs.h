#pragma once

#include "reading/reading.h"

#include <QString>

class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;

// The reading window's nakshatra, divisional chart and dasha tabs, laid out
// from the row builders.

// The look of a birth-time sensitivity worth a second look: bold on a warm
// background, as the planets table shows its close minutes.
void MarkClose(QTableWidgetItem& item);

// The sixteen divisional charts, one a row: the ascendant's sign, each body's
// sign and the clock times between which the ascendant keeps its sign. Empty
// body columns without planets.
void ShowVargaTable(QTableWidget& table, const Reading& reading);

// The dasha's Maha and Antar periods with their dates; the periods running on
// today ("2026-12-08") are marked and opened down to the Pratyantar period.
// Any other Antar period shows its Pratyantar periods once it is opened
// (FillPratyantarPeriods). Empty without a dasha.
void ShowDashaTree(QTreeWidget& tree, const Reading& reading, const QString& today);

// An Antar period's Pratyantar periods, made the first time it is opened;
// nothing for any other item.
void FillPratyantarPeriods(QTreeWidgetItem& item, const Reading& reading);

// The columns of both tabs wide enough for their widest texts in the
// widgets' own fonts: measured once, when the window is made.
void SizeVedicTabs(QTableWidget& tblVargas, QTreeWidget& treDasha);
