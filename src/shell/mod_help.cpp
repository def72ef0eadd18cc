#include "shell/mod_help.h"

#include "shell/services.h"

#include <QUrl>

namespace {

// Every address of the maker's sites is built here.
constexpr const char* kSite = "https://www.orvennasoftwares.com";

QString page(const char* path) { return QString::fromLatin1(kSite) + QString::fromLatin1(path); }

} // namespace

QString HomePageAddress() { return page("/community/"); }
QString ReferAFriendAddress() { return page("/refer-a-friend/"); }
QString SoftwareSiteAddress() { return page("/kelvaro/"); }

void OpenWebPage(Browser& browser, const QString& address) {
    browser.openUrl(QUrl(address));
}

void OpenHomePage(Browser& browser) { OpenWebPage(browser, HomePageAddress()); }
void OpenOnlineHelpPage(Browser& browser) { OpenWebPage(browser, page("/kelvaro/help/")); }
void OpenDownloadPage(Browser& browser) { OpenWebPage(browser, page("/kelvaro/download/")); }
void OpenDonatePage(Browser& browser) { OpenWebPage(browser, page("/donate/")); }
void OpenCoBrandPage(Browser& browser) { OpenWebPage(browser, page("/kelvaro/co-brand/")); }
void OpenFullBrandPage(Browser& browser) { OpenWebPage(browser, page("/kelvaro/full-brand/")); }
void OpenSoftwarePage(Browser& browser) { OpenWebPage(browser, page("/software/")); }

void UpdateReminder(Services&) {
    // Lands with the update reminder.
}
