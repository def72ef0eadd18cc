#pragma once

class App;

// "&Open Previously Saved Reading": asks for a reading file, puts its birth
// data into frmMain and runs the reading driver.
void OpenReading(App& app);
