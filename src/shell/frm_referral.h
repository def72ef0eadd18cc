#pragma once

#include <QString>
#include <QWidget>

#include <array>

class App;
class ClickableLabel;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The support messages of the referral window; one is drawn at load.
const std::array<QString, 4>& SupportTexts();

// The referral window, shown when a main window closes: a support message,
// links to the maker's community and other programs, and a form to refer a
// friend. It stays above other windows; closing it ends the program.
class FrmReferral : public QWidget {
    Q_OBJECT
public:
    explicit FrmReferral(App& app, QWidget* parent = nullptr);

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr; // the program's name and version
    QLabel* Label2 = nullptr; // the support message
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;

    QGroupBox* fraReferAFriend = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPlainTextEdit* txtMessage = nullptr; // kept out of sight
    QPushButton* cmdSubmit = nullptr;

    QGroupBox* fraDownload = nullptr;
    QLabel* Label3 = nullptr;
    ClickableLabel* lblGoToHome = nullptr;

    // The message box's text with its line breaks as CR LF.
    QString messageText() const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createHeading();
    void createReferralForm();
    void createDownload();
    void layOut();
    void Form_Load();
    void on_Check1_clicked(bool checked);
    void on_cmdClose_clicked();
    void on_cmdSubmit_clicked();
    void on_lblGoToHome_clicked();

    // The placeholder of a box of the form, or an empty text for other widgets.
    QString placeholderOf(const QObject* box) const;

    App& app;
};
