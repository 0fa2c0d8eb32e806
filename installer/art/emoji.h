#pragma once
// Colour emoji from "Noto Color Emoji", when that font is installed.
#include <QPainter>
#include <QRectF>
#include <QString>

namespace pendix::installer {

bool emojiFontAvailable();
// Draws one emoji centred in box at the given pixel size.
void drawEmoji(QPainter& p, const QString& emoji, const QRectF& box, int pixelSize);

}  // namespace pendix::installer
