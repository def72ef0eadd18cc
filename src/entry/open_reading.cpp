#include "entry/open_reading.h"

#include "shell/app.h"

void OpenReading(App&) {
    // Lands with the reading files.
}
