#include "entry/open_reading.h"

#include "entry/frm_main.h"
#include "entry/reading_driver.h"
#include "shell/app.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <cmath>
#include <optional>

namespace {

const QString& checkFileMessage() {
    static const QString text = QStringLiteral("Please Check The File.");
    return text;
}

std::optional<double> number(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// True or False in any case, or a number that is not 0; anything else that is
// not a number counts as true as well.
bool flag(const QString& text) {
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
        return false;
    }
    if (const auto value = number(word)) {
        return *value != 0.0;
    }
    return true;
}

void setText(QLineEdit* box, const QString& text) {
    if (box != nullptr) {
        box->setText(text);
    }
}

// The month list's item number is the month less one, rounded half to even;
// month 0 leaves no month selected and any other number outside the list
// keeps the selection, as does a text that is no number.
void selectMonth(QComboBox* list, const QString& text) {
    const auto month = number(text);
    if (list == nullptr || !month) {
        return;
    }
    const double item = std::nearbyint(*month - 1.0);
    if (item == -1.0) {
        list->setCurrentIndex(-1);
    } else if (item >= 0.0 && item < list->count()) {
        list->setCurrentIndex(static_cast<int>(item));
    }
}

void selectItem(QComboBox* list, const QString& text) {
    if (list == nullptr) {
        return;
    }
    const int item = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item >= 0) {
        list->setCurrentIndex(item);
    }
}

void choose(const std::array<QRadioButton*, 2>& pair, int index) {
    QRadioButton* button = pair.at(static_cast<std::size_t>(index));
    if (button != nullptr) {
        button->setChecked(true);
    }
}

} // namespace

void PutReadingIntoFrmMain(FrmMain& f, const ReadingTexts& t) {
    setText(f.txtName, t[0]);
    selectMonth(f.cboMonth, t[1]);
    selectItem(f.cboDate, t[2]);
    selectItem(f.cboYear, t[3]);
    selectItem(f.cboHH, t[4]);
    selectItem(f.cboMM, t[5]);
    setText(f.txtZoneHour, t[6]);
    setText(f.txtZoneMinute, t[7]);
    setText(f.txtLonD, t[8]);
    setText(f.txtLonM, t[9]);
    setText(f.txtLatD, t[10]);
    setText(f.txtLatM, t[11]);
    choose(f.optLong, flag(t[12]) ? 0 : 1); // East : West
    choose(f.optLat, flag(t[13]) ? 1 : 0);  // South : North
    if (f.chkDST != nullptr) {
        f.chkDST->setCheckState(flag(t[14]) ? Qt::Checked : Qt::Unchecked);
    }
    setText(f.txtMCity, t[15]);
    setText(f.txtMState, t[16]);
    setText(f.txtMCountry, t[17]);
}

void OpenReading(App& app) {
    FrmMain& frmMain = app.frmMain();
    Dialogs& dialogs = app.services().dialogs;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Select the source file");
    spec.filter = QStringLiteral("Kelvaro (*.kvr)");
    spec.defaultSuffix = QStringLiteral("kvr");
    spec.fileMustExist = true;
    const std::optional<QString> path = dialogs.openFileName(&frmMain, spec);
    if (!path || path->isEmpty()) {
        return;
    }
    // Only the last three characters are compared, so "readingkvr" passes and
    // "reading.KVR" does not.
    if (!path->endsWith(QLatin1String("kvr"), Qt::CaseSensitive)) {
        dialogs.message(&frmMain, checkFileMessage(), MessageIcon::Critical);
        return;
    }
    // A file that cannot be read whole changes nothing on frmMain.
    const ReadingReadResult read = ReadReadingFile(*path);
    if (!read.texts) {
        dialogs.message(&frmMain, checkFileMessage(), MessageIcon::Critical);
        return;
    }
    PutReadingIntoFrmMain(frmMain, *read.texts);
    RunReadingDriver(app);
    app.hideReferralWindow();
}
