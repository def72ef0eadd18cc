#include "shell/frm_about.h"

#include "document/program_title.h"
#include "platform/app.h"
#include "platform/clickable_label.h"
#include "platform/mod_help.h"
#include "platform/program_icon.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

template <typename Label> Label* makeLabel(const char* name, const QString& text, QWidget* parent) {
    auto* label = new Label(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(QFont(QStringLiteral("Verdana"), 9));
    label->setWordWrap(true);
    return label;
}

// A label that reads as a link.
void lookLikeLink(QLabel* label) {
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: #1a4fa0;"));
}

} // namespace

FrmAbout::FrmAbout(App& app, QWidget* parent) : QDialog(parent), app(app) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(ProgramTitle());
    setModal(true);
    createWidgets();
    layOut();
    connect(lblHomePage, &ClickableLabel::clicked, this, &FrmAbout::on_lblHomePage_clicked);
    connect(lblCoBrand, &ClickableLabel::clicked, this, &FrmAbout::on_lblCoBrand_clicked);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::close);
}

void FrmAbout::createWidgets() {
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(ProgramPixmap(48));
    picIcon->setFixedSize(48, 48);

    Label2 = makeLabel<QLabel>("Label2", ProgramTitle(), this);
    QFont titleFont = Label2->font();
    titleFont.setPointSize(14);
    titleFont.setBold(true);
    Label2->setFont(titleFont);

    Label1 = makeLabel<QLabel>(
        "Label1",
        tr("Kelvaro generates the Houses or Bhavas of your natal chart. Each house is "
           "related to to an area in life. This influences the interpretation of your "
           "birth chart depending on the position of the different planets in these "
           "houses."),
        this);

    lblHomePage = makeLabel<ClickableLabel>("lblHomePage",
                                            tr("Click here to visit ") + HomePageAddress(), this);
    lookLikeLink(lblHomePage);

    Label3 = makeLabel<QLabel>(
        "Label3",
        tr("Home Business Opportunity. Start your own Internet business and make money "
           "online. Get this software fully branded for your website."),
        this);

    lblCoBrand = makeLabel<ClickableLabel>("lblCoBrand", tr("Click here for more details"), this);
    lblCoBrand->setWordWrap(false);
    lookLikeLink(lblCoBrand);

    lblCredits = makeLabel<QLabel>(
        "lblCredits",
        tr("Planet positions come from Swiss Ephemeris, © Astrodienst AG, under the "
           "GNU Affero General Public License 3.0. Kelvaro is free software: you may "
           "share and change it under the GNU Affero General Public License, version "
           "3 or later."),
        this);

    Line2 = new QFrame(this);
    lblAtlasCredit = makeLabel<QLabel>(
        "lblAtlasCredit",
        tr("The atlas of places is the GeoNames list of places (geonames.org), under "
           "the Creative Commons Attribution 4.0 License (CC BY 4.0)."),
        this);
    lblAtlasCredit->setWordWrap(true);

    Line2->setObjectName(QStringLiteral("Line2"));
    Line2->setFrameShape(QFrame::HLine);
    Line2->setFrameShadow(QFrame::Sunken);

    cmdOK = new QPushButton(tr("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
}

void FrmAbout::layOut() {
    auto* heading = new QHBoxLayout;
    heading->addWidget(picIcon);
    heading->addWidget(Label2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(Label1);
    layout->addWidget(lblHomePage);
    layout->addSpacing(8);
    layout->addWidget(Label3);
    layout->addWidget(lblCoBrand, 0, Qt::AlignRight);
    layout->addSpacing(8);
    layout->addWidget(lblCredits);
    layout->addWidget(lblAtlasCredit);
    layout->addWidget(Line2);
    layout->addLayout(buttons);
    setFixedWidth(420);
}

void FrmAbout::on_lblHomePage_clicked() {
    OpenHomePage(app.services().browser);
}

void FrmAbout::on_lblCoBrand_clicked() {
    OpenFullBrandPage(app.services().browser);
}
