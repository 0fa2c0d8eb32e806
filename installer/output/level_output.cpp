#include "installer/output/level_output.h"

#include "installer/cp1252.h"
#include "installer/level_source.h"
#include "shared/level_format/level_writer.h"

namespace pendix::installer {

std::optional<QByteArray> levelFromSource(std::string_view sourceText, const QString& sourceName, QString* error) {
    std::string why;
    const std::optional<LevelSource> level = parseLevelSource(sourceText, &why);
    if (!level) {
        if (error)
            *error = QStringLiteral("Die Levelquelle \"%1\" ist fehlerhaft: %2")
                         .arg(sourceName, QString::fromStdString(why));
        return std::nullopt;
    }
    const std::string bytes =
        levelFileBytes(utf8ToCp1252(level->name), level->cells, level->start, level->startDirection, level->end);
    return QByteArray::fromStdString(bytes);
}

QByteArray blankTemplateLevel() {
    // Start direction 0 is the editor's own "no start set": the template then
    // shows no car, and saving asks for a start first, as on a fresh editor.
    const std::array<std::string, kCellCount> empty{};
    return QByteArray::fromStdString(levelFileBytes("Blanko", empty, 0, 0, 0));
}

}  // namespace pendix::installer
