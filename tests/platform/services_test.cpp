#include "platform/application.h"
#include "platform/controls/common_dialog.h"
#include "platform/controls/label.h"
#include "platform/controls/mm_control.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/services/qt_services.h"
#include "platform/services/sound_output.h"
#include "platform/services/wave_check.h"
#include "tests/support/printers.h"
#include "tests/support/test_services.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QWidget>

#include <gtest/gtest.h>

#include <dlfcn.h>
#include <sys/stat.h>

using namespace platform;

namespace {

class frmKlang : public Form {
public:
    platform::MMControl MMControl;
    platform::CommonDialog CommonDialog;
    Label lblHinweis;

    void playWave(const char* wave) {
        MMControl.setCommand("Close");
        MMControl.setFileName(programFolder() + wave);
        MMControl.setDeviceType("WaveAudio");
        MMControl.setCommand("Open");
        MMControl.setCommand("Play");
    }

protected:
    void design() override {
        place(MMControl);
        MMControl.setVisible(false);
        place(CommonDialog);
        place(lblHinweis, {0, 0, 1000, 255});
    }
};

class ServicesTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(QDir(dir_.path()).mkpath("hilfe"));
        setProgramFolder(dir_.path());
    }
    void TearDown() override {
        dropInstances();
        setProgramFolder({});
    }
    QTemporaryDir dir_;
    test_support::ScopedTestServices fakes;
};

}  // namespace

TEST_F(ServicesTest, TheMultimediaControlHandsItsFiveOperationsOnInOrder) {
    auto& form = instance<frmKlang>();
    form.load();
    form.playWave("\\wav\\gerade.wav");
    using Op = test_support::RecordingWavePlayer::Operation;
    const QString file = programFolder() + "\\wav\\gerade.wav";
    EXPECT_EQ(fakes.waves.operations, (std::vector<Op>{{"Close", {}},
                                                       {"FileName", file},
                                                       {"DeviceType", "WaveAudio"},
                                                       {"Open", {}},
                                                       {"Play", {}}}));
    EXPECT_EQ(fakes.waves.played(), std::vector<QString>{file});
}

TEST_F(ServicesTest, TheCommonDialogShowsTheHelpFileFoundWithoutRegardToCase) {
    QFile help(QDir(dir_.path()).filePath("hilfe/Pendix.hlp"));
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    auto& form = instance<frmKlang>();
    form.load();
    form.CommonDialog.setHelpFile(programFolder() + "\\hilfe\\pendix.hlp");
    form.CommonDialog.setHelpCommand(platform::CommonDialog::kHelpContents);
    form.CommonDialog.showHelp();
    ASSERT_EQ(fakes.help.shown.size(), 1u);
    EXPECT_EQ(fakes.help.shown[0].file, QDir(dir_.path()).filePath("hilfe/Pendix.hlp"));
    EXPECT_EQ(fakes.help.shown[0].command, 3);
}

TEST_F(ServicesTest, LinksAndProgramsAreHandedOnExactly) {
    openLink("mailto:pendix@example.org?Subject=Pendix v1.2");
    EXPECT_EQ(fakes.links.opened, std::vector<QString>{"mailto:pendix@example.org?Subject=Pendix v1.2"});
    EXPECT_TRUE(startProgram(programFolder() + "\\tavrik.exe"));
    EXPECT_EQ(fakes.programs.started, std::vector<QString>{programFolder() + "\\tavrik.exe"});
    endProgram();
    EXPECT_EQ(fakes.ender.ends, 1);
    setWaitCursor();
    setWaitCursor();  // a short handler inside long work
    setDefaultCursor();
    EXPECT_TRUE(fakes.cursor.waiting());
    setDefaultCursor();
    setDefaultCursor();  // one too many: nothing
    EXPECT_FALSE(fakes.cursor.waiting());
    setWaitCursor();
    EXPECT_TRUE(fakes.cursor.waiting());
}

namespace {

// A 16-bit mono PCM wave of `samples` samples.
std::string waveBytes(int samples) {
    const auto le = [](std::uint32_t value, int count) {
        std::string bytes;
        for (int i = 0; i < count; ++i) bytes.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
        return bytes;
    };
    const std::uint32_t data = static_cast<std::uint32_t>(samples) * 2;
    std::string wave = "RIFF" + le(36 + data, 4) + "WAVE" + "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(22050, 4) +
                       le(44100, 4) + le(2, 2) + le(16, 2) + "data" + le(data, 4);
    wave.append(data, '\x10');
    return wave;
}

}  // namespace

TEST(WaveCheck, OnlyCompletePcmWavesPass) {
    const std::string wave = waveBytes(100);
    EXPECT_TRUE(isCompleteWave(wave));
    EXPECT_FALSE(isCompleteWave(wave.substr(0, wave.size() / 2)));  // cut short
    EXPECT_FALSE(isCompleteWave(wave.substr(0, 44)));                // header without its data
    EXPECT_FALSE(isCompleteWave(""));
    EXPECT_FALSE(isCompleteWave(std::string(200, 'x')));
    std::string dataFirst = wave;
    dataFirst.replace(12, 4, "LIST");  // the format chunk is not there
    EXPECT_FALSE(isCompleteWave(dataFirst));
}

