#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: a chart wheel of twelve houses, embedded in the program
// in every size the desktop asks for (16 to 256 pixels), so it needs no SVG
// support at run time. It is the window icon of every window.
QIcon ProgramIcon();

// The icon as a picture `size` logical pixels square, for a label in the about
// and referral windows. Pass the label's devicePixelRatioF() so the picture is
// drawn from the larger sizes on a scaled screen and stays sharp.
QPixmap ProgramPixmap(int size, qreal devicePixelRatio = 1.0);
