#include "platform/shared_menus.h"

#include "platform/app.h"
#include "platform/mod_help.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {

QAction* entry(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

QString caption(const char* english) {
    return QCoreApplication::translate("SharedMenus", english);
}

} // namespace

void SharedMenus::retranslate() const {
    mnuHelp->setTitle(caption(captions.help));
    mnuOnline->setText(caption(captions.online));
    mnuVisit->setText(caption(captions.visit));
    mnuUpdate->setText(caption(captions.update));
    mnuAbout->setText(caption(captions.about));
    mnuDonate->setText(caption(captions.donate));
}

SharedMenus AddSharedMenus(QMenuBar& bar, QWidget& window, App& app,
                           const SharedMenuCaptions& captions) {
    SharedMenus menus;
    menus.captions = captions;
    menus.mnuHelp = bar.addMenu(QString());
    menus.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    menus.mnuOnline = entry(menus.mnuHelp->addAction(QString()), "mnuOnline");
    menus.mnuVisit = entry(menus.mnuHelp->addAction(QString()), "mnuVisit");
    entry(menus.mnuHelp->addSeparator(), "mnuHelp1");
    menus.mnuUpdate = entry(menus.mnuHelp->addAction(QString()), "mnuUpdate");
    entry(menus.mnuHelp->addSeparator(), "mnuHelp2");
    menus.mnuAbout = entry(menus.mnuHelp->addAction(QString()), "mnuAbout");
    menus.mnuDonate = entry(bar.addAction(QString()), "mnuDonate");
    menus.retranslate();

    // Each link entry opens one page and does nothing else.
    using LinkAction = void (*)(Browser&);
    const std::pair<QAction*, LinkAction> links[] = {
        {menus.mnuOnline, OpenOnlineHelpPage},
        {menus.mnuVisit, OpenHomePage},
        {menus.mnuUpdate, OpenDownloadPage},
        {menus.mnuDonate, OpenDonatePage},
    };
    for (const auto& [action, open] : links) {
        QObject::connect(action, &QAction::triggered, &window,
                         [&app, open = open] { open(app.services().browser); });
    }
    QObject::connect(menus.mnuAbout, &QAction::triggered, &window,
                     [&app] { app.showAboutWindow(); });
    return menus;
}
