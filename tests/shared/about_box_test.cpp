// The about box: the circling cars, the version line, the links and the keys.
#include "game/frm_haupt.h"
#include "platform/application.h"
#include "shared/about_box/frm_info.h"
#include "tests/shared/shared_dialog_fixture.h"

#include <QApplication>
#include <QWidget>

namespace shared_test {
namespace {

using pendix::frmInfo;

class AboutBoxTest : public SharedDialogTest {
protected:
    frmInfo& open(const pendix::ProductTitle& title = pendix::gameProductTitle()) {
        pendix::showAboutBox(title);
        return platform::instance<frmInfo>();
    }
    void tick(frmInfo& info, int times) {
        for (int i = 0; i < times; ++i) ASSERT_TRUE(info.Timer.fire());
    }
    // Every box shows its own car exactly where a car stands, and nothing elsewhere.
    void expectCarsAtOffset(const frmInfo& info, int offset) {
        for (int cell = 0; cell < pendix::kTrackCells; ++cell) {
            const platform::Picture& shown = info.Picture[cell].picture();
            if (cell % pendix::kCarSpacing == offset) {
                EXPECT_FALSE(shown.isEmpty()) << "cell " << cell;
                EXPECT_EQ(shown.sourcePath().toStdString(), pendix::trackCarBitmap(cell)) << "cell " << cell;
            } else {
                EXPECT_TRUE(shown.isEmpty()) << "cell " << cell;
                EXPECT_TRUE(shown.sourcePath().isEmpty()) << "cell " << cell;
            }
        }
    }
};

TEST_F(AboutBoxTest, OpensWithTheCarsOnEverySeventhCellAndTheVersion) {
    frmInfo& info = open();
    ASSERT_TRUE(info.isVisible());
    EXPECT_EQ(info.caption(), "Info");
    EXPECT_TRUE(info.fixedBorder());
    EXPECT_TRUE(info.centered());
    EXPECT_EQ(info.clientWidth(), 6135);
    EXPECT_EQ(info.clientHeight(), 8655);
    expectCarsAtOffset(info, 0);
    const struct {
        int cell;
        const char* car;
    } starts[] = {{0, "\\bmp\\AutoDLUO.bmp"},  {7, "\\bmp\\AutoUO.bmp"},    {14, "\\bmp\\AutoDRUO.bmp"},
                  {21, "\\bmp\\AutoRL.bmp"},   {28, "\\bmp\\AutoDROU.bmp"}, {35, "\\bmp\\AutoOU.bmp"},
                  {42, "\\bmp\\AutoDLOU.bmp"}, {49, "\\bmp\\AutoLR.bmp"}};
    for (const auto& start : starts) EXPECT_EQ(info.Picture[start.cell].picture().sourcePath(), start.car);
    EXPECT_EQ(info.AnimStep, 1);
    EXPECT_EQ(info.lbl(0).caption(), "Version 1.2");
    EXPECT_EQ(info.Timer.interval(), 100);
    EXPECT_TRUE(info.Timer.enabled());
}

TEST_F(AboutBoxTest, OneTickMovesEveryCarOnAndShowsTheFirstIconFrame) {
    frmInfo& info = open();
    tick(info, 1);
    expectCarsAtOffset(info, 1);
    for (int cell : {1, 8}) EXPECT_EQ(info.Picture[cell].picture().sourcePath(), "\\bmp\\AutoUO.bmp");
    for (int cell : {15, 22}) EXPECT_EQ(info.Picture[cell].picture().sourcePath(), "\\bmp\\AutoRL.bmp");
    for (int cell : {29, 36}) EXPECT_EQ(info.Picture[cell].picture().sourcePath(), "\\bmp\\AutoOU.bmp");
    for (int cell : {43, 50}) EXPECT_EQ(info.Picture[cell].picture().sourcePath(), "\\bmp\\AutoLR.bmp");
    EXPECT_EQ(info.AnimStep, 2);
    EXPECT_EQ(info.icon().sourcePath(), "\\ico\\auto01.ico");
}

TEST_F(AboutBoxTest, EightCarsStaySevenCellsApartAndSevenTicksCloseTheCycle) {
    frmInfo& info = open();
    for (int ticks = 0; ticks <= 14; ++ticks) {
        SCOPED_TRACE(ticks);
        expectCarsAtOffset(info, ticks % pendix::kCarSpacing);
        EXPECT_EQ(info.AnimStep, ticks % pendix::kCarSpacing + 1);
        tick(info, 1);
    }
}

TEST_F(AboutBoxTest, AMissingCarBitmapLeavesItsCellsEmptyAndTheCarsDriveOn) {
    folder.remove("\\bmp\\AutoUO.bmp");
    frmInfo& info = open();
    tick(info, 1);
    EXPECT_TRUE(info.Picture[1].picture().isEmpty());
    EXPECT_FALSE(info.Picture[15].picture().isEmpty());
    tick(info, 1);
    EXPECT_EQ(info.AnimStep, 3);
}

TEST_F(AboutBoxTest, ReopeningStartsTheCarsAgainWithOneVersionNumber) {
    frmInfo& info = open();
    tick(info, 3);
    info.cmdOk.click();
    ASSERT_FALSE(info.isLoaded());
    open();
    expectCarsAtOffset(info, 0);
    EXPECT_EQ(info.AnimStep, 1);
    EXPECT_EQ(info.lbl(0).caption(), "Version 1.2");
    tick(info, 1);
    EXPECT_EQ(info.icon().sourcePath(), "\\ico\\auto04.ico");  // the icon goes on where it stopped
}

TEST_F(AboutBoxTest, InfoTwiceWhileOpenBringsTheSameWindowWithoutLoadingAgain) {
    auto& game = platform::instance<pendix::game::frmHaupt>();
    game.show();
    game.mnuInfo.click();
    frmInfo& info = platform::instance<frmInfo>();
    tick(info, 2);
    game.mnuInfo.click();
    EXPECT_EQ(info.lbl(0).caption(), "Version 1.2");
    expectCarsAtOffset(info, 2);
    int infoWindows = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->windowTitle() == "Info") ++infoWindows;
    EXPECT_EQ(infoWindows, 1);
    EXPECT_EQ(info.Label1.caption(), "Pendix");
    EXPECT_FALSE(fakes.cursor.waiting());
    EXPECT_TRUE(game.lbllvlneu.caption().endsWith(info.lbl(2).caption()));  // one contact address
}

TEST_F(AboutBoxTest, TheLinksOpenTheWebPageAndTheMailWithTheProductTitle) {
    frmInfo& info = open();
    EXPECT_EQ(info.lbl(1).caption(), "www.example.org/pendix");
    EXPECT_EQ(info.lbl(2).caption(), "pendix@example.org");
    info.lbl(1).click();
    info.lbl(2).click();
    ASSERT_EQ(fakes.links.opened.size(), 2u);
    EXPECT_EQ(fakes.links.opened[0], "http://www.example.org/pendix");
    EXPECT_EQ(fakes.links.opened[1], "mailto:pendix@example.org?Subject=Pendix v1.2");
    for (int index : {1, 2}) EXPECT_EQ(info.lbl(index).mousePointer().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBoxTest, TheEditorsTitleStandsInTheMailAndCentredOnTheWindow) {
    frmInfo& info = open(pendix::editorProductTitle());
    EXPECT_EQ(info.Label1.caption(), "Editor zu Pendix");
    info.lbl(2).click();
    ASSERT_EQ(fakes.links.opened.size(), 1u);
    EXPECT_EQ(fakes.links.opened[0], "mailto:pendix@example.org?Subject=Editor zu Pendix v1.2");
    // Widened where the installed font needs it, about the window's centre line.
    EXPECT_GE(info.Label1.width(), 3975);
    EXPECT_EQ(2 * info.Label1.left() + info.Label1.width(), 6135);
}

TEST_F(AboutBoxTest, TheGameTitleIsCentredAndAtLeastItsDesignWidth) {
    frmInfo& info = open();
    EXPECT_GE(info.Label1.width(), 1575);
    EXPECT_LE(info.Label1.left(), 2280);
    EXPECT_EQ(2 * info.Label1.left() + info.Label1.width(), 6135);
}

TEST_F(AboutBoxTest, ALinkShowsDarkRedWhileHeldAndBlueAgainOnRelease) {
    frmInfo& info = open();
    QWidget* link = info.lbl(1).widget();
    mousePress(link, Qt::LeftButton);
    EXPECT_EQ(info.lbl(1).foreColor(), QColor(128, 0, 0));
    EXPECT_TRUE(fakes.links.opened.empty());
    mouseRelease(link, Qt::LeftButton);
    EXPECT_EQ(info.lbl(1).foreColor(), QColor(0, 0, 255));
    ASSERT_EQ(fakes.links.opened.size(), 1u);  // the click after the release opens it
    EXPECT_EQ(fakes.links.opened[0], "http://www.example.org/pendix");
}

TEST_F(AboutBoxTest, OtherLabelsOpenNothingAndKeepTheirColours) {
    frmInfo& info = open();
    for (int index : {0, 3, 4, 5, 6, 7, 25, 26}) {
        SCOPED_TRACE(index);
        const QColor before = info.lbl(index).foreColor();
        mousePress(info.lbl(index).widget(), Qt::LeftButton);
        EXPECT_EQ(info.lbl(index).foreColor(), before);
        mouseRelease(info.lbl(index).widget(), Qt::LeftButton);
        EXPECT_EQ(info.lbl(index).foreColor(), before);
    }
    for (platform::Label* label : {&info.Label1, &info.lblCopyright, &info.lblAutor}) {
        mousePress(label->widget(), Qt::LeftButton);
        mouseRelease(label->widget(), Qt::LeftButton);
    }
    EXPECT_TRUE(fakes.links.opened.empty());
    EXPECT_EQ(info.lbl(1).foreColor(), QColor(0, 0, 255));
    EXPECT_EQ(info.lbl(2).foreColor(), QColor(0, 0, 255));
}

TEST_F(AboutBoxTest, EnterClosesTheBoxAndEscapeDoesNot) {
    frmInfo& info = open();
    pressKey(info.window(), Qt::Key_Escape);
    EXPECT_TRUE(info.isLoaded());
    pressKey(info.window(), Qt::Key_Return);
    EXPECT_FALSE(info.isLoaded());
}

}  // namespace
}  // namespace shared_test
