// The real message box as it comes onto the screen: a window frame has room for
// its whole title beside the frame's icon and buttons, whatever the text.
#include "platform/services/qt_services.h"
#include "platform/services/services.h"
#include "tests/support/printers.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

namespace {

using platform::MsgBoxStyle;

struct Seen {
    QString title;
    int width = 0;
    int result = 0;
};

// Shows the real box; from inside its own loop the user reads its title and
// width and presses Enter, its default button.
Seen showBox(const QString& text, int style, const QString& title) {
    Seen seen;
    QMetaObject::invokeMethod(
        qApp,
        [&seen] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) {
                ADD_FAILURE() << "no box on the screen";
                return;
            }
            seen.title = box->windowTitle();
            seen.width = box->width();
            QTest::keyClick(box, Qt::Key_Return);
        },
        Qt::QueuedConnection);
    seen.result = platform::QtMessageBox().show(text, style, title);
    return seen;
}

// A usual desktop title font: the bold of the application's family at 11 points.
int titleWidth(const QString& title) {
    QFont font = QApplication::font();
    font.setBold(true);
    font.setPointSizeF(11);
    return QFontMetrics(font).horizontalAdvance(title);
}

TEST(MessageBox, TheFrameHasRoomForTheWholeTitleAndItsButtons) {
    struct Case {
        QString text;
        int style;
        QString title;
        int result;
    };
    const std::vector<Case> cases{
        {"Pendix!\r\rSie haben verloren!", MsgBoxStyle::OkOnly, "Versuchen sie's doch noch 'mal!",
         platform::MsgBoxResult::Ok},
        {"Der Datei - Name ist zu lang.", MsgBoxStyle::Exclamation, "Sorry!", platform::MsgBoxResult::Ok},
        {"Speichern?", MsgBoxStyle::YesNoCancel | MsgBoxStyle::Question,
         "Das Level wurde verändert, aber noch nicht gespeichert", platform::MsgBoxResult::Yes},
    };
    constexpr int kFramePieces = 4 * 24;  // the frame's icon and its three buttons
    for (const Case& c : cases) {
        SCOPED_TRACE(c.title.toStdString());
        const Seen seen = showBox(c.text, c.style, c.title);
        EXPECT_EQ(seen.title, c.title);
        EXPECT_GE(seen.width, titleWidth(c.title) + kFramePieces);
        EXPECT_EQ(seen.result, c.result) << "Enter gives the default button";
    }
}

}  // namespace
