#include "platform/shared_menus.h"

#include "platform/app.h"
#include "platform/mod_help.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace {

QAction* entry(QAction* action, const char* name) {
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

SharedMenus AddSharedMenus(QMenuBar& bar, QWidget& window, App& app,
                           const SharedMenuCaptions& captions) {
    SharedMenus menus;
    menus.mnuHelp = bar.addMenu(captions.help);
    menus.mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    menus.mnuOnline = entry(menus.mnuHelp->addAction(captions.online), "mnuOnline");
    menus.mnuVisit = entry(menus.mnuHelp->addAction(captions.visit), "mnuVisit");
    entry(menus.mnuHelp->addSeparator(), "mnuHelp1");
    menus.mnuUpdate = entry(menus.mnuHelp->addAction(captions.update), "mnuUpdate");
    entry(menus.mnuHelp->addSeparator(), "mnuHelp2");
    menus.mnuAbout = entry(menus.mnuHelp->addAction(captions.about), "mnuAbout");
    menus.mnuDonate = entry(bar.addAction(captions.donate), "mnuDonate");

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
