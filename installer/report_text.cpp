#include "installer/report_text.h"

#include <QStringList>

namespace pendix::installer {

QString reportBoxText(const QString& message, int maxLines) {
    QStringList lines = message.split(u'\n');
    const qsizetype more = lines.size() - maxLines;
    QString text = QStringLiteral("Die Installation ist fehlgeschlagen.\n\n");
    if (more > 0) {
        lines = lines.mid(0, maxLines);
        lines << QStringLiteral("… und %1 weitere Zeilen (siehe Fehlerausgabe).").arg(more);
    }
    return text + lines.join(u'\n');
}

}  // namespace pendix::installer
