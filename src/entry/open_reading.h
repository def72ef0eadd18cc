#pragma once

#include "files/reading_file.h"

class App;
class FrmMain;

// "&Open Previously Saved Reading": asks for a reading file, puts its birth
// data into frmMain and runs the reading driver.
void OpenReading(App& app);

// Puts a reading file's 18 texts into frmMain's controls: the name, zone,
// longitude, latitude and place boxes take their texts; the month list its
// item by number; the day, year, hour and minute lists the item with exactly
// that text; the East, South and DST controls their flags. A list keeps its
// selection when the text names none of its items.
void PutReadingIntoFrmMain(FrmMain& frmMain, const ReadingTexts& texts);
