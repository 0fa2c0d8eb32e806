// "Speichern" and "Speichern unter": the checks, the file name loop, the bytes
// written, and saves that fail.
#include "editor/rules/palette_layout.h"
#include "level_files_fixture.h"
#include "platform/paths.h"
#include "tests/support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace editor_test {
namespace {

const QString kAskFileName =
    QStringLiteral("Geben sie bitte den Namen der Datei ein, in welcher das Level gespeichert werden soll.");
const QString kStartMessage = QStringLiteral("Legen sie bitte eine Start - Richtung fest, bevor sie speichern!");
const QString kEndMessage = QStringLiteral("Legen sie die End - Position bitte auf eine Straße, bevor sie speichern!");
const QString kBlankoMessage =
    QStringLiteral("Der Name ~blanko~ kann als Datei - Name leider nicht verwendet werden!");

// The level of the format's worked example: Test, the street 102 on cells 0 to
// 2, start 0 facing right, end 2.
QByteArray workedExample() {
    QByteArray bytes = "Test\r\n102\r\n102\r\n102\r\n";
    for (int i = 0; i < 397; ++i) bytes += "\r\n";
    return bytes + "0\r\n3\r\n2\r\n\r\n";
}

class SaveLevelTest : public LevelFilesTest {
protected:
    void openWorkedExample() { openLevel(workedExample(), QStringLiteral("beispiel.lvl")); }
};

TEST_F(SaveLevelTest, TheWorkedExampleIsWrittenByteForByte) {
    openWorkedExample();
    answer({"Kopie"});
    editor.mnuSpeichern.click();  // no file name yet: Save As asks for one
    EXPECT_EQ(prompts(), std::vector<QString>{kAskFileName});
    EXPECT_EQ(fakes.inputs.asked[0].title, "Datei - Name?");
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(editor.LevelFileName, "Kopie.lvl");
    const QByteArray written = fileBytes(levelPath("Kopie.lvl"));
    EXPECT_EQ(written, workedExample());
    EXPECT_EQ(written.size(), 826);
    EXPECT_TRUE(written.endsWith(QByteArray("\x32\x0d\x0a\x0d\x0a")));
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(SaveLevelTest, UmlautsOfTheNameAreSingleWindows1252Bytes) {
    openWorkedExample();
    answer({"äöüß", "umlaute"});
    editor.mnuNameändern.click();
    editor.mnuSpeichernunter.click();
    EXPECT_TRUE(fileBytes(levelPath("umlaute.lvl")).startsWith(QByteArray("\xe4\xf6\xfc\xdf\r\n102\r\n")));
}

TEST_F(SaveLevelTest, SaveAsAnswers) {
    const struct {
        QString answer;
        QString written;       // the file written, "" for none
        QString fileName;      // LevelFileName afterwards
        QString refusal;       // the message of a refused answer, asked again then
    } cases[] = {
        {"Level1", "Level1.lvl", "Level1.lvl", ""},
        {"Level1.lvl", "Level1.lvl", "Level1.lvl", ""},
        {"Level1.LVL", "Level1.LVL.lvl", "Level1.LVL.lvl", ""},
        {" Level1 ", " Level1 .lvl", " Level1 .lvl", ""},
        {"Über die Brücke", "Über die Brücke.lvl", "Über die Brücke.lvl", ""},
        {"blanko", "", "", kBlankoMessage},
        {"BLANKO", "", "", kBlankoMessage},
        {"Blanko.lvl", "", "", kBlankoMessage},
        {"Blanko.LVL", "Blanko.LVL.lvl", "Blanko.LVL.lvl", ""},
        {"   ", "", "   ", ""},
        {"", "", "", ""},  // Cancel
        {"../Level1", "", "",
         "Der Datei - Name darf weder \"/\" noch \"\\\" enthalten: das Level wird immer im Verzeichnis \\lvlneu "
         "gespeichert!"},
        {"a\\b", "", "",
         "Der Datei - Name darf weder \"/\" noch \"\\\" enthalten: das Level wird immer im Verzeichnis \\lvlneu "
         "gespeichert!"},
        {"Tab\tName", "", "", "Der Datei - Name darf keine Steuerzeichen enthalten!"},
        {"..", "", "", "Ein Datei - Name nur aus Punkten kann leider nicht verwendet werden!"},
        // Half of a character's surrogate pair: the file would stand under another name.
        {QStringLiteral("zwei") + QChar(char16_t(0xD800)), "", "",
         "Der Datei - Name enthält ein halbes Zeichen, das sich in keinem Datei - Namen speichern lässt!"},
    };
    for (const auto& c : cases) {
        const std::string row = c.answer.toStdString();
        openWorkedExample();
        fakes.messages.shown.clear();
        fakes.inputs.asked.clear();
        fakes.inputs.answers.clear();
        // A refused answer is asked for again; the user then cancels.
        answer({c.answer, ""});
        editor.mnuSpeichernunter.click();

        EXPECT_EQ(fakes.inputs.asked.size(), c.refusal.isEmpty() ? 1u : 2u) << row;
        if (c.refusal.isEmpty()) {
            EXPECT_TRUE(fakes.messages.shown.empty()) << row;
        } else {
            EXPECT_EQ(messageTexts(), std::vector<QString>{c.refusal}) << row;
            EXPECT_EQ(messageTitles(), std::vector<QString>{"Sorry!"}) << row;
        }
        EXPECT_EQ(editor.LevelFileName, c.fileName) << row;
        QStringList expected{"beispiel.lvl", "blanko.lvl"};
        if (!c.written.isEmpty()) {
            expected.append(c.written);
            expected.sort();
            EXPECT_EQ(fileBytes(levelPath(c.written)), workedExample()) << row;
        }
        EXPECT_EQ(levelFiles(), expected) << row;
        for (const QString& name : levelFiles())
            if (name != "beispiel.lvl" && name != "blanko.lvl") QFile::remove(levelPath(name));
    }
}

TEST_F(SaveLevelTest, ARefusedAnswerIsAskedForAgainUntilANameFits) {
    openWorkedExample();
    answer({"blanko", "a/b", "zweiter"});
    editor.mnuSpeichernunter.click();
    EXPECT_EQ(prompts().size(), 3u);
    EXPECT_EQ(messageTitles(), (std::vector<QString>{"Sorry!", "Sorry!"}));
    EXPECT_EQ(editor.LevelFileName, "zweiter.lvl");
    EXPECT_EQ(fileBytes(levelPath("zweiter.lvl")), workedExample());
}

TEST_F(SaveLevelTest, OnlyTheStartMessageWhenBothChecksFail) {
    openLevel(levelFile("Ohne", {}, "0", "0", "5"));
    editor.mnuSpeichern.click();
    EXPECT_EQ(messageTexts(), std::vector<QString>{kStartMessage});
    EXPECT_EQ(messageTitles(), std::vector<QString>{"Start - Richtung?"});
    EXPECT_EQ(fakes.messages.shown[0].style, 48);
    EXPECT_TRUE(fakes.inputs.asked.empty());
}

TEST_F(SaveLevelTest, TheEndMustLieOnAPlainStreet) {
    const struct {
        std::string endLine;
        std::string end;
        bool passes;
    } cases[] = {
        {"101", "50", true},  {"111", "50", true},  {"201", "50", false},     {"233", "50", false},
        {"301", "50", false}, {"801", "50", false}, {"905", "50", false},     {"9050072", "50", false},
        {"", "50", false},    {"50", "50", false},  {"101.5", "50", false},   {"-101", "50", false},
        {"101", "400", false}, {"101", "-1", false},
    };
    for (const auto& c : cases) {
        const std::string row = c.endLine + " at " + c.end;
        const int cell = std::stoi(c.end);
        std::map<int, std::string> cells{{10, "102"}};
        if (cell >= 0 && cell < 400) cells[cell] = c.endLine;
        openLevel(levelFile("Ende", cells, "10", "3", c.end));
        fakes.messages.shown.clear();
        fakes.inputs.asked.clear();
        fakes.inputs.answers.clear();
        editor.mnuSpeichern.click();  // a save that passes asks for the file name; Cancel
        EXPECT_EQ(fakes.inputs.asked.size(), c.passes ? 1u : 0u) << row;
        if (!c.passes) {
            EXPECT_EQ(messageTexts(), std::vector<QString>{kEndMessage}) << row;
            ASSERT_EQ(fakes.messages.shown.size(), 1u);
            EXPECT_EQ(fakes.messages.shown[0].title, QString("End - Position?") + QChar(u'"')) << row;
            EXPECT_EQ(fakes.messages.shown[0].title.size(), 16);
        }
    }
}

TEST_F(SaveLevelTest, NoEndMarkedButAStreetOnCellZeroPasses) {
    openLevel(levelFile("Null", {{0, "101"}, {5, "102"}}, "5", "3", "0"));
    answer({"null"});
    editor.mnuSpeichern.click();
    const QByteArray written = fileBytes(levelPath("null.lvl"));
    EXPECT_TRUE(written.endsWith("\r\n5\r\n3\r\n0\r\n\r\n"));
    EXPECT_TRUE(written.startsWith("Null\r\n101\r\n"));
}

TEST_F(SaveLevelTest, TheNameAnsweredOnceServesEveryLaterSave) {
    openWorkedExample();
    answer({"eins"});
    editor.mnuSpeichern.click();
    const QByteArray first = fileBytes(levelPath("eins.lvl"));
    ASSERT_EQ(first, workedExample());
    editor.mnuSpeichern.click();  // replaced without a question, the same bytes
    EXPECT_EQ(fakes.inputs.asked.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fileBytes(levelPath("eins.lvl")), first);
    EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl", "eins.lvl"}));
}

TEST_F(SaveLevelTest, SaveAnsweredWithCancelWritesNothing) {
    openWorkedExample();
    editor.mnuSpeichern.click();
    EXPECT_EQ(fakes.inputs.asked.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl"}));
    EXPECT_EQ(editor.LevelFileName, "");
}

TEST_F(SaveLevelTest, SaveAsWithoutAStartKeepsTheNameAndWritesNothing) {
    openLevel(levelFile("Ohne Start", {{10, "102"}, {11, "102"}}, "11", "0", "10"));
    answer({"spaeter"});
    editor.mnuSpeichernunter.click();
    EXPECT_EQ(messageTexts(), std::vector<QString>{kStartMessage});
    EXPECT_EQ(editor.LevelFileName, "spaeter.lvl");
    EXPECT_EQ(levelFiles(), (QStringList{"blanko.lvl", "test.lvl"}));

    // A start set on the board: "Speichern" now writes under that name without asking.
    bringTab(pendix::editor::paletteTab(pendix::Family::Street));
    click(editor.cmdStraße(0));
    bringTab(pendix::editor::kStartEndTab);
    click(editor.cmdStartPosition);
    click(editor.cmd(11));
    ASSERT_EQ(editor.StartDir, 1);
    editor.mnuSpeichern.click();
    EXPECT_EQ(fakes.inputs.asked.size(), 1u);
    EXPECT_TRUE(fileBytes(levelPath("spaeter.lvl")).endsWith("\r\n11\r\n1\r\n10\r\n\r\n"));
}

TEST_F(SaveLevelTest, TheTemplateAfterNeuHasNoStartAndIsNotOverwritten) {
    const QByteArray before = fileBytes(levelPath("blanko.lvl"));
    editor.mnuNeu.click();
    editor.mnuSpeichern.click();
    EXPECT_EQ(messageTexts(), std::vector<QString>{kStartMessage});
    EXPECT_EQ(fileBytes(levelPath("blanko.lvl")), before);
}

TEST_F(SaveLevelTest, AFailedSaveLeavesTheOldFileTheStateAndTheCursor) {
    openWorkedExample();
    answer({"alt"});
    editor.mnuSpeichernunter.click();
    const QString path = levelPath("alt.lvl");
    ASSERT_EQ(fileBytes(path), workedExample());
    // The disk takes no more than this many bytes of any file: the save fails part-way there.
    for (const rlim_t limit : {0, 1, 2, 6, 100, 413, 825, 830}) {
        SCOPED_TRACE(limit);
        const QByteArray old = fileBytes(path);
        const QString name = QStringLiteral("Umbenannt %1").arg(limit);  // 831 or 832 bytes to write
        answer({name});
        editor.mnuNameändern.click();
        fakes.messages.shown.clear();
        fakes.cursor.calls.clear();
        {
            const test_support::FileSizeLimit disk(limit);
            editor.mnuSpeichern.click();
        }
        ASSERT_EQ(fakes.messages.shown.size(), 1u);
        EXPECT_EQ(fakes.messages.shown[0].text, "Das Level konnte nicht gespeichert werden:\r" + path +
                                                    "\r\rDie Datei wäre größer, als das System erlaubt.");
        EXPECT_EQ(fakes.messages.shown[0].title, "Speichern fehlgeschlagen");
        EXPECT_EQ(fakes.messages.shown[0].style, 48);
        EXPECT_EQ(fileBytes(path), old);
        EXPECT_EQ(levelFiles(), (QStringList{"alt.lvl", "beispiel.lvl", "blanko.lvl"}));  // no half-written file
        EXPECT_EQ(editor.LevelName, name);
        EXPECT_EQ(editor.LevelFileName, "alt.lvl");
        EXPECT_EQ(editor.cmd(0).tag(), "102");
        EXPECT_FALSE(fakes.cursor.waiting());
        EXPECT_EQ(fakes.cursor.calls.front(), test_support::RecordingScreenCursor::Call::Wait);

        fakes.messages.shown.clear();
        editor.mnuSpeichern.click();  // the disk has room again
        EXPECT_TRUE(fakes.messages.shown.empty());
        EXPECT_TRUE(fileBytes(path).startsWith((name + "\r\n102\r\n").toUtf8()));
        EXPECT_EQ(fileBytes(path).size(), old.size() - (old.indexOf('\r') - name.size()));
    }
}

TEST_F(SaveLevelTest, AFirstSaveThatFailsLeavesNoFileAndTheNextOneWrites) {
    openWorkedExample();
    answer({"neu"});
    {
        const test_support::FileSizeLimit disk(413);
        editor.mnuSpeichernunter.click();
    }
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].title, "Speichern fehlgeschlagen");
    EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl"}));
    EXPECT_EQ(editor.LevelFileName, "neu.lvl");
    editor.mnuSpeichern.click();
    EXPECT_EQ(fakes.inputs.asked.size(), 1u);
    EXPECT_EQ(fileBytes(levelPath("neu.lvl")), workedExample());
}

TEST_F(SaveLevelTest, ANameTheFileSystemRefusesIsReported) {
    openWorkedExample();
    const QString tooLong(300, u'x');
    answer({tooLong});
    editor.mnuSpeichernunter.click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].text.endsWith("\r\rDer Datei - Name ist zu lang."));
    EXPECT_EQ(editor.LevelFileName, tooLong + ".lvl");
    EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl"}));
    EXPECT_FALSE(fakes.cursor.waiting());
}

