#pragma once

#include "vedic/dasha.h"

class SettingsStore;

// The reader's choices that shape a reading, remembered between sessions: the
// year the dasha is counted in (Sidereal until one is chosen).
DashaYear RememberedDashaYear(const SettingsStore& settings);
void RememberDashaYear(SettingsStore& settings, DashaYear year);
