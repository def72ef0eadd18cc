#pragma once

class App;
class FrmMain;

// "&Open Previously Saved Reading": asks for a reading file, puts its birth
// data into frmMain and runs the reading driver. A file the window cannot
// show exactly as it holds it changes nothing and says "Please Check The
// File." with what is wrong.
void OpenReading(App& app, FrmMain& frmMain);
