#include "shell/frm_referral.h"

#include "shell/app.h"

#include <QCloseEvent>

// Placeholder window; the referral window lands with its own step.
FrmReferral::FrmReferral(App& app, QWidget* parent) : QWidget(parent), app(app) {
    setObjectName(QStringLiteral("frmReferral"));
    setWindowTitle(QStringLiteral("Kelvaro v1.15"));
}

void FrmReferral::closeEvent(QCloseEvent* event) {
    event->accept();
    app.closeAllAndEnd();
}
