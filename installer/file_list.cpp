#include "installer/file_list.h"

#include "installer/cp1252.h"

namespace pendix::installer {
namespace {

constexpr int kMaxLines = 32767;

bool isFileLine(const QString& name) {
    return name.size() >= 2 && !name.startsWith(QLatin1Char('\\')) && !name.startsWith(QLatin1Char('['));
}

void appendLine(QByteArray& out, const QString& line) {
    out += QByteArray::fromStdString(utf8ToCp1252(line.toStdString()));
    out += "\r\n";
}

}  // namespace

QByteArray fileListBytes(const QStringList& programFiles, const std::vector<ListedFolder>& folders) {
    QByteArray out;
    int lines = 0;
    auto section = [&](const QString& header, const QStringList& names) {
        if (names.isEmpty()) return true;
        appendLine(out, header);
        for (const QString& n : names) {
            if (!isFileLine(n)) return false;
            appendLine(out, n);
        }
        appendLine(out, QString());
        lines += int(names.size()) + 2;
        return true;
    };
    if (!section(QStringLiteral("[]"), programFiles)) return {};
    for (const ListedFolder& f : folders)
        if (!f.header.endsWith(QLatin1Char('\\')) || !section(f.header, f.names)) return {};
    if (lines == 0 || lines > kMaxLines) return {};
    return out;
}

}  // namespace pendix::installer
