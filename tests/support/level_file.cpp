#include "tests/support/level_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace test_support {
namespace {

QByteArray lines(const std::string& name, const LevelCells& cells, const std::string& start,
                 const std::string& direction, const std::string& end) {
    std::string bytes = name + "\r\n";
    for (const std::string& cell : cells) bytes += cell + "\r\n";
    bytes += start + "\r\n" + direction + "\r\n" + end + "\r\n\r\n";
    return QByteArray::fromStdString(bytes);
}

}  // namespace

QByteArray levelFile(const std::string& name, const std::map<int, std::string>& cells, const std::string& start,
                     const std::string& direction, const std::string& end) {
    LevelCells all;
    for (const auto& [cell, line] : cells) all.at(static_cast<std::size_t>(cell)) = line;
    return lines(name, all, start, direction, end);
}

QByteArray levelFile(const std::string& name, const LevelCells& cells, int start, int direction, int end) {
    return lines(name, cells, std::to_string(start), std::to_string(direction), std::to_string(end));
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

}  // namespace test_support
