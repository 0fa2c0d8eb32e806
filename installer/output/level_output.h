#pragma once
// The level files the installer writes: the nine built-in levels from their
// readable sources, and the editor's empty template.
#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

namespace pendix::installer {

// The level file of a readable source, or nullopt with a German message naming
// the source and its fault.
std::optional<QByteArray> levelFromSource(std::string_view sourceText, const QString& sourceName, QString* error);

// "\lvlneu\blanko.lvl": the board the editor starts from with "Neu".
QByteArray blankTemplateLevel();

}  // namespace pendix::installer