// The file system takes names of up to 255 bytes; every one of them is saved,
// the temporary file beside it included.
TEST_F(SaveLevelTest, EveryNameTheFileSystemTakesIsSaved) {
    const struct {
        QString answer;
        bool fits;
    } cases[] = {
        {QString(245, u'y'), true},                      // 249 bytes with ".lvl"
        {QString(251, u'y'), true},                      // 255 bytes
        {QString(125, u'ä') + QStringLiteral("y"), true},  // 255 bytes in UTF-8 on disk
        {QString(252, u'y'), false},                     // 256 bytes
        {QString(126, u'ä'), false},                     // 256 bytes in UTF-8 on disk
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.size());
        openWorkedExample();
        fakes.messages.shown.clear();
        answer({c.answer});
        editor.mnuSpeichernunter.click();
        const QString name = c.answer + ".lvl";
        if (c.fits) {
            EXPECT_TRUE(fakes.messages.shown.empty());
            EXPECT_EQ(fileBytes(levelPath(name)), workedExample());
            EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl", name}));
            QFile::remove(levelPath(name));
        } else {
            EXPECT_EQ(messageTexts(), std::vector<QString>{"Das Level konnte nicht gespeichert werden:\r" +
                                                           levelPath(name) + "\r\rDer Datei - Name ist zu lang."});
            EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl"}));
        }
    }
}

