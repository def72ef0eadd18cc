#include "shell/frm_referral.h"

#include "document/program_title.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/program_icon.h"
#include "shell/mod_tell_a_friend.h"
#include "translation/translator.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cstddef>

const std::array<QString, 4>& SupportTexts() {
    static const std::array<QString, 4> texts{
        QStringLiteral(QT_TRANSLATE_NOOP(
            "FrmReferral",
            "Programs like Kelvaro can only be written and kept up to date with your "
            "support. The best way to support us is to visit the Orvenna Softwares "
            "community often and join in its discussions.")),
        QStringLiteral(QT_TRANSLATE_NOOP(
            "FrmReferral",
            "Please visit the Orvenna Softwares community regularly and take part in "
            "its discussions. Without your visits we cannot keep programs like this "
            "one going.")),
        QStringLiteral(QT_TRANSLATE_NOOP(
            "FrmReferral",
            "The Orvenna Softwares community is a free online discussion forum. Each "
            "visit you make there helps us develop and maintain Kelvaro.")),
        QStringLiteral(QT_TRANSLATE_NOOP(
            "FrmReferral",
            "Our community needs your help. All we ask is that you visit it regularly "
            "and take part in its discussions.")),
    };
    return texts;
}

namespace {

QLineEdit* makeBox(const QString& name, QLatin1String placeholder, QWidget* parent) {
    auto* box = new QLineEdit(QString(placeholder), parent);
    box->setObjectName(name);
    box->setAccessibleName(QString(placeholder));
    return box;
}

// The text of a one-line or multi-line box; a multi-line box keeps its line
// breaks as CR LF.
QString boxText(const QObject* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) {
        return line->text();
    }
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) {
        QString text = lines->toPlainText();
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
        return text;
    }
    return {};
}

void setBoxText(QObject* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(text);
    }
}

} // namespace

FrmReferral::FrmReferral(App& app, QWidget* parent) : QWidget(parent), app(app) {
    setObjectName(QStringLiteral("frmReferral"));
    setWindowTitle(ProgramTitle());
    createHeading();
    createReferralForm();
    createDownload();
    layOut();

    for (QWidget* box : {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail),
                         static_cast<QWidget*>(txtMessage), static_cast<QWidget*>(txtFriendName),
                         static_cast<QWidget*>(txtFriendEmail)}) {
        box->installEventFilter(this);
    }

    connect(Check1, &QCheckBox::clicked, this, &FrmReferral::on_Check1_clicked);
    connect(cmdClose, &QPushButton::clicked, this, &FrmReferral::on_cmdClose_clicked);
    connect(cmdSubmit, &QPushButton::clicked, this, &FrmReferral::on_cmdSubmit_clicked);
    connect(lblGoToHome, &ClickableLabel::clicked, this, &FrmReferral::on_lblGoToHome_clicked);

    Form_Load();
}

