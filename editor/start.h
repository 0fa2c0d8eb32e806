#pragma once
// The editor's start-up: shows the main window under the wait cursor.
namespace pendix::editor {

void Main();

}  // namespace pendix::editor
