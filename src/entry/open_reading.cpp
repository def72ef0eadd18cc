#include "entry/open_reading.h"

#include "entry/frm_main.h"
#include "entry/reading_driver.h"
#include "files/reading_file.h"
#include "platform/app.h"
#include "translation/translator.h"

#include <QCoreApplication>

void OpenReading(App& app, FrmMain& frmMain) {
    Dialogs& dialogs = app.services().dialogs;
    FileDialogSpec spec;
    spec.title = QCoreApplication::translate("OpenReading", "Select the source file");
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
        dialogs.message(&frmMain, TableText("BirthRules", CheckFileMessage()),
                        MessageIcon::Critical);
        return;
    }
    // A file that cannot be read whole, or holds a value the window would show
    // otherwise, changes nothing on frmMain.
    const ReadingFileEntry file = ReadReadingFileEntry(*path);
    if (!file.entry) {
        dialogs.message(&frmMain, TableText("BirthRules", file.message), MessageIcon::Critical);
        return;
    }
    frmMain.showBirthEntry(*file.entry);
    RunReadingDriver(app, frmMain);
    app.hideReferralWindow();
}
