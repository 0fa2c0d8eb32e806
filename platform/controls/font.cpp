#include "font.h"

namespace platform {

QString installedFontFamily(const QString& name) {
    const auto is = [&](const char* other) { return name.compare(QLatin1String(other), Qt::CaseInsensitive) == 0; };
    if (is("Arial") || is("MS Sans Serif")) return QStringLiteral("Liberation Sans");
    if (is("Courier New")) return QStringLiteral("Liberation Mono");
    return name;
}

QFont toQFont(const Font& font) {
    QFont qfont(installedFontFamily(font.name));
    qfont.setPointSizeF(font.size);
    qfont.setBold(font.bold);
    qfont.setItalic(font.italic);
    qfont.setUnderline(font.underline);
    return qfont;
}

}  // namespace platform
