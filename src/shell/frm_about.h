#pragma once

#include <QDialog>

class App;

// The about window: modal, loaded afresh each time.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(App& app, QWidget* parent = nullptr);

private:
    App& app;
};
