#include "installer/art/emoji.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>

namespace pendix::installer {
namespace {

const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");

QFont emojiFont(int pixelSize) {
    QFont f(kEmojiFamily);
    f.setPixelSize(pixelSize);
    f.setStyleStrategy(QFont::NoFontMerging);
    return f;
}

}  // namespace

bool emojiFontAvailable() {
    // Asked once per run: the font set does not change while the installer runs.
    static const bool available =
        QFontDatabase::families().contains(kEmojiFamily) && QFontInfo(emojiFont(30)).family() == kEmojiFamily;
    return available;
}

void drawEmoji(QPainter& p, const QString& emoji, const QRectF& box, int pixelSize) {
    p.save();
    p.setFont(emojiFont(pixelSize));
    p.setPen(Qt::black);  // text needs a pen, even colour glyphs
    p.drawText(box, Qt::AlignCenter, emoji);
    p.restore();
}

}  // namespace pendix::installer
