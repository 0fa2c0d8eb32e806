// A window icon changes ten times a second. What the window system takes of an
// icon must go with the icon: no cache may keep the pixmaps of icons long gone.
#include "platform/picture.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

using namespace platform;

TEST(IconMemory, NothingKeepsThePixmapsTheWindowSystemTookOfAnIcon) {
    QTemporaryDir dir;
    QImage frame(32, 32, QImage::Format_ARGB32);
    frame.fill(Qt::red);
    ASSERT_TRUE(frame.save(dir.filePath("auto01.ico"), "ICO"));
    // The sizes a window manager asks for: the icon's own and others.
    for (int size : {16, 32, 48}) {
        std::optional<Picture> icon = loadPictureFile(dir.filePath("auto01.ico"));
        QPixmap taken = icon->icon().pixmap(QSize(size, size));
        EXPECT_EQ(taken.width(), std::min(size, 32)) << size;  // never scaled up
        icon.reset();
        EXPECT_TRUE(taken.isDetached()) << size;
    }
    EXPECT_TRUE(Picture().icon().isNull());
}
