#include "entry/reading_driver.h"

#include "atlas/birth_zone.h"
#include "birth/birth_rules.h"
#include "entry/frm_main.h"
#include "platform/app.h"
#include "platform/reading_choices.h"
#include "reading/reading.h"

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

void RunReadingDriver(App& app, FrmMain& form) {
    if (!form.ValidateBirthData()) {
        return;
    }
    BirthRecord birth = BirthRecordOf(form.birthEntry());
    QString zoneWarning;
    if (!settleZoneAtBirth(app, form, birth, zoneWarning)) {
        return;
    }
    ReadingOptions options;
    options.dashaYear = RememberedDashaYear(app.services().settings);
    if (!zoneWarning.isEmpty()) {
        options.warnings.push_back(zoneWarning.toStdString());
    }
    app.showReading(MakeReading(birth, options));
}