// The folder would let a new file take the name; the user protected the old one.
TEST_F(SaveLevelTest, AReadOnlyLevelFileIsNotReplaced) {
    openWorkedExample();
    const QString path = levelPath("geschuetzt.lvl");
    writeFile(path, "alt");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));  // 0444
    answer({"geschuetzt"});
    editor.mnuSpeichernunter.click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_EQ(fakes.messages.shown[0].text,
              "Das Level konnte nicht gespeichert werden:\r" + path + "\r\rDie Datei ist schreibgeschützt.");
    EXPECT_EQ(fakes.messages.shown[0].title, "Speichern fehlgeschlagen");
    EXPECT_EQ(fileBytes(path), "alt");
    EXPECT_FALSE(QFile::permissions(path).testFlag(QFile::WriteOwner));
    EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl", "geschuetzt.lvl"}));
    EXPECT_EQ(editor.LevelFileName, "geschuetzt.lvl");
    EXPECT_FALSE(fakes.cursor.waiting());

    // Writable again: the next save replaces it.
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    fakes.messages.shown.clear();
    editor.mnuSpeichern.click();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fileBytes(path), workedExample());
}

TEST_F(SaveLevelTest, AFileNameOfBlanksIsKeptButNeverWritten) {
    openWorkedExample();
    answer({"   "});
    editor.mnuSpeichernunter.click();
    ASSERT_EQ(editor.LevelFileName, "   ");
    EXPECT_TRUE(fakes.messages.shown.empty());
    editor.mnuSpeichern.click();
    ASSERT_EQ(fakes.messages.shown.size(), 1u);
    EXPECT_TRUE(fakes.messages.shown[0].text.endsWith("\r\rDer Datei - Name besteht nur aus Leerzeichen."));
    EXPECT_EQ(levelFiles(), (QStringList{"beispiel.lvl", "blanko.lvl"}));
}

