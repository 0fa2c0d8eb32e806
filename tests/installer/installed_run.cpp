#include "installed_run.h"

#include <QDir>
#include <QFile>

namespace installer_test {

QString firstRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/first"); }
QString secondRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/second"); }
QString blockedRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/blocked"); }

QString findInFolder(const QString& folder, std::string_view relativePath) {
    const QStringList parts = QString::fromUtf8(relativePath.data(), qsizetype(relativePath.size()))
                                  .split(QLatin1Char('\\'), Qt::SkipEmptyParts);
    QString current = folder;
    for (const QString& part : parts) {
        const QStringList entries = QDir(current).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
        QString match;
        for (const QString& e : entries)
            if (e.compare(part, Qt::CaseInsensitive) == 0) match = e;
        if (match.isEmpty()) return {};
        current = QDir(current).filePath(match);
    }
    return current;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace installer_test
