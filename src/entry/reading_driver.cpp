#include "entry/reading_driver.h"

#include "display/frm_display.h"
#include "display/mod_bhava_chart.h"
#include "engine/mod_bhava.h"
#include "entry/frm_main.h"
#include "files/field_codec.h"
#include "planets/mod_planets.h"
#include "shell/app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

// The text read as a decimal number, or nothing when it is not one.
std::optional<double> readNumber(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Rounded to the nearest integer, halves to the even neighbour, when that fits
// a signed 16-bit field.
std::optional<std::int16_t> toInt16(double value) {
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

// A field the conversion rejects keeps the value of the previous reading.
void convertInteger(const QString& text, std::int16_t& field) {
    if (const auto number = readNumber(text)) {
        if (const auto value = toInt16(*number)) {
            field = *value;
        }
    }
}

// The zone's sign is dropped: its direction comes from the longitude.
void convertMagnitude(const QString& text, std::int16_t& field) {
    if (const auto number = readNumber(text)) {
        if (const auto value = toInt16(std::fabs(*number))) {
            field = *value;
        }
    }
}

// Copies frmMain's controls into the birth record, in the record's order.
void fillBirthRecord(const FrmMain& form, BirthRecord& record) {
    record.Name = form.txtName->text().toStdString();
    const qsizetype month = MonthNames().indexOf(form.cboMonth->currentText());
    if (month >= 0) {
        record.Month = static_cast<std::int16_t>(month + 1);
    }
    convertInteger(form.cboDate->currentText(), record.Day);
    convertInteger(form.cboYear->currentText(), record.Year);
    convertInteger(form.cboHH->currentText(), record.Hour);
    convertInteger(form.cboMM->currentText(), record.Minute);
    convertMagnitude(form.txtZoneHour->text(), record.ZoneHour);
    convertMagnitude(form.txtZoneMinute->text(), record.ZoneMinute);
    convertInteger(form.txtLonD->text(), record.LonD);
    convertInteger(form.txtLonM->text(), record.LonM);
    convertInteger(form.txtLatD->text(), record.LatD);
    convertInteger(form.txtLatM->text(), record.LatM);
    record.LonEast = form.optLong[0]->isChecked();
    record.LatSouth = form.optLat[1]->isChecked();
    record.DST = form.chkDST->checkState() != Qt::Unchecked;
    record.City = TrimSpaces(form.txtMCity->text()).toStdString();
    record.State = TrimSpaces(form.txtMState->text()).toStdString();
    record.Country = TrimSpaces(form.txtMCountry->text()).toStdString();
}

} // namespace

void RunReadingDriver(App& app) {
    FrmMain& form = app.frmMain();
    if (!form.ValidateBirthData()) {
        return;
    }
    ProgramState& state = app.state();
    state.currentHouse = 0;
    fillBirthRecord(form, state.birthRecord);
    ComputeBhava(state.birthRecord, state.bhavaResult);
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
