#pragma once

#include <QDate>
#include <QString>

#include <optional>

class Browser;
struct Services;

// The maker's pages. Every address the program knows is kept in one table in
// mod_help.cpp.
enum class WebPage {
    Home,         // the maker's web community
    OnlineHelp,   // the program's online help
    Download,     // where the current version is offered
    Donate,       // donations
    CoBrand,      // co-branding the program for one's own site
    FullBrand,    // fully branded copies (a home-business offer)
    Software,     // the maker's other programs
    ReferAFriend, // the refer-a-friend form
    ProgramSite,  // the program's own web site
};

QString PageAddress(WebPage page);

// Hands the address to the default browser and returns at once. Nothing is
// reported when no browser starts.
void OpenWebPage(Browser& browser, const QString& address);

void OpenHomePage(Browser& browser);
void OpenOnlineHelpPage(Browser& browser);
void OpenDownloadPage(Browser& browser);
void OpenDonatePage(Browser& browser);
void OpenCoBrandPage(Browser& browser);
void OpenFullBrandPage(Browser& browser);
void OpenSoftwarePage(Browser& browser);

// Shorthands for the addresses other windows show or pass on.
QString HomePageAddress();
QString ReferAFriendAddress();
QString SoftwareSiteAddress();

// At start-up: asks whether to look for an update when the last reminder is
// more than fourteen days away from today, and remembers today.
void UpdateReminder(Services& services);

// The last reminder date as stored, in ISO form or the user's short date
// form; nothing when the text is not a date.
std::optional<QDate> ReadReminderDate(const QString& text, const QDate& today);