// The icon, the title, the support text, the community check box and Exit.
void FrmReferral::createHeading() {
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(ProgramPixmap(48));
    Picture1->setFixedSize(48, 48);

    Label1 = new QLabel(ProgramTitle(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont titleFont = Label1->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    Label1->setFont(titleFont);

    Label2 = new QLabel(TableText("FrmReferral", SupportTexts()[1]), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setWordWrap(true);

    Check1 = new QCheckBox(tr("Yes, take me to the Orvenna Softwares community at ") +
                               HomePageAddress() + tr(" now."),
                           this);
    Check1->setObjectName(QStringLiteral("Check1"));

    cmdClose = new QPushButton(tr("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
}

// The four boxes of a referral, the hidden message and the button that sends it.
void FrmReferral::createReferralForm() {
    fraReferAFriend = new QGroupBox(tr("Refer A Friend"), this);
    fraReferAFriend->setObjectName(QStringLiteral("fraReferAFriend"));
    txtName = makeBox(QStringLiteral("txtName"), kPlaceholderName, fraReferAFriend);
    txtEmail = makeBox(QStringLiteral("txtEmail"), kPlaceholderEmail, fraReferAFriend);
    txtFriendName =
        makeBox(QStringLiteral("txtFriendName"), kPlaceholderFriendName, fraReferAFriend);
    txtFriendEmail =
        makeBox(QStringLiteral("txtFriendEmail"), kPlaceholderFriendEmail, fraReferAFriend);
    // The message box is part of the form but never shown: its text is the
    // message that goes with every referral.
    txtMessage = new QPlainTextEdit(fraReferAFriend);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage->setPlainText(QString(kPlaceholderMessage) + QStringLiteral("\r\n"));
    txtMessage->hide();
    cmdSubmit = new QPushButton(tr("Refer A Friend &Now"), fraReferAFriend);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));

    auto* form = new QGridLayout(fraReferAFriend);
    form->addWidget(txtName, 0, 0);
    form->addWidget(txtEmail, 0, 1);
    form->addWidget(txtFriendName, 1, 0);
    form->addWidget(txtFriendEmail, 1, 1);
    form->addWidget(cmdSubmit, 2, 0, 1, 2, Qt::AlignHCenter);
}

// The other programs of the maker, with a link to them.
void FrmReferral::createDownload() {
    fraDownload = new QGroupBox(tr("Download Orvenna Softwares"), this);
    fraDownload->setObjectName(QStringLiteral("fraDownload"));
    Label3 =
        new QLabel(tr("Try the other programs from Orvenna Softwares: astrology, psychic, tarot, "
                      "numerology and occult software, simple to use and full of information."),
                   fraDownload);
    Label3->setObjectName(QStringLiteral("Label3"));
    Label3->setWordWrap(true);
    lblGoToHome = new ClickableLabel(tr("Click Here To Visit Orvenna Softwares"), fraDownload);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setWordWrap(true);
    QFont linkFont = lblGoToHome->font();
    linkFont.setUnderline(true);
    lblGoToHome->setFont(linkFont);
    lblGoToHome->setStyleSheet(QStringLiteral("color: #1a4fa0;"));
    auto* download = new QVBoxLayout(fraDownload);
    download->addWidget(Label3);
    download->addWidget(lblGoToHome);
    download->addStretch(1);
}

void FrmReferral::layOut() {
    auto* heading = new QHBoxLayout;
    heading->addWidget(Picture1);
    heading->addWidget(Label1, 1);

    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(cmdClose);

    auto* left = new QVBoxLayout;
    left->addLayout(heading);
    left->addWidget(Label2);
    left->addWidget(Check1);
    left->addLayout(closeRow);
    left->addWidget(fraReferAFriend);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 3);
    layout->addWidget(fraDownload, 1);
    resize(620, 330);

    setTabOrder(Check1, cmdClose);
    setTabOrder(cmdClose, txtName);
    setTabOrder(txtName, txtEmail);
    setTabOrder(txtEmail, txtFriendName);
    setTabOrder(txtFriendName, txtFriendEmail);
    setTabOrder(txtFriendEmail, cmdSubmit);
}

void FrmReferral::Form_Load() {
    app.services().random.seedFromClock();
    const float r = app.services().random.next();
    const int n = std::clamp(static_cast<int>(r * 4.0F), 0, 3);
    Label2->setText(TableText("FrmReferral", SupportTexts()[static_cast<std::size_t>(n)]));
    // Above every window that is not itself kept on top.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

QString FrmReferral::messageText() const {
    return boxText(txtMessage);
}

QString FrmReferral::placeholderOf(const QObject* box) const {
    if (box == txtName) {
        return kPlaceholderName;
    }
    if (box == txtEmail) {
        return kPlaceholderEmail;
    }
    if (box == txtMessage) {
        return kPlaceholderMessage;
    }
    if (box == txtFriendName) {
        return kPlaceholderFriendName;
    }
    if (box == txtFriendEmail) {
        return kPlaceholderFriendEmail;
    }
    return {};
}

bool FrmReferral::eventFilter(QObject* watched, QEvent* event) {
    const QString placeholder = placeholderOf(watched);
    if (placeholder.isEmpty()) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::FocusIn:
        // A context menu taking and giving back the focus changes nothing.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            TrimSpaces(boxText(watched)) == placeholder) {
            setBoxText(watched, QString());
        }
        break;
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason &&
            TrimSpaces(boxText(watched)).isEmpty()) {
            setBoxText(watched, placeholder);
        }
        break;
    case QEvent::KeyPress:
        // An e-mail address holds no spaces; pasted ones are left alone.
        if ((watched == txtEmail || watched == txtFriendEmail) &&
            static_cast<QKeyEvent*>(event)->text() == QStringLiteral(" ")) {
            auto* box = static_cast<QLineEdit*>(watched);
            app.services().dialogs.message(this, tr("Email Address Cannot Contain Space"),
                                           MessageIcon::Critical);
            box->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void FrmReferral::on_Check1_clicked(bool checked) {
    if (!checked) {
        return;
    }
    // The box never stays ticked: it is only a way to the community page.
    Check1->setChecked(false);
    OpenHomePage(app.services().browser);
}

void FrmReferral::on_cmdClose_clicked() {
    app.closeAllAndEnd();
}

void FrmReferral::on_cmdSubmit_clicked() {
    ReferralFields& fields = app.state().referral;
    fields.senderName = TrimSpaces(txtName->text());
    fields.senderEmail = TrimSpaces(txtEmail->text());
    fields.message = TrimSpaces(messageText());
    fields.friendName = TrimSpaces(txtFriendName->text());
    fields.friendEmail = TrimSpaces(txtFriendEmail->text());

    const auto report = [this](const char* text) {
        app.services().dialogs.message(this, QString::fromLatin1(text), MessageIcon::Critical);
    };
    if (fields.senderEmail == fields.friendEmail) {
        report("Please Enter Distinct Email Addresses");
        return;
    }
    const auto lacks = [&](QChar c) {
        return !fields.senderEmail.contains(c) || !fields.friendEmail.contains(c);
    };
    if (lacks(QLatin1Char('@')) || lacks(QLatin1Char('.'))) {
        report("Please Enter Proper Email Address");
        return;
    }
    SendReferral(app, this);
}

void FrmReferral::on_lblGoToHome_clicked() {
    OpenSoftwarePage(app.services().browser);
}

void FrmReferral::closeEvent(QCloseEvent* event) {
    event->accept();
    app.closeAllAndEnd();
}
