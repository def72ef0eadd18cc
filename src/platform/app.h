#pragma once

#include "engine/bhava_result.h"
#include "engine/birth_record.h"
#include "platform/services.h"

#include <QString>

#include <cstdint>

class FrmMain;
class FrmDisplay;

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
    BirthRecord birthRecord;
    BhavaResult bhavaResult;
    std::int16_t currentHouse = 0; // 0..11, the house on the interpretation tab
    ReferralFields referral;
    QString referralAddress;
    std::int16_t intCoBrandRandomNumber = 0;
};

// The application object as the windows see it: the services, the program-wide
// state and the other windows. Windows are loaded on first use.
class App {
public:
    virtual ~App() = default;
    virtual Services& services() = 0;
    virtual ProgramState& state() = 0;

    virtual FrmMain& frmMain() = 0;        // the birth-data window (loaded, not shown)
    virtual FrmDisplay& frmDisplay() = 0;  // the reading window (loaded, not shown)
    virtual void showFrmMain() = 0;        // modeless
    virtual void showReferralWindow() = 0; // modeless, loads it first if needed
    virtual void hideReferralWindow() = 0; // nothing happens when it is not shown
    virtual void showAboutWindow() = 0;    // modal, loaded afresh each time
    virtual void closeAllAndEnd() = 0;     // closes every window and ends the program
};
