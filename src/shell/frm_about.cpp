#include "shell/frm_about.h"

#include "shell/app.h"

// Placeholder window; the about window lands with its own step.
FrmAbout::FrmAbout(App& app, QWidget* parent) : QDialog(parent), app(app) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("Kelvaro v1.15"));
}
