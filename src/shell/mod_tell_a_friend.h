#pragma once

#include "birth/trim_spaces.h"

#include <QLatin1String>
#include <QString>

class App;
class QWidget;
struct ReferralFields;

// The texts the referral form's boxes show until the user types their own.
inline constexpr QLatin1String kPlaceholderName("Your Name");
inline constexpr QLatin1String kPlaceholderEmail("Your Email Address");
inline constexpr QLatin1String kPlaceholderMessage("Your Message");
inline constexpr QLatin1String kPlaceholderFriendName("Friend's Name");
inline constexpr QLatin1String kPlaceholderFriendEmail("Friend's Email Address");

// The refer-a-friend address for the fields: taf1 to taf6 in order, each value
// percent-encoded so that "&", "+", "#" and line breaks stay inside it.
QString ReferralAddress(const ReferralFields& fields);

// Checks the program's referral fields, then builds the referral address and
// opens it. A missing field is reported over the parent window.
void SendReferral(App& app, QWidget* parent);

// Hands the program's referral address to the default browser.
void OpenReferralPage(App& app);
