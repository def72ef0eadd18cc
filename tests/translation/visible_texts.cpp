#include "visible_texts.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QWidget>

namespace {

void add(QStringList& texts, const QObject& owner, const QString& text) {
    if (!text.isEmpty()) {
        texts << owner.objectName() + QStringLiteral(": ") + text;
    }
}

void addMenus(QStringList& texts, const QWidget& window) {
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        add(texts, *menu, menu->title());
    }
    for (const QAction* action : window.findChildren<QAction*>()) {
        if (!action->isSeparator() && action->isVisible()) {
            add(texts, *action, action->text());
        }
    }
}

void addItems(QStringList& texts, const QWidget& widget) {
    if (const auto* list = qobject_cast<const QComboBox*>(&widget)) {
        for (int i = 0; i < list->count(); ++i) {
            add(texts, widget, list->itemText(i));
        }
    }
    if (const auto* tabs = qobject_cast<const QTabWidget*>(&widget)) {
        for (int i = 0; i < tabs->count(); ++i) {
            add(texts, widget, tabs->tabText(i));
        }
    }
    if (const auto* table = qobject_cast<const QTableWidget*>(&widget)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            if (const QTableWidgetItem* header = table->horizontalHeaderItem(c)) {
                add(texts, widget, header->text());
            }
            for (int r = 0; r < table->rowCount(); ++r) {
                if (const QTableWidgetItem* item = table->item(r, c)) {
                    add(texts, widget, item->text());
                }
            }
        }
    }
    if (const auto* tree = qobject_cast<const QTreeWidget*>(&widget)) {
        for (int c = 0; c < tree->columnCount(); ++c) {
            add(texts, widget, tree->headerItem()->text(c));
        }
        for (int t = 0; t < tree->topLevelItemCount(); ++t) {
            for (int c = 0; c < tree->columnCount(); ++c) {
                add(texts, widget, tree->topLevelItem(t)->text(c));
            }
        }
    }
}

} // namespace

QStringList VisibleTexts(const QWidget& window) {
    QStringList texts;
    add(texts, window, window.windowTitle());
    addMenus(texts, window);
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add(texts, *widget, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(texts, *widget, button->text());
        } else if (const auto* box = qobject_cast<const QGroupBox*>(widget)) {
            add(texts, *widget, box->title());
        } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
            add(texts, *widget, line->placeholderText());
        }
        add(texts, *widget, widget->accessibleName());
        add(texts, *widget, widget->toolTip());
        addItems(texts, *widget);
    }
    return texts;
}

bool HoldsWords(const QString& text) {
    // What follows the control's name.
    const QString shown = text.section(QStringLiteral(": "), 1);
    if (shown == QStringLiteral("Kelvaro") || shown.startsWith(QStringLiteral("Kelvaro v"))) {
        return false;
    }
    int letters = 0;
    for (const QChar c : shown) {
        letters += c.isLetter() ? 1 : 0;
    }
    // An angle's sign or a chart's label ("D9") alone is not a text.
    return letters > 1 && !shown.startsWith(QLatin1Char('<'));
}
