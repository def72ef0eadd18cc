#include "entry/reading_driver.h"

#include "birth/birth_rules.h"
#include "display/frm_display.h"
#include "display/mod_bhava_chart.h"
#include "engine/mod_bhava.h"
#include "entry/frm_main.h"
#include "platform/app.h"

void RunReadingDriver(App& app) {
    FrmMain& form = app.frmMain();
    if (!form.ValidateBirthData()) {
        return;
    }
    ProgramState& state = app.state();
    state.currentHouse = 0;
    state.birthRecord = BirthRecordOf(form.birthEntry());
    ComputeBhava(state.birthRecord, state.bhavaResult);

    FrmDisplay& display = app.frmDisplay();
    display.showChart(state.bhavaResult);
    LoadHouseCatalogue();
    display.showHouse(0);

    form.hide();
    app.hideReferralWindow();
    display.show();
}
