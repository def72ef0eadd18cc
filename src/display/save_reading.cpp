#include "display/save_reading.h"

#include "shell/app.h"

void SaveReading(App&, QWidget*) {
    // Lands with the reading files.
}
