// The nine built-in levels and the template, loaded in the editor and saved
// again, give the bytes the installer wrote.
#include "level_files_fixture.h"
#include "platform/files/cp1252.h"
#include "platform/paths.h"
#include "shared/level_format/level_writer.h"

namespace editor_test {
namespace {

class BuiltInLevelsTest : public LevelFilesTest {};

TEST_F(BuiltInLevelsTest, EachSavedAgainGivesTheInstallersBytes) {
    for (int n = 1; n <= 9; ++n) {
        const QByteArray installed =
            fileBytes(platform::programFolder() + QStringLiteral("/lev1-9/level%1.lev").arg(n));
        ASSERT_EQ(installed.size() > 0, true) << n;
        // The chooser lists "*.lvl" only: the level is offered under that ending.
        const QString source = QStringLiteral("level%1.lvl").arg(n);
        writeFile(levelPath(source), installed);
        openInChooser(levelFolder(), source);
        answer({QStringLiteral("kopie%1").arg(n)});
        editor.mnuSpeichern.click();
        EXPECT_TRUE(fakes.messages.shown.empty()) << n;
        EXPECT_EQ(fileBytes(levelPath(QStringLiteral("kopie%1.lvl").arg(n))), installed) << n;
    }
}

TEST_F(BuiltInLevelsTest, TheTemplateLoadsAsTheEditorsFormOfItsBytes) {
    const QByteArray installed = fileBytes(levelPath("blanko.lvl"));
    editor.mnuNeu.click();
    // It has no start, so it cannot be saved as it stands; what a save would write is its own bytes.
    std::array<std::string, pendix::kCellCount> cells;
    for (int i = 0; i < pendix::kCellCount; ++i)
        cells[static_cast<std::size_t>(i)] = platform::toCp1252(editor.cmd(i).tag());
    EXPECT_EQ(QByteArray::fromStdString(pendix::levelFileBytes(platform::toCp1252(editor.LevelName), cells,
                                                               editor.StartPos, editor.StartDir, editor.EndPos)),
              installed);
}

}  // namespace
}  // namespace editor_test
