#include "shell/mod_tell_a_friend.h"

#include "platform/app.h"
#include "platform/mod_help.h"

#include <QCoreApplication>
#include <QUrl>

#include <array>

namespace {

QString encoded(const QString& value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString ReferralAddress(const ReferralFields& fields) {
    return PageAddress(WebPage::ReferAFriend) + QStringLiteral("?taf1=") +
           encoded(fields.senderName) + QStringLiteral("&taf2=") + encoded(fields.senderEmail) +
           QStringLiteral("&taf3=") + encoded(fields.message) + QStringLiteral("&taf4=") +
           encoded(fields.friendName) + QStringLiteral("&taf5=") + encoded(fields.friendEmail) +
           QStringLiteral("&taf6=") + encoded(PageAddress(WebPage::ProgramSite));
}

void SendReferral(App& app, QWidget* parent) {
    const ReferralFields& fields = app.state().referral;
    struct Check {
        const QString& value;
        QLatin1String placeholder;
        const char* message;
    };
    const std::array<Check, 5> checks{{
        {fields.senderName, kPlaceholderName,
         QT_TRANSLATE_NOOP("FrmReferral", "Please Enter Your Name")},
        {fields.senderEmail, kPlaceholderEmail,
         QT_TRANSLATE_NOOP("FrmReferral", "Please Enter Your Email")},
        {fields.message, kPlaceholderMessage,
         QT_TRANSLATE_NOOP("FrmReferral", "Please Enter Your Message")},
        {fields.friendName, kPlaceholderFriendName,
         QT_TRANSLATE_NOOP("FrmReferral", "Please Enter Your Friend's Name")},
        {fields.friendEmail, kPlaceholderFriendEmail,
         QT_TRANSLATE_NOOP("FrmReferral", "Please Enter Your Friend's Email")},
    }};
    for (const Check& check : checks) {
        const QString value = TrimSpaces(check.value);
        if (value.isEmpty() || value == check.placeholder) {
            app.services().dialogs.message(
                parent, QCoreApplication::translate("FrmReferral", check.message),
                MessageIcon::Critical);
            return;
        }
    }
    app.state().referralAddress = ReferralAddress(fields);
    OpenReferralPage(app);
}

void OpenReferralPage(App& app) {
    OpenWebPage(app.services().browser, app.state().referralAddress);
}
