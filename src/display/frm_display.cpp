#include "display/frm_display.h"

#include "engine/bhava_result.h"
#include "shell/app.h"

#include <QCloseEvent>

// Placeholder window; the full reading window lands with its own step.
FrmDisplay::FrmDisplay(App& app, QWidget* parent) : QMainWindow(parent), app(app) {
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(QStringLiteral("Kelvaro v1.15"));
}

void FrmDisplay::showChart(const BhavaResult&) {}
void FrmDisplay::showHouse(int) {}
void FrmDisplay::ShowNextHouse() {}

void FrmDisplay::closeEvent(QCloseEvent* event) {
    app.showReferralWindow();
    event->accept();
}