TEST_F(ServicesTest, ADamagedWavePlaysNothingAndHoldsNothingUp) {
    const std::string wave = waveBytes(2000);
    QFile cut(QDir(dir_.path()).filePath("kurz.wav"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(wave.data(), static_cast<qint64>(wave.size() / 2));
    cut.close();
    ASSERT_EQ(::mkfifo(QFile::encodeName(QDir(dir_.path()).filePath("pipe.wav")).constData(), 0600), 0);
    QtWavePlayer player;
    for (int round = 0; round < 2; ++round) {
        for (const char* file : {"\\kurz.wav", "\\fehlt.wav", "\\pipe.wav"}) {
            player.command("Close");
            player.setFileName(programFolder() + file);
            player.setDeviceType("WaveAudio");
            player.command("Open");
            player.command("Play");
        }
    }
    SUCCEED();  // returning at all is the point: Qt's loader would wait forever for the rest of the file
}

// Qt Multimedia and the sound libraries come in only with the first wave played,
// so that a program starts without them; "Close" and "Open" alone need none.
TEST_F(ServicesTest, TheSoundModuleLoadsWithTheFirstWavePlayed) {
    const auto soundModuleLoaded = [] { return ::dlopen(kSoundModule, RTLD_NOW | RTLD_NOLOAD) != nullptr; };
    const std::string wave = waveBytes(200);
    QFile file(QDir(dir_.path()).filePath("gerade.wav"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wave.data(), static_cast<qint64>(wave.size()));
    file.close();
    ASSERT_FALSE(soundModuleLoaded()) << "a test before this one in the same process played a wave";

    QtWavePlayer player;
    player.command("Close");
    player.setFileName(programFolder() + "\\GERADE.wav");
    player.setDeviceType("WaveAudio");
    player.command("Open");
    EXPECT_FALSE(soundModuleLoaded());
    player.command("Play");
    EXPECT_TRUE(soundModuleLoaded());
}

TEST_F(ServicesTest, TheScreenCursorShowsTheHourglassUntilTheOutermostWaitEnds) {
    QWidget window;
    window.show();
    QtScreenCursor cursor;
    cursor.setWait();
    cursor.setWait();
    cursor.setDefault();
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    cursor.setDefault();
    cursor.setDefault();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// The start-up waits before its window is shown; the hourglass would show nowhere.
TEST_F(ServicesTest, AWaitWithNoWindowOnTheScreenShowsNoHourglass) {
    QtScreenCursor cursor;
    cursor.setWait();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    QWidget window;
    window.show();  // shown during the wait, as the start-up shows its window
    cursor.setDefault();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    cursor.setWait();  // the next wait, over the window
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    cursor.setDefault();
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(ServicesTest, TheHelpViewerShowsAFileFromItsBeginningOrSaysWhyNot) {
    QtHelpViewer viewer;
    const QString file = QDir(dir_.path()).filePath("hilfe/pendix.hlp");
    viewer.show(file, CommonDialog::kHelpContents, {});
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("wurde nicht gefunden")) << viewer.browser()->toPlainText().toStdString();

    QFile help(file);
    ASSERT_TRUE(help.open(QIODevice::WriteOnly));
    help.write("<html><head><meta charset=\"utf-8\"></head><body><h1>Hilfe zu Pendix</h1><p>Straße</p></body></html>");
    help.close();
    viewer.show(file, CommonDialog::kHelpContents, {});
    EXPECT_TRUE(viewer.browser()->toPlainText().startsWith("Hilfe zu Pendix"));
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("Straße"));
    EXPECT_TRUE(viewer.window()->isVisible());

    // A pipe in its place is not opened: the browser would wait for a writer for ever.
    ASSERT_TRUE(QFile::remove(file));
    ASSERT_EQ(::mkfifo(QFile::encodeName(file).constData(), 0600), 0);
    viewer.show(file, CommonDialog::kHelpContents, {});
    EXPECT_TRUE(viewer.browser()->toPlainText().contains("ist eine Pipe, keine gewöhnliche Datei"))
        << viewer.browser()->toPlainText().toStdString();
}

TEST_F(ServicesTest, TheQtModalLoopReturnsOnceTheFormIsHidden) {
    auto& form = instance<frmKlang>();
    form.load();
    QtModalLoop loop;
    // The "user" closes the window from inside the loop.
    QMetaObject::invokeMethod(qApp, [&form] { form.hide(); }, Qt::QueuedConnection);
    loop.runModal(form);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(form.isLoaded());
    EXPECT_EQ(form.window()->windowModality(), Qt::NonModal);
}
