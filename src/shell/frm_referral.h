#pragma once

#include <QWidget>

class App;

// The referral window, shown when a main window closes; closing it ends the
// program.
class FrmReferral : public QWidget {
    Q_OBJECT
public:
    explicit FrmReferral(App& app, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    App& app;
};
