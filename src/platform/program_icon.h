#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: a chart wheel of twelve houses, embedded in the program
// in every size the desktop asks for (16 to 256 pixels), so it needs no SVG
// support at run time. It is the window icon of every window.
QIcon ProgramIcon();

// The icon as a picture `size` logical pixels square, for a label in the about
// and referral windows, drawn for the screen's scale so that it stays sharp
// on a scaled screen. The first form takes the highest scale of the screens;
// the second takes the widget's own (QWidget::devicePixelRatioF()).
QPixmap ProgramPixmap(int size);
QPixmap ProgramPixmap(int size, qreal devicePixelRatio);
