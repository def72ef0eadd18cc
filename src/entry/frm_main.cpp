#include "entry/frm_main.h"

#include "shell/app.h"
#include "shell/clickable_label.h"

#include <QCloseEvent>

// Placeholder window; the full birth-data window lands with its own step.
FrmMain::FrmMain(App& app, QWidget* parent) : QMainWindow(parent), app(app) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Kelvaro v1.15"));
}

bool FrmMain::ValidateBirthData() { return false; }

void FrmMain::closeEvent(QCloseEvent* event) {
    app.showReferralWindow();
    event->accept();
}
