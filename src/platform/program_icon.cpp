#include "platform/program_icon.h"

#include <QGuiApplication>
#include <QString>

#include <array>

namespace {

// The sizes rendered from the drawing; each one is drawn for its size rather
// than scaled from another, so the small ones keep their lines.
constexpr std::array kIconSizes{16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

// The icons live in this library's resources; a static library's resources
// must be registered by name before first use, outside any namespace.
static void registerProgramIconResources() {
    Q_INIT_RESOURCE(program_icon);
}

QIcon ProgramIcon() {
    [[maybe_unused]] static const bool registered = [] {
        registerProgramIconResources();
        return true;
    }();
    QIcon icon;
    for (const int size : kIconSizes) {
        icon.addFile(QStringLiteral(":/kelvaro/icons/kelvaro-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap ProgramPixmap(int size) {
    return ProgramPixmap(size, qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

QPixmap ProgramPixmap(int size, qreal devicePixelRatio) {
    return ProgramIcon().pixmap(QSize(size, size), devicePixelRatio);
}
