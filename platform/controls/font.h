#pragma once
// Fonts by the names the windows give them, drawn with installed fonts of the
// same metrics.
#include <QFont>
#include <QString>

namespace platform {

struct Font {
    QString name = QStringLiteral("MS Sans Serif");  // every window's standard font
    double size = 8.25;                              // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const Font&) const = default;
};

// "Arial" and "MS Sans Serif" become Liberation Sans, "Courier New" Liberation
// Mono (matched without regard to letter case); other names are asked for as given.
QString installedFontFamily(const QString& name);
QFont toQFont(const Font& font);

}  // namespace platform
