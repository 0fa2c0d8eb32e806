// The help launcher in a program folder as the installer fills it: the program
// "Hilfe" lies beside the folder "hilfe", names that differ only in letter case.
#include "help/help_topics.h"
#include "installer/install_data.h"
#include "platform/paths.h"
#include "tests/help/hilfe_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace hilfe_test {
namespace {

// The programs' section of "\dateien.lst": the lines between "[]" and the next empty line.
QStringList listedPrograms(const QString& folder) {
    QFile file(folder + "/dateien.lst");
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QStringList lines = QString::fromLatin1(file.readAll()).split("\r\n");
    const qsizetype start = lines.indexOf("[]");
    QStringList programs;
    for (qsizetype i = start + 1; start >= 0 && i < lines.size() && !lines[i].isEmpty(); ++i) programs << lines[i];
    return programs;
}

class InstalledFolderTest : public HilfeTest {
protected:
    InstalledFolderTest() {
        for (const char* program : {"tavrik.exe", "Pendix", "Editor", "Hilfe"}) {
            QFile file(installed.filePath(program));
            EXPECT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("\x7f" "ELF");
        }
        const auto result = pendix::installer::installData(QDir(installed.path()));
        EXPECT_TRUE(result.ok) << result.message.toStdString();
        platform::setProgramFolder(installed.path());
    }

    QTemporaryDir installed;
};

TEST_F(InstalledFolderTest, EveryTopicFindsItsHelpFileInTheFolderBesideTheProgram) {
    ASSERT_TRUE(QFileInfo(installed.filePath("Hilfe")).isFile());
    ASSERT_TRUE(QFileInfo(installed.filePath("hilfe")).isDir());
    showActive();
    EXPECT_TRUE(fakes.modal.shownModal.empty()) << "the installed probe is found";
    for (int row = 0; row < 5; ++row) clickEntry(row);
    ASSERT_EQ(fakes.help.shown.size(), 5u);
    for (std::size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const QFileInfo shown(fakes.help.shown[i].file);
        EXPECT_TRUE(shown.isFile());
        EXPECT_EQ(shown.absolutePath(), installed.filePath("hilfe"));
        EXPECT_EQ(platform::resolveDataPath(pendix::hilfe::kHelpTopics[i].file), shown.filePath());
    }
}

TEST_F(InstalledFolderTest, TheFileListNamesEveryProgramOfTheFolder) {
    EXPECT_EQ(listedPrograms(installed.path()), (QStringList{"tavrik.exe", "Pendix", "Editor", "Hilfe"}));
}

}  // namespace
}  // namespace hilfe_test
