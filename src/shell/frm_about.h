#pragma once

#include <QDialog>

class App;
class ClickableLabel;
class QFrame;
class QLabel;
class QPushButton;

// The about window: modal, with no owner, loaded afresh each time and gone
// once closed.
class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(App& app, QWidget* parent = nullptr);

    QLabel* picIcon = nullptr;
    QLabel* Label2 = nullptr; // the program's name and version
    QLabel* Label1 = nullptr; // what the program does
    ClickableLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;         // the branding offer
    QLabel* lblAtlasCredit = nullptr; // where the atlas of places comes from
    ClickableLabel* lblCoBrand = nullptr;
    QLabel* lblCredits = nullptr; // Swiss Ephemeris and the licence
    QFrame* Line2 = nullptr;
    QPushButton* cmdOK = nullptr;

private:
    void createWidgets();
    void layOut();
    void on_lblHomePage_clicked();
    void on_lblCoBrand_clicked();

    App& app;
};
