#pragma once

#include <QDialog>

class FrmMain;
class QListWidget;
class QPushButton;

// The time-zone picker: a modal list of named zones. Double-clicking one
// writes its hour and minute texts into frmMain's zone boxes and closes the
// picker; "&Quit" closes it without writing. Each opening is a fresh window.
class FrmTimeZone : public QDialog {
    Q_OBJECT
public:
    explicit FrmTimeZone(FrmMain& frmMain, QWidget* parent = nullptr);

    QListWidget* lstTimeZone = nullptr;
    QPushButton* cmdQuit = nullptr;

    // The list position of the selected zone, or -1 when nothing is selected.
    int selectedPosition() const;

private:
    void on_lstTimeZone_doubleClicked();
    void on_cmdQuit_clicked();

    FrmMain& frmMain;
};
