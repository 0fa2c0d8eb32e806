#include "level_files_fixture.h"

#include "shared/level_chooser/frm_levelauswahl.h"

#include "platform/paths.h"

#include <QDir>
#include <QFile>

namespace editor_test {

QByteArray levelFile(const std::string& name, const std::map<int, std::string>& cells, const std::string& start,
                     const std::string& direction, const std::string& end) {
    std::string bytes = name + "\r\n";
    for (int cell = 0; cell < pendix::kCellCount; ++cell) {
        const auto found = cells.find(cell);
        bytes += (found == cells.end() ? std::string() : found->second) + "\r\n";
    }
    bytes += start + "\r\n" + direction + "\r\n" + end + "\r\n\r\n";
    return QByteArray::fromStdString(bytes);
}

LevelFilesTest::LevelFilesTest() { test_support::InstalledFolder::copyInto(folder); }

QString LevelFilesTest::levelFolder() { return platform::programFolder() + "/lvlneu"; }

QString LevelFilesTest::levelPath(const QString& name) { return levelFolder() + "/" + name; }

void LevelFilesTest::writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    ASSERT_EQ(file.write(bytes), bytes.size());
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
    fakes.modal.script.push_back([folder, file](platform::Form& form) {
        auto& chooser = static_cast<pendix::frmLevelauswahl&>(form);
        chooser.dirVerzeichnisse.setPath(folder);
        chooser.filDateien.refresh();  // files written since its last showing
        for (int i = 0; i < chooser.filDateien.listCount(); ++i)
            if (chooser.filDateien.list(i) == file) chooser.filDateien.setListIndex(i);
        ASSERT_EQ(chooser.filDateien.fileName(), file);
        chooser.cmdOk.click();
    });
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
