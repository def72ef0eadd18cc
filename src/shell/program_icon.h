#pragma once

#include <QIcon>
#include <QPixmap>

// The program's icon: a square birth chart of twelve houses, drawn in code.
QPixmap ProgramPixmap(int size);
QIcon ProgramIcon();
