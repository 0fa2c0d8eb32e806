#include "installed_run.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace installer_test {

QString firstRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/first"); }
QString secondRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/second"); }
QString hostileRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/hostile"); }
QString fullRun() { return QStringLiteral(PENDIX_INSTALLER_RUN "/full"); }
QString outsideFolder() { return QStringLiteral(PENDIX_INSTALLER_RUN "/outside"); }

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

QStringList entriesBelow(const QString& folder) {
    QStringList entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) entries << QDir(folder).relativeFilePath(it.next());
    entries.sort();
    return entries;
}

bool isRealFolder(const QString& path) { return QFileInfo(path).isDir() && !QFileInfo(path).isSymLink(); }
bool isRealFile(const QString& path) { return QFileInfo(path).isFile() && !QFileInfo(path).isSymLink(); }

}  // namespace installer_test
