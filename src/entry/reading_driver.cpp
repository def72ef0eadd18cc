#include "entry/reading_driver.h"

#include "atlas/birth_zone.h"
#include "birth/birth_rules.h"
#include "display/frm_display.h"
#include "display/mod_bhava_chart.h"
#include "engine/mod_bhava.h"
#include "entry/frm_main.h"
#include "planets/mod_planets.h"
#include "platform/app.h"

namespace {

// The zone at the birth, when the birth place has a zone id: a local time
// that did not exist is refused, one that happened twice is asked about (the
// zone boxes then hold the offset chosen). False when there is no reading.
bool settleZoneAtBirth(App& app, FrmMain& form, BirthRecord& birth, QString& warning) {
    const BirthZoneCheck check = CheckZoneAtBirth(birth);
    Dialogs& dialogs = app.services().dialogs;
    if (!check.refusal.isEmpty()) {
        dialogs.message(&form, check.refusal, MessageIcon::Critical);
        return false;
    }
    if (!check.question.isEmpty()) {
        const std::optional<int> chosen = dialogs.askChoice(&form, check.question, check.choices);
        if (!chosen) {
            return false;
        }
        form.writeZone(*chosen == 0 ? check.zone.offset : check.zone.other);
        birth = BirthRecordOf(form.birthEntry());
        return true;
    }
    warning = check.warning;
    return true;
}

} // namespace

void RunReadingDriver(App& app) {
    FrmMain& form = app.frmMain();
    if (!form.ValidateBirthData()) {
        return;
    }
    BirthRecord birth = BirthRecordOf(form.birthEntry());
    QString zoneWarning;
    if (!settleZoneAtBirth(app, form, birth, zoneWarning)) {
        return;
    }
    ProgramState& state = app.state();
    state.currentHouse = 0;
    state.birthRecord = std::move(birth);
    ComputeBhava(state.birthRecord, state.bhavaResult);
    if (!zoneWarning.isEmpty()) {
        state.bhavaResult.Warnings.push_back(zoneWarning.toStdString());
    }
    state.planets = computePlanets(state.birthRecord, state.bhavaResult);

    FrmDisplay& display = app.frmDisplay();
    display.showChart(state.bhavaResult);
    display.showPlanets(state.bhavaResult, state.planets);
    LoadHouseCatalogue();
    display.showHouse(0);

    form.hide();
    app.hideReferralWindow();
    display.show();
}
