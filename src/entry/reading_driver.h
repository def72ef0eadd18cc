#pragma once

class App;

// "Get My Bhava Chart Reading": validates frmMain's inputs, fills the birth
// record, computes the reading and shows it in the reading window.
void RunReadingDriver(App& app);
