#include "entry/key_filter.h"

#include "translation/translator.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace {

constexpr QChar kBackspace(8);

// Letters are typed in their capital form: the letters accepted are ASCII,
// whose capitals are the code minus 32.
class LetterKeys : public QRegularExpressionValidator {
public:
    explicit LetterKeys(QObject* parent)
        : QRegularExpressionValidator(QRegularExpression(QStringLiteral("[A-Za-z \r]*")), parent) {}

    State validate(QString& input, int& pos) const override {
        const State state = QRegularExpressionValidator::validate(input, pos);
        if (state == Acceptable) {
            input = input.toUpper();
        }
        return state;
    }
};

// What a key press types, as the key filters see it: the character, or the
// control code for Backspace (8), Enter (13), Escape (27) and Ctrl+letter
// (Ctrl+C 3, Ctrl+V 22, Ctrl+X 24...). Empty for keys that type nothing:
// arrows, Tab, Home, Delete, function keys, a modifier alone, and the Alt
// combinations that belong to the menu's access keys.
QString typedText(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Backspace:
        return QString(kBackspace);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QString(QChar(13));
    case Qt::Key_Escape:
        return QString(QChar(27));
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
        return {};
    default:
        break;
    }
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if ((modifiers & (Qt::AltModifier | Qt::MetaModifier)) != 0) {
        return {};
    }
    if ((modifiers & Qt::ControlModifier) != 0) {
        if (event.key() >= Qt::Key_A && event.key() <= Qt::Key_Z) {
            return QString(QChar(event.key() - Qt::Key_A + 1));
        }
        return {};
    }
    return event.text();
}

} // namespace

QValidator* NewLetterKeys(QObject* parent) {
    return new LetterKeys(parent);
}

QValidator* NewSignedDigitKeys(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9-]*")), parent);
}

QValidator* NewDigitKeys(QObject* parent) {
    return new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), parent);
}

KeyFilter::KeyFilter(Dialogs& dialogs, QWidget* window)
    : QObject(window), dialogs(dialogs), window(window) {}

void KeyFilter::filter(QLineEdit* box, const QValidator* keys, const QString& message,
                       MessageIcon icon) {
    rules.push_back({box, keys, message, icon});
    // Characters reach the filter only as key presses, never as composed input.
    box->setAttribute(Qt::WA_InputMethodEnabled, false);
    box->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        for (const Rule& rule : rules) {
            if (rule.box == watched) {
                return filterKey(rule, *static_cast<QKeyEvent*>(event));
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

bool KeyFilter::filterKey(const Rule& rule, QKeyEvent& event) {
    const QString typed = typedText(event);
    if (typed.isEmpty()) {
        // An Alt combination that is no access key would otherwise slip its
        // letter into the box past the filter: here it types nothing.
        const QString text = event.text();
        return (event.modifiers() & (Qt::AltModifier | Qt::MetaModifier)) != 0 && !text.isEmpty() &&
               text.at(0).isPrint();
    }
    QString kept;
    for (const QChar c : typed) {
        QString key(c);
        int position = 0;
        if (c != kBackspace && rule.keys->validate(key, position) != QValidator::Acceptable) {
            dialogs.message(window, TableText("KeyFilter", rule.message), rule.icon);
            return true;
        }
        kept += key;
    }
    if (kept == typed) {
        return false;
    }
    rule.box->insert(kept);
    return true;
}
