#include "level_files_fixture.h"

#include "platform/paths.h"
#include "tests/support/dialog_hands.h"

#include <QDir>
#include <QFile>

namespace editor_test {

LevelFilesTest::LevelFilesTest() { test_support::InstalledFolder::copyInto(folder); }

QString LevelFilesTest::levelFolder() { return platform::programFolder() + "/lvlneu"; }

QString LevelFilesTest::levelPath(const QString& name) { return levelFolder() + "/" + name; }

void LevelFilesTest::writeFile(const QString& path, const QByteArray& bytes) {
    ASSERT_TRUE(test_support::writeFile(path, bytes)) << path.toStdString();
}

QByteArray LevelFilesTest::fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QStringList LevelFilesTest::levelFiles() {
    QStringList names = QDir(levelFolder()).entryList(QDir::Files | QDir::Hidden);
    names.sort();
    return names;
}

void LevelFilesTest::openInChooser(const QString& folder, const QString& file) {
    test_support::pickInChooser(fakes.modal, folder, file);
    editor.mnuÖffnen.click();
}

void LevelFilesTest::openLevel(const QByteArray& bytes, const QString& name) {
    writeFile(levelPath(name), bytes);
    openInChooser(levelFolder(), name);
}

void LevelFilesTest::answer(const std::vector<QString>& answers) {
    for (const QString& text : answers) fakes.inputs.answers.push_back(text);
}

std::vector<QString> LevelFilesTest::messageTexts() const {
    std::vector<QString> texts;
    for (const auto& shown : fakes.messages.shown) texts.push_back(shown.text);
    return texts;
}

std::vector<QString> LevelFilesTest::messageTitles() const {
    std::vector<QString> titles;
    for (const auto& shown : fakes.messages.shown) titles.push_back(shown.title);
    return titles;
}

std::vector<QString> LevelFilesTest::prompts() const {
    std::vector<QString> asked;
    for (const auto& question : fakes.inputs.asked) asked.push_back(question.prompt);
    return asked;
}

}  // namespace editor_test
