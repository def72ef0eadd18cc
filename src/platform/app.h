#pragma once

#include "platform/services.h"
#include "reading/reading.h"
#include "translation/language.h"

#include <QString>

#include <cstdint>

// The referral form's last submitted values, trimmed of spaces.
struct ReferralFields {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The program-wide records; they live as long as the program and each reading
// overwrites them.
struct ProgramState {
    Reading reading;               // the reading on screen, or last shown
    std::int16_t currentHouse = 0; // 0..11, the house on the interpretation tab
    ReferralFields referral;
    QString referralAddress;
    std::int16_t intCoBrandRandomNumber = 0;
};

// The application object as the windows see it: the services, the program-wide
// state and what the windows ask of each other. Windows are loaded on first
// use.
class App {
public:
    virtual ~App() = default;
    virtual Services& services() = 0;
    virtual ProgramState& state() = 0;

    // Makes the reading the one on screen and shows it in the reading window
    // at house 1, hiding the birth-data window and the referral window.
    virtual void showReading(const Reading& reading) = 0;
    virtual void showBirthDataWindow() = 0; // modeless
    virtual void showReferralWindow() = 0;  // modeless, loads it first if needed
    virtual void hideReferralWindow() = 0;  // nothing happens when it is not shown
    virtual void showAboutWindow() = 0;     // modal, loaded afresh each time
    virtual void closeAllAndEnd() = 0;      // closes every window and ends the program

    // The language of the windows and the printed reading. Choosing one
    // switches the open windows at once and is remembered for the next start.
    virtual Language language() const = 0;
    virtual void setLanguage(Language language) = 0;
};
