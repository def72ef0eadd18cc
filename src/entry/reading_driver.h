#pragma once

class App;
class FrmMain;

// "Get My Bhava Chart Reading": validates the window's inputs, settles the
// zone at the birth, makes the reading and has the application show it.
void RunReadingDriver(App& app, FrmMain& form);
