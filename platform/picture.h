#pragma once
// Pictures and icons as the windows use them. Every load goes through the
// functions below and reads the file from disk at that moment: the programs never
// cache a picture. A picture remembers the path it was asked for, so tests can
// tell what a control shows.
#include <QIcon>
#include <QPixmap>
#include <QString>

#include <optional>
#include <string_view>

namespace platform {

class Picture {
public:
    Picture() = default;  // "no picture"

    // True when there is nothing to draw: no picture, or a file that could not be read.
    bool isEmpty() const { return pixmap_.isNull(); }
    // The path as the window asked for it ("\bmp\AutoOU.bmp" or a full path); empty for no picture.
    const QString& sourcePath() const { return sourcePath_; }
    const QPixmap& pixmap() const { return pixmap_; }
    // All images of an icon file; a bitmap gives an icon of its one image. What the
    // window system takes of it (a window icon, ten times a second) goes with the icon:
    // no cache keeps it.
    const QIcon& icon() const { return icon_; }

    // Made in code rather than read from a file ("stored with the window").
    bool isDrawn() const { return drawn_; }

private:
    friend class PictureReader;
    friend Picture drawnPicture(const QString& name, const QPixmap& pixmap);
    QString sourcePath_;
    bool drawn_ = false;
    QPixmap pixmap_;
    QIcon icon_;
};

// A bitmap or icon given as a data path under the program folder ("\bmp\AutoOU.bmp").
// A missing file or bytes that are no picture give an empty picture that still
// knows its path, so the control shows nothing there. "" gives no picture.
Picture loadPicture(std::string_view dataPath);
// The same, but a missing file, a missing folder or bytes that are no picture give nothing.
std::optional<Picture> tryLoadPicture(std::string_view dataPath);

// A picture made in code, such as a window's own icon or a picture stored with
// the window: no file behind it, so nothing can be missing. `name` stands where a
// loaded picture has its path ("frmBeginn.Icon"), so tests can tell what is shown.
Picture drawnPicture(const QString& name, const QPixmap& pixmap);

// The same two for a full path (the level chooser hands out full paths).
Picture loadPictureFile(const QString& path);
std::optional<Picture> tryLoadPictureFile(const QString& path);

}  // namespace platform
