#pragma once
// The editor window on a copy of the installed program folder of the test's own,
// which it saves into, level files written as raw lines, and the user's hand in
// the level chooser and in the input boxes.
#include "editor_fixture.h"
#include "tests/support/level_file.h"
#include "tests/support/program_folder.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace editor_test {

using test_support::levelFile;

class LevelFilesTest : public EditorTest {
protected:
    LevelFilesTest();

    // The real folder "\lvlneu\" and a file in it.
    static QString levelFolder();
    static QString levelPath(const QString& name);
    static void writeFile(const QString& path, const QByteArray& bytes);
    static QByteArray fileBytes(const QString& path);
    // The names of the files in "\lvlneu\", sorted.
    static QStringList levelFiles();

    // "Öffnen", the user picking `file` in `folder` in the chooser and pressing OK.
    void openInChooser(const QString& folder, const QString& file);
    // "Öffnen" of a file in "\lvlneu\" with these bytes.
    void openLevel(const QByteArray& bytes, const QString& name = QStringLiteral("test.lvl"));
    // The user's answers to the next input boxes, in turn; "" is Cancel.
    void answer(const std::vector<QString>& answers);
    // The text and the title of every message shown so far.
    std::vector<QString> messageTexts() const;
    std::vector<QString> messageTitles() const;
    // The prompt of every input box asked so far.
    std::vector<QString> prompts() const;

    test_support::ProgramFolder folder{test_support::ProgramFolder::Contents::Nothing};
};

}  // namespace editor_test
