// The help launcher's window as it opens: its design, its tab order, the
// heading with its picture and caption, and what lies above what.
#include "help/pictures/window_pictures.h"
#include "tests/help/hilfe_fixture.h"

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMainWindow>
#include <QWidget>
#include <QtTest/QTest>

namespace hilfe_test {
namespace {

using WindowTest = HilfeTest;
using Cursor = test_support::RecordingScreenCursor::Call;

TEST_F(WindowTest, OpensAsDesigned) {
    showActive();
    auto& w = window();
    EXPECT_EQ(w.caption(), "Hilfe");
    EXPECT_EQ(w.window()->windowTitle(), "Hilfe");
    EXPECT_EQ(w.clientWidth(), 8070);
    EXPECT_EQ(w.clientHeight(), 5685);
    EXPECT_EQ(w.clientArea()->size(), QSize(538, 379));
    EXPECT_TRUE(w.fixedBorder());
    EXPECT_TRUE(w.centered());
    EXPECT_EQ(static_cast<QMainWindow*>(w.window())->menuWidget(), nullptr) << "no menu bar";
    EXPECT_EQ(w.icon().sourcePath(), "frmHaupt.Icon");
    EXPECT_TRUE(w.icon().isDrawn());
    EXPECT_FALSE(w.window()->windowIcon().isNull());

    const struct {
        platform::PictureBox* box;
        platform::Rect rect;
        const char* picture;
    } corners[] = {
        {&w.Picture1, {0, 0, 1230, 1230}, "frmHaupt.Picture1"},
        {&w.Picture2, {6840, 0, 1230, 1230}, "frmHaupt.Picture2"},
        {&w.Picture3, {0, 4440, 1230, 1230}, "frmHaupt.Picture3"},
        {&w.Picture4, {6840, 4440, 1230, 1230}, "frmHaupt.Picture4"},
    };
    for (const auto& corner : corners) {
        SCOPED_TRACE(corner.picture);
        EXPECT_EQ(corner.box->rect(), corner.rect);
        EXPECT_EQ(corner.box->picture().sourcePath(), corner.picture);
        EXPECT_EQ(corner.box->picture().pixmap().size(), QSize(82, 82));
        EXPECT_TRUE(corner.box->widget()->isVisible());
    }

    EXPECT_EQ(w.Liste.rect(), (platform::Rect{1800, 1920, 4575, 1860}));
    EXPECT_EQ(w.Liste.font().name, "MS Sans Serif");
    EXPECT_EQ(w.Liste.font().size, 13.5);
    ASSERT_EQ(w.Liste.listCount(), 5);
    const char* const entries[] = {"Hilfe zu Pendix", "Hilfe zu den verwendeten Objekten", "Hilfe zum Editor zu Pendix",
                                   "Menüsystem des Editors zu Pendix", "Menüsystem von Pendix"};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(w.Liste.list(i), QString::fromUtf8(entries[i]));
        EXPECT_EQ(list()->item(i)->text(), QString::fromUtf8(entries[i]));
    }
    EXPECT_EQ(list()->selectionMode(), QAbstractItemView::SingleSelection);

