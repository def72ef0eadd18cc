#include "platform/mod_help.h"

#include "files/field_codec.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QLocale>
#include <QUrl>

#include <array>

namespace {

struct PageEntry {
    WebPage page;
    const char* address;
};

// Every address of the maker's sites.
constexpr std::array kPages{
    PageEntry{WebPage::Home, "https://www.orvennasoftwares.com/community/"},
    PageEntry{WebPage::OnlineHelp, "https://www.orvennasoftwares.com/kelvaro/help/"},
    PageEntry{WebPage::Download, "https://www.orvennasoftwares.com/kelvaro/download/"},
    PageEntry{WebPage::Donate, "https://www.orvennasoftwares.com/donate/"},
    PageEntry{WebPage::CoBrand, "https://www.orvennasoftwares.com/kelvaro/co-brand/"},
    PageEntry{WebPage::FullBrand, "https://www.orvennasoftwares.com/kelvaro/full-brand/"},
    PageEntry{WebPage::Software, "https://www.orvennasoftwares.com/software/"},
    PageEntry{WebPage::ReferAFriend, "https://www.orvennasoftwares.com/refer-a-friend/"},
    PageEntry{WebPage::ProgramSite, "https://www.orvennasoftwares.com/kelvaro/"},
};

// The reminder's place in the settings store; the value name is kept shifted.
const QString kReminderSection = QStringLiteral("Settings");
const QString kReminderName = QStringLiteral("Duration");
constexpr qint64 kReminderDays = 14;

QString storedForm(const QString& text) {
    return QString::fromLatin1(EncodeField(ToCodePage(text)));
}

QString readableForm(const QString& stored) {
    return FromCodePage(DecodeField(stored.toLatin1()));
}

} // namespace

QString PageAddress(WebPage page) {
    for (const PageEntry& entry : kPages) {
        if (entry.page == page) {
            return QString::fromLatin1(entry.address);
        }
    }
    return QString::fromLatin1(kPages.front().address);
}

void OpenWebPage(Browser& browser, const QString& address) {
    browser.openUrl(QUrl(address));
}

void OpenHomePage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::Home));
}
void OpenOnlineHelpPage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::OnlineHelp));
}
void OpenDownloadPage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::Download));
}
void OpenDonatePage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::Donate));
}
void OpenCoBrandPage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::CoBrand));
}
void OpenFullBrandPage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::FullBrand));
}
void OpenSoftwarePage(Browser& browser) {
    OpenWebPage(browser, PageAddress(WebPage::Software));
}

QString HomePageAddress() {
    return PageAddress(WebPage::Home);
}
QString ReferAFriendAddress() {
    return PageAddress(WebPage::ReferAFriend);
}
QString SoftwareSiteAddress() {
    return PageAddress(WebPage::ProgramSite);
}

std::optional<QDate> ReadReminderDate(const QString& text, const QDate& today) {
    const QString trimmed = text.trimmed();
    const QDate iso = QDate::fromString(trimmed, Qt::ISODate);
    if (iso.isValid()) {
        return iso;
    }
    const QLocale locale;
    const QString shortForm = locale.dateFormat(QLocale::ShortFormat);
    QDate date = locale.toDate(trimmed, shortForm);
    if (!date.isValid()) {
        return std::nullopt;
    }
    if (!shortForm.contains(QStringLiteral("yyyy"))) {
        // A two-digit year lands in the 1900s; take the century nearest today.
        while (date.year() < today.year() - 50) {
            date = date.addYears(100);
        }
    }
    return date;
}

void UpdateReminder(Services& services) {
    const QString name = storedForm(kReminderName);
    const QDate today = services.clock.today();
    const auto storeToday = [&] {
        services.settings.setValue(kReminderSection, name, storedForm(today.toString(Qt::ISODate)));
    };

    const QString text = readableForm(services.settings.value(kReminderSection, name));
    if (text.isEmpty()) {
        storeToday(); // first start: nothing to remind of yet
        return;
    }
    const std::optional<QDate> last = ReadReminderDate(text, today);
    if (!last.has_value()) {
        // A value that is not a date would silence the reminder for good;
        // start counting afresh instead.
        storeToday();
        return;
    }
    const qint64 days = today.daysTo(*last);
    if (days >= -kReminderDays && days <= kReminderDays) {
        return;
    }
    const bool check = services.dialogs.askYesNo(
        nullptr,
        QCoreApplication::translate("UpdateReminder",
                                    "There maybe an update to this software available") +
            QLatin1Char('\r') +
            QCoreApplication::translate("UpdateReminder", "Do you want to check for an update?"),
        MessageIcon::Information);
    storeToday();
    if (check) {
        OpenDownloadPage(services.browser);
    }
}
