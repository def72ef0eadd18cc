#pragma once

#include "platform/services.h"

#include <QObject>
#include <QString>

#include <vector>

class QKeyEvent;
class QLineEdit;
class QValidator;
class QWidget;

// The keys a box accepts, one typed character at a time: a letter, a space
// or Enter, typed in capitals; a digit or a minus sign; a digit.
QValidator* NewLetterKeys(QObject* parent);
QValidator* NewSignedDigitKeys(QObject* parent);
QValidator* NewDigitKeys(QObject* parent);

// Filters what is typed into boxes: each typed character goes through the
// box's validator, and a key it refuses types nothing and shows the box's
// message. Backspace always passes, and keys that type nothing (arrows, Tab,
// Delete, function keys) pass unfiltered. Only keys are filtered: text pasted
// from the box's menu or set by the program is the box's own business, which
// is why the validators are not installed on the boxes themselves.
class KeyFilter : public QObject {
public:
    KeyFilter(Dialogs& dialogs, QWidget* window);

    void filter(QLineEdit* box, const QValidator* keys, const QString& message, MessageIcon icon);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Rule {
        QLineEdit* box;
        const QValidator* keys;
        QString message;
        MessageIcon icon;
    };
    // True when the key is consumed: refused with the message, or typed here
    // as the validator changed it.
    bool filterKey(const Rule& rule, QKeyEvent& event);

    Dialogs& dialogs;
    QWidget* window;
    std::vector<Rule> rules;
};