    EXPECT_EQ(w.Command.rect(), (platform::Rect{-120, 0, 8295, 1335}));
    EXPECT_EQ(w.Command.widget()->geometry(), QRect(-8, 0, 553, 89)) << "both ends outside the client area";
    EXPECT_EQ(w.Command.caption(), "Wählen sie ein Hilfethema aus der Liste:");
    EXPECT_EQ(w.Command.font().name, "Arial");
    EXPECT_EQ(w.Command.font().size, 14.25);
    EXPECT_EQ(w.Command.picture().sourcePath(), "frmHaupt.Command");
    EXPECT_EQ(w.Command.picture().pixmap().size(), QSize(222, 30));
}

TEST_F(WindowTest, TheListHasTheFocusAndTabGoesOnToTheHeading) {
    showActive();
    EXPECT_EQ(window().window()->focusWidget(), window().Liste.widget());
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(window().window()->focusWidget(), window().Command.widget());
    pressKey(Qt::Key_Tab);
    EXPECT_EQ(window().window()->focusWidget(), window().Liste.widget()) << "the pictures take no focus";
}

TEST_F(WindowTest, TheHeadingDoesNothingWhenPressed) {
    showActive();
    QTest::mouseClick(window().Command.widget(), Qt::LeftButton, {}, QPoint(276, 44));
    window().Command.setFocus();
    pressKey(Qt::Key_Return);
    pressKey(Qt::Key_Space);
    EXPECT_TRUE(fakes.help.shown.empty());
    EXPECT_TRUE(fakes.cursor.calls.empty());
    EXPECT_EQ(window().Liste.listIndex(), -1);
}

TEST_F(WindowTest, TheUpperCornerPicturesLieAboveTheHeading) {
    showActive();
    QWidget* surface = window().clientArea();
    EXPECT_EQ(surface->childAt(40, 40), window().Picture1.widget());
    EXPECT_EQ(surface->childAt(497, 40), window().Picture2.widget());
    EXPECT_EQ(surface->childAt(269, 40), window().Command.widget());
    EXPECT_EQ(surface->childAt(40, 85), window().Command.widget()) << "below the picture, the heading";
    EXPECT_EQ(surface->childAt(40, 338), window().Picture3.widget());
    EXPECT_EQ(surface->childAt(497, 338), window().Picture4.widget());
}

// What the user sees of the heading: its picture whole, centred, and the
// caption below it, clear of the corner pictures.
TEST_F(WindowTest, TheHeadingShowsItsPictureAboveItsCaption) {
    showActive();
    QWidget* heading = window().Command.widget();
    const QImage face = heading->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage picture = window().Command.picture().pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), QSize(553, 89));
    const QColor back = face.pixelColor(2, 2);

    // Where the picture stands: the first row and column that differ from the face.
    int top = -1, left = -1;
    for (int y = 0; y < face.height() && top < 0; ++y)
        for (int x = 0; x < face.width(); ++x)
            if (face.pixelColor(x, y) != back) {
                top = y;
                left = x;
                break;
            }
    ASSERT_GE(top, 0);
    EXPECT_EQ(left, (553 - 222) / 2);
    EXPECT_EQ(face.copy(left, top, 222, 30), picture);

    // The caption: dark pixels, all below the picture, within the middle part
    // that the corner pictures leave free (82 pixels on each side of the client area).
    int captionTop = face.height(), captionBottom = -1, captionLeft = face.width(), captionRight = -1;
    for (int y = top + 30; y < face.height(); ++y)
        for (int x = 0; x < face.width(); ++x)
            if (qGray(face.pixel(x, y)) < 100) {
                captionTop = std::min(captionTop, y);
                captionBottom = std::max(captionBottom, y);
                captionLeft = std::min(captionLeft, x);
                captionRight = std::max(captionRight, x);
            }
    ASSERT_GE(captionBottom, 0) << "a caption is drawn";
    EXPECT_GE(captionTop, top + 30);
    EXPECT_LT(captionBottom, 82) << "not hidden below the corner pictures' lower edge";
    const int clientLeft = captionLeft - 8, clientRight = captionRight - 8;  // the heading starts 8 pixels left of it
    EXPECT_GT(clientLeft, 82);
    EXPECT_LT(clientRight, 538 - 82);
}

TEST_F(WindowTest, EveryLoadShowsTheDesignAgain) {
    showActive();
    clickEntry(3);
    window().window()->close();
    ASSERT_FALSE(window().isLoaded());
    fakes.help.shown.clear();
    showActive();
    EXPECT_EQ(window().Liste.listIndex(), -1);
    EXPECT_EQ(window().Liste.listCount(), 5);
    EXPECT_EQ(window().Picture1.picture().sourcePath(), "frmHaupt.Picture1");
    EXPECT_TRUE(fakes.help.shown.empty());
}

}  // namespace
}  // namespace hilfe_test
