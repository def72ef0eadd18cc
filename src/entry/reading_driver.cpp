#include "entry/reading_driver.h"

#include "entry/frm_main.h"
#include "shell/app.h"

void RunReadingDriver(App& app) {
    if (!app.frmMain().ValidateBirthData()) {
        return;
    }
}
