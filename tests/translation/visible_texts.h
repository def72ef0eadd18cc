#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every text a window shows or a screen reader says of it: captions, titles,
// menu entries, list and table entries, prompts and accessible names, each
// with the name of the control it belongs to ("cmdRashi: Get My ...").
QStringList VisibleTexts(const QWidget& window);

// The program's name, a number or an angle: texts with no letter of a language.
bool HoldsWords(const QString& text);