TEST_F(SaveLevelTest, AMissingLevelFolderIsMade) {
    const QString elsewhere = platform::programFolder() + "/eigene";
    QDir().mkpath(elsewhere);
    writeFile(elsewhere + "/fremd.lvl", workedExample());
    openInChooser(elsewhere, "fremd.lvl");
    ASSERT_EQ(editor.LevelName, "Test");
    ASSERT_TRUE(QDir(levelFolder()).removeRecursively());
    answer({"neu"});
    editor.mnuSpeichernunter.click();
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fileBytes(levelPath("neu.lvl")), workedExample());
}

TEST_F(SaveLevelTest, TheLevelFolderAndFilesAreFoundWithoutRegardToLetterCase) {
    openWorkedExample();
    writeFile(levelPath("gross.lvl"), "alt");
    ASSERT_TRUE(QDir(platform::programFolder()).rename("lvlneu", "LVLNEU"));
    answer({"GROSS.lvl"});
    editor.mnuSpeichernunter.click();
    EXPECT_FALSE(QFileInfo::exists(levelFolder()));
    EXPECT_EQ(fileBytes(platform::programFolder() + "/LVLNEU/gross.lvl"), workedExample());
    EXPECT_EQ(QDir(platform::programFolder() + "/LVLNEU").entryList(QDir::Files).size(), 3);
}

}  // namespace
}  // namespace editor_test
