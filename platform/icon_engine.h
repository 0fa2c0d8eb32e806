#pragma once
// Icons of pictures read from disk, kept out of Qt's pixmap cache.
#include <QIcon>
#include <QList>
#include <QPixmap>

namespace platform {

// An icon of these images (a picture's one image, or the images of an icon file),
// each handed out as it is or scaled down; nothing it hands out is cached.
QIcon iconOf(const QList<QPixmap>& pixmaps);

}  // namespace platform
