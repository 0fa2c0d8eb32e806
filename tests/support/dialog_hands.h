#pragma once
// The user's hand in the shared dialogs, as every program's tests need it.
#include "tests/support/test_services.h"

#include <QString>

namespace test_support {

// In the level chooser the next time a window shows it modally: the folder set
// in its folder list, the file picked in its file list, then "OK".
void pickInChooser(test_support::ScriptedModalLoop& modal, const QString& folder, const QString& file);

// In the open file list ("Datei - Info"): every folder chosen in turn with its
// first file, one tick of its timer, then "OK", which closes it.
void browseFileList();

}  // namespace test_support
