#pragma once

#include "kelvaro_version.h"

#include <QString>

// "Kelvaro v1.15": the caption of every window and the about window's title.
inline QString ProgramTitle() {
    return QStringLiteral("Kelvaro v") + QLatin1String(kKelvaroVersion);
}
