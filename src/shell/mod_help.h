#pragma once

#include <QString>

class Browser;
struct Services;

// The maker's pages, handed to the default browser. Nothing is reported when
// no browser starts.
void OpenWebPage(Browser& browser, const QString& address);

void OpenHomePage(Browser& browser);       // the maker's web community
void OpenOnlineHelpPage(Browser& browser); // the program's online help
void OpenDownloadPage(Browser& browser);   // where the current version is offered
void OpenDonatePage(Browser& browser);     // donations
void OpenCoBrandPage(Browser& browser);    // co-branding the program for one's site
void OpenFullBrandPage(Browser& browser);  // fully branded copies
void OpenSoftwarePage(Browser& browser);   // the maker's other programs

// The addresses the program knows.
QString HomePageAddress();
QString ReferAFriendAddress();
QString SoftwareSiteAddress();

// Asks at start-up whether to look for an update when the last reminder is
// more than fourteen days away from today.
void UpdateReminder(Services& services);
