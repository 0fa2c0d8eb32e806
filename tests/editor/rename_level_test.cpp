// Naming the level: the double click on its label and "Name ändern".
#include "level_files_fixture.h"

#include <QTest>

namespace editor_test {
namespace {

using Cursor = test_support::RecordingScreenCursor::Call;

const QString kBlankoRefusal = QStringLiteral("Der Name ~Blanko~ kann als Level - Name leider nicht verwendet werden!");

class RenameLevelTest : public LevelFilesTest {};

TEST_F(RenameLevelTest, RenameAnswers) {
    const struct {
        std::vector<QString> answers;  // in turn; a refused answer is asked for again
        QString name;                  // LevelName afterwards
        QString label;
        std::vector<QString> refusals;
    } cases[] = {
        {{"Zweiter"}, "Zweiter", "Level: Zweiter", {}},
        {{"Blanko", "Zweiter"}, "Zweiter", "Level: Zweiter", {kBlankoRefusal}},
        {{"blanko"}, "blanko", "Level: blanko", {}},
        {{"BLANKO"}, "BLANKO", "Level: BLANKO", {}},
        {{"  Mit Leerzeichen  "}, "  Mit Leerzeichen  ", "Level:   Mit Leerzeichen  ", {}},
        {{""}, "", "Level: Blanko", {}},  // Cancel: the name is empty, the label stays
        {{"Blanko", ""}, "", "Level: Blanko", {kBlankoRefusal}},
        {{"zwei\rZeilen", "eins"},
         "eins",
         "Level: eins",
         {"Der Level - Name darf keinen Zeilenumbruch enthalten (Zeichen U+000D)!"}},
        {{"zwei\nZeilen", ""},
         "",
         "Level: Blanko",
         {"Der Level - Name darf keinen Zeilenumbruch enthalten (Zeichen U+000A)!"}},
        {{"Łódź", "Lodz"},
         "Lodz",
         "Level: Lodz",
         {"Das Zeichen »Ł« (U+0141) kann in einem Level - Namen leider nicht gespeichert werden!"}},
        {{"Gruß 😀", "Gruß"},
         "Gruß",
         "Level: Gruß",
         {"Das Zeichen »😀« (U+1F600) kann in einem Level - Namen leider nicht gespeichert werden!"}},
    };
    for (const auto& c : cases) {
        const std::string row = c.answers.front().toStdString();
        editor.LevelName = "Blanko";
        editor.lblLevelName.setCaption("Level: Blanko");
        fakes.messages.shown.clear();
        fakes.inputs.asked.clear();
        fakes.cursor.calls.clear();
        fakes.inputs.answers.clear();
        answer(c.answers);
        editor.mnuNameändern.click();

        EXPECT_EQ(fakes.inputs.asked.size(), c.answers.size()) << row;
        for (const auto& question : fakes.inputs.asked) {
            EXPECT_EQ(question.prompt, "Geben sie bitte den Namen des Levels ein.");
            EXPECT_EQ(question.title, "Name?");
        }
        EXPECT_EQ(editor.LevelName, c.name) << row;
        EXPECT_EQ(editor.lblLevelName.caption(), c.label) << row;
        EXPECT_EQ(messageTexts(), c.refusals) << row;
        for (const auto& shown : fakes.messages.shown) {
            EXPECT_EQ(shown.title, "Sorry!");
            EXPECT_EQ(shown.style, 48);
        }
        // One wait for the whole rename, through any refusal and question after it.
        EXPECT_EQ(fakes.cursor.calls, (std::vector<Cursor>{Cursor::Wait, Cursor::Default})) << row;
    }
}

TEST_F(RenameLevelTest, ADoubleClickOnTheLabelAsksForTheName) {
    answer({"Doppelt"});
    QTest::mouseDClick(editor.lblLevelName.widget(), Qt::LeftButton);
    EXPECT_EQ(prompts(), std::vector<QString>{"Geben sie bitte den Namen des Levels ein."});
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Doppelt");
}

TEST_F(RenameLevelTest, ACancelledRenameSavesAnEmptyFirstLine) {
    openLevel(levelFile("Alt", {{0, "102"}}, "0", "3", "0"));
    answer({"", "leer"});
    editor.mnuNameändern.click();
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Alt");
    editor.mnuSpeichern.click();
    EXPECT_TRUE(fileBytes(levelPath("leer.lvl")).startsWith("\r\n102\r\n"));
}

TEST_F(RenameLevelTest, SpacesAroundTheNameAreSavedAndGoneOnReopening) {
    openLevel(levelFile("Alt", {{0, "102"}}, "0", "3", "0"));
    answer({" Rund ", "rund"});
    editor.mnuNameändern.click();
    editor.mnuSpeichern.click();
    EXPECT_TRUE(fileBytes(levelPath("rund.lvl")).startsWith(" Rund \r\n"));
    openInChooser(levelFolder(), "rund.lvl");
    EXPECT_EQ(editor.LevelName, "Rund");
    EXPECT_EQ(editor.lblLevelName.caption(), "Level: Rund");
}

}  // namespace
}  // namespace editor_test
