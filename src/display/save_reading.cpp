#include "display/save_reading.h"

#include "files/reading_file.h"
#include "platform/app.h"

#include <QCoreApplication>

void SaveReading(App& app, QWidget* parent) {
    Dialogs& dialogs = app.services().dialogs;
    FileDialogSpec spec;
    spec.title = QStringLiteral("Kelvaro");
    spec.filter = QStringLiteral("Kelvaro (*.kvr)");
    spec.defaultSuffix = QStringLiteral("kvr");
    spec.confirmOverwrite = true;
    const std::optional<QString> path = dialogs.saveFileName(parent, spec);
    if (!path || path->isEmpty()) {
        return;
    }

    // The birth data the reading on screen was computed from, not what
    // frmMain holds now.
    const ReadingSaveResult result = WriteReadingFile(*path, app.state().reading.birth);
    if (!result.saved) {
        dialogs.message(
            parent,
            QCoreApplication::translate("ReadingFiles", "The reading could not be saved.\n") +
                result.error,
            MessageIcon::Critical);
        return;
    }
    if (!result.leftOut.empty()) {
        QString text = QCoreApplication::translate(
            "ReadingFiles",
            "Some characters cannot be stored in a reading file and were left out:");
        for (const LeftOutCharacters& left : result.leftOut) {
            text += QStringLiteral("\n%1: %2").arg(left.field, left.characters);
        }
        dialogs.message(parent, text, MessageIcon::Information);
    }
}
