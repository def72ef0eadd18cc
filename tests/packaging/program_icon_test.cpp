#include "platform/program_icon.h"

#include <QGuiApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

// The pictures drawn for the desktop's icon sizes; the window icon must offer
// each one as drawn, not scaled from another.
constexpr std::array kDrawnSizes{16, 22, 24, 32, 48, 64, 128, 256};

} // namespace

TEST(ProgramIcon, OffersEveryDrawnSizeAsTheDrawing) {
    const QIcon icon = ProgramIcon();
    ASSERT_FALSE(icon.isNull());
    const QList<QSize> available = icon.availableSizes();
    for (const int size : kDrawnSizes) {
        SCOPED_TRACE(size);
        EXPECT_TRUE(available.contains(QSize(size, size)));
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        ASSERT_EQ(image.size(), QSize(size, size));
        // A rounded tile: the corner is clear, the middle is the opaque, warm sun.
        EXPECT_EQ(image.pixelColor(0, 0).alpha(), 0);
        const QColor centre = image.pixelColor(size / 2, size / 2);
        EXPECT_EQ(centre.alpha(), 255);
        EXPECT_GT(centre.red(), centre.blue());
    }
}

TEST(ProgramIcon, PixmapCoversTheScreenScale) {
    struct Case {
        int size;
        qreal devicePixelRatio;
        int devicePixels;
    };
    const std::array cases{
        Case{16, 1.0, 16},  Case{40, 1.0, 40},   // between two drawn sizes
        Case{64, 2.0, 128},                      // a screen scaled twice
        Case{32, 1.5, 48},  Case{256, 2.0, 256}, // nothing larger is drawn; never blown up
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " at " << c.devicePixelRatio);
        const QPixmap pixmap = ProgramPixmap(c.size, c.devicePixelRatio);
        ASSERT_FALSE(pixmap.isNull());
        EXPECT_EQ(pixmap.size(), QSize(c.devicePixels, c.devicePixels));
        EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), static_cast<qreal>(c.devicePixels) / c.size);
    }
}

// Run once as it is and once with QT_SCALE_FACTOR=2 (see CMakeLists.txt): the
// about and referral windows' picture must be drawn for the scaled screen, not
// blown up from the small one.
TEST(ProgramIcon, PixmapFollowsTheScreenScale) {
    const qreal scale = qGuiApp->devicePixelRatio();
    if (const char* factor = std::getenv("QT_SCALE_FACTOR")) {
        ASSERT_DOUBLE_EQ(scale, std::atof(factor));
    }
    const QPixmap pixmap = ProgramPixmap(48);
    EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), scale);
    EXPECT_EQ(pixmap.width(), qRound(48 * scale));
}
