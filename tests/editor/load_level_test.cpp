// Loading a level file onto the editor's board: "Öffnen" through the level
// chooser, "Neu" with the template, and files that cannot be read.
#include "level_files_fixture.h"
#include "platform/application.h"
#include "platform/files/cp1252.h"
#include "shared/level_chooser/frm_levelauswahl.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

namespace editor_test {
namespace {

QString picturePath(const platform::PictureBox& box) { return box.picture().sourcePath(); }
QString picturePath(const platform::GraphicalButton& button) { return button.picture().sourcePath(); }

class LoadLevelTest : public LevelFilesTest {
protected:
    // A level with one street, to tell a board that holds something from a cleared one.
    void openSomeLevel(const char* name = "Vorher") {
        openLevel(levelFile(name, {{20, "102"}, {21, "102"}}, "20", "3", "21"), "vorher.lvl");
        ASSERT_EQ(editor.cmd(20).tag(), "102");
    }
    bool boardIsClear() {
        for (int i = 0; i < 400; ++i) {
            if (editor.cmd(i).tag() != "0" || !editor.cmd(i).picture().sourcePath().isEmpty()) return false;
            if (editor.pic(i).tag() != "0" || editor.pic(i).visible()) return false;
        }
        return true;
    }
    // "Öffnen" left with the chooser's close box: the Tag keeps what it held.
    void openAndCloseTheChooser() {
        fakes.modal.script.push_back([](platform::Form& chooser) { chooser.window()->close(); });
        editor.mnuÖffnen.click();
    }
};

TEST_F(LoadLevelTest, OpenDrawsEveryCellTheLinksTheCarAndTheEnd) {
    QByteArray bytes = levelFile(platform::toCp1252(u"  Über die Brücke  "),
                                 {
                                     {1, "901"},        // a transporter without a target
                                     {10, "104"},       // the end
                                     {45, "9051231"},   // 905 on 45 to 123, up
                                     {61, "1011501"},   // 7 characters that are no transporter
                                     {62, "9051600"},   // exits that are no direction
                                     {63, "9051619"},
                                     {64, "101 "},      // a code and a blank
                                     {65, "9051621 "},  // 8 characters: no link
                                     {66, "801"},
                                     {123, "101"},      // a target that is also the start
                                     {200, "9120071"},  // two links to cell 7: the higher cell wins
                                     {300, "9130073"},
                                 },
                                 "123", "3", "10");
    bytes += "Zeile 406\r\n12\r\n";  // after line 404: never read
    openLevel(bytes);

    EXPECT_EQ(editor.LevelName, "Über die Brücke");
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Über die Brücke");
    EXPECT_EQ(editor.LevelFileName, "");
    EXPECT_EQ(editor.LevelLines[0], platform::toCp1252(u"  Über die Brücke  "));
    EXPECT_EQ(editor.LevelLines[1 + 45], "9051231");
    EXPECT_EQ(editor.LevelLines[403], "10");

    EXPECT_EQ(editor.cmd(0).tag(), "0");
    EXPECT_EQ(picturePath(editor.cmd(0)), "");
    EXPECT_EQ(editor.cmd(1).tag(), "901");
    EXPECT_EQ(picturePath(editor.cmd(1)), "");
    EXPECT_EQ(editor.cmd(45).tag(), "9051231");
    EXPECT_EQ(picturePath(editor.cmd(45)), "\\bmp\\StratKLO.bmp");
    EXPECT_FALSE(editor.cmd(45).picture().isEmpty());
    EXPECT_EQ(editor.cmd(61).tag(), "1011501");
    EXPECT_EQ(picturePath(editor.cmd(61)), "");
    EXPECT_EQ(picturePath(editor.pic(150)), "\\bmp\\PfeiOU.bmp");
    EXPECT_EQ(editor.pic(150).tag(), "0611");
    EXPECT_TRUE(editor.pic(150).visible());
    for (const int target : {160, 161}) {
        EXPECT_EQ(picturePath(editor.pic(target)), "") << target;
        EXPECT_TRUE(editor.pic(target).visible()) << target;
    }
    EXPECT_EQ(editor.pic(160).tag(), "0620");
    EXPECT_EQ(editor.pic(161).tag(), "0639");
    EXPECT_EQ(editor.cmd(64).tag(), "101");
    EXPECT_EQ(picturePath(editor.cmd(64)), "\\bmp\\StrasOU.bmp");
    EXPECT_EQ(editor.cmd(65).tag(), "9051621");
    EXPECT_EQ(picturePath(editor.cmd(65)), "");
    EXPECT_FALSE(editor.pic(162).visible());
    EXPECT_EQ(picturePath(editor.cmd(66)), "\\bmp\\deko\\ani\\Ani0101.bmp");
    EXPECT_EQ(editor.AnimCells[66], 1);
    EXPECT_EQ(editor.AnimCells[64], 0);
    EXPECT_EQ(picturePath(editor.pic(7)), "\\bmp\\PfeiRL.bmp");
    EXPECT_EQ(editor.pic(7).tag(), "3003");

    // The car comes after the links: the start shows it, with the direction as its tag.
    EXPECT_EQ(editor.StartPos, 123);
    EXPECT_EQ(editor.StartDir, 3);
    EXPECT_EQ(picturePath(editor.pic(123)), "\\bmp\\AutoRL.bmp");
    EXPECT_EQ(editor.pic(123).tag(), "3");
    EXPECT_TRUE(editor.pic(123).visible());
    EXPECT_EQ(editor.lblSP.caption(), "123");
    // The end marker replaces the street's picture; the cell keeps its code.
    EXPECT_EQ(editor.EndPos, 10);
    EXPECT_EQ(picturePath(editor.cmd(10)), "\\bmp\\StraekRU.bmp");
    EXPECT_EQ(editor.cmd(10).tag(), "104");
    EXPECT_EQ(editor.lblEP.caption(), "10");
    EXPECT_FALSE(fakes.cursor.waiting());
    EXPECT_TRUE(fakes.messages.shown.empty());
}

TEST_F(LoadLevelTest, AStartDirectionOutsideOneToEightDrawsNoCarButShowsTheOverlay) {
    for (const char* direction : {"0", "9", "-2"}) {
        openLevel(levelFile("Ohne Auto", {{30, "101"}}, "30", direction, "30"));
        EXPECT_EQ(editor.StartDir, QString(direction).toInt()) << direction;
        EXPECT_EQ(picturePath(editor.pic(30)), "") << direction;
        EXPECT_TRUE(editor.pic(30).visible()) << direction;
        EXPECT_EQ(editor.pic(30).tag(), direction);
        EXPECT_EQ(picturePath(editor.cmd(30)), "\\bmp\\StraeOU.bmp");
    }
}

TEST_F(LoadLevelTest, AStartOrEndOffTheBoardIsKeptButDrawsNothing) {
    openLevel(levelFile("Außerhalb", {{0, "101"}}, "400", "3", "-1"));
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(editor.StartPos, 400);
    EXPECT_EQ(editor.EndPos, -1);
    EXPECT_EQ(editor.lblSP.caption(), "400");
    EXPECT_EQ(editor.lblEP.caption(), "-1");
    EXPECT_FALSE(editor.pic(0).visible());
    EXPECT_EQ(picturePath(editor.cmd(0)), "\\bmp\\StrasOU.bmp");
}

TEST_F(LoadLevelTest, NeuLoadsTheTemplateAndNamesItsFile) {
    openSomeLevel();
    editor.mnuNeu.click();
    EXPECT_EQ(editor.LevelFileName, "blanko.lvl");
    EXPECT_EQ(editor.LevelName, "Blanko");
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Blanko");
    EXPECT_EQ(editor.cmd(20).tag(), "0");
    EXPECT_EQ(picturePath(editor.cmd(20)), "");
    EXPECT_EQ(editor.StartDir, 0);
    EXPECT_EQ(editor.lblSP.caption(), "0");
    EXPECT_EQ(editor.lblEP.caption(), "0");
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(LoadLevelTest, AbbrechenInTheChooserChangesNothing) {
    openSomeLevel();
    editor.mnuNeu.click();
    openLevel(levelFile("Zweites", {{5, "101"}}, "5", "1", "5"), "zweites.lvl");
    editor.LevelFileName = "gesetzt.lvl";
    fakes.modal.script.push_back(
        [](platform::Form& chooser) { static_cast<pendix::frmLevelauswahl&>(chooser).cmdAbbrechen.click(); });
    editor.mnuÖffnen.click();
    EXPECT_EQ(editor.tag(), "");
    EXPECT_EQ(editor.LevelFileName, "gesetzt.lvl");
    EXPECT_EQ(editor.LevelName, "Zweites");
    EXPECT_EQ(editor.cmd(5).tag(), "101");
    EXPECT_EQ(editor.lblSP.caption(), "5");
}

TEST_F(LoadLevelTest, TheChoosersCloseBoxReadsTheEarlierFileAgain) {
    openSomeLevel("Erstes");
    editor.mnuNeu.click();
    ASSERT_EQ(editor.cmd(20).tag(), "0");
    openAndCloseTheChooser();
    EXPECT_EQ(editor.tag(), levelPath("vorher.lvl"));
    EXPECT_EQ(editor.LevelName, "Erstes");
    EXPECT_EQ(editor.cmd(20).tag(), "102");
    EXPECT_EQ(editor.LevelFileName, "");
}

TEST_F(LoadLevelTest, AFileThatCannotBeReadIsNamedWithItsProblem) {
    const QString folder = levelPath("ordner.lvl");
    QDir().mkpath(folder);
    const QString shortFile = levelPath("kurz.lvl");
    writeFile(shortFile, "Kurz\r\n101\r\n\r\n");
    const QString pipe = levelPath("pipe.lvl");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const QString wide = levelPath("weit.lvl");
    writeFile(wide, levelFile("Weit", {{0, "101"}}, "40000", "3", "0"));
    const struct {
        QString path;
        QString problem;
    } cases[] = {
        {levelPath("fehlt.lvl"), "Die Datei gibt es nicht."},
        {folder, "Das ist ein Verzeichnis, keine Level-Datei."},
        {pipe, "Das ist eine Pipe, keine Level-Datei."},
        {shortFile, "Die Datei hat nur 3 von 404 Zeilen."},
        {wide, "Der Wert 40000 in Zeile 402 (Startposition) liegt nicht im Bereich von -32768 bis 32767."},
    };
    for (const auto& c : cases) {
        openSomeLevel();
        editor.mnuNeu.click();
        editor.setTag(c.path);  // the chooser's answer of an earlier opening
        fakes.messages.shown.clear();
        openAndCloseTheChooser();

        ASSERT_EQ(fakes.messages.shown.size(), 1u) << c.path.toStdString();
        EXPECT_EQ(fakes.messages.shown[0].text, "Das Level konnte nicht eingelesen werden:\r" + c.path + "\r\r" + c.problem);
        EXPECT_EQ(fakes.messages.shown[0].title, "Level nicht lesbar");
        EXPECT_EQ(fakes.messages.shown[0].style, 48);
        // Cleared by the caller; name, positions and labels as the template left them.
        EXPECT_TRUE(boardIsClear()) << c.path.toStdString();
        EXPECT_EQ(editor.LevelName, "Blanko");
        EXPECT_EQ(editor.lblLevelName.caption(), "Level: Blanko");
        EXPECT_EQ(editor.LevelFileName, "");
        EXPECT_FALSE(fakes.cursor.waiting());
    }
}

TEST_F(LoadLevelTest, NeuWithoutTheTemplateSaysSo) {
    openSomeLevel();
    QFile::remove(levelPath("blanko.lvl"));
    editor.mnuNeu.click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].text.endsWith("blanko.lvl\r\rDie Datei gibt es nicht."));
    EXPECT_TRUE(boardIsClear());
    EXPECT_EQ(editor.LevelName, "Vorher");
    EXPECT_EQ(editor.LevelFileName, "blanko.lvl");
}

}  // namespace
}  // namespace editor_test
