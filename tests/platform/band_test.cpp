// Bands: controls placed on a band stand where their rectangles on the form say,
// take the mouse as they would on the form itself, and leave the band's empty
// part to the form's surface.
#include "platform/controls/band.h"

#include "platform/application.h"
#include "platform/controls/control_array.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/picture_box.h"
#include "platform/form.h"
#include "tests/support/test_services.h"
#include "tests/support/user_input.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

class frmStreifen : public Form {
public:
    frmStreifen() {
        cmd.onClick = [this](int index) { clicks.push_back("cmd" + std::to_string(index)); };
    }

    Band bnd;
    ControlArray<GraphicalButton> cmd;
    PictureBox picMarke;
    std::vector<std::string> clicks;
    std::vector<int> mouseUps;

protected:
    void design() override {
        setClientSize(4500, 3000);
        place(bnd, {600, 900, 3000, 615});
        for (int i = 0; i < 2; ++i) bnd.place(cmd.add(i), {600 + 600 * i, 900, 615, 615});
        bnd.place(picMarke, {720, 1020, 375, 375});
        picMarke.setMouseTransparent(true);
    }
    void Form_MouseUp(int button, int, double, double) override { mouseUps.push_back(button); }
};

class BandTest : public testing::Test {
protected:
    void TearDown() override { dropInstances(); }
    test_support::ScopedTestServices fakes;
};

QRect pixels(const Rect& r) {
    return {twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width), twipsToPixels(r.height)};
}

}  // namespace

TEST_F(BandTest, ControlsOnABandStandWhereTheirRectanglesOnTheFormSay) {
    auto& form = instance<frmStreifen>();
    form.show();
    QWidget* surface = form.clientArea();
    for (const Control* control : {static_cast<const Control*>(&form.cmd(0)), static_cast<const Control*>(&form.cmd(1)),
                                   static_cast<const Control*>(&form.picMarke)}) {
        EXPECT_EQ(QRect(control->widget()->mapTo(surface, QPoint(0, 0)), control->widget()->size()),
                  pixels(control->rect()));
    }
    EXPECT_EQ(form.cmd(1).rect(), (Rect{1200, 900, 615, 615}));
    form.cmd(1).setLeft(2400);  // moved, it stays on the band
    EXPECT_EQ(form.cmd(1).widget()->mapTo(surface, QPoint(0, 0)).x(), twipsToPixels(2400));
}

TEST_F(BandTest, TheMouseReachesTheControlsOnABandAndElsewhereTheSurface) {
    auto& form = instance<frmStreifen>();
    form.show();
    test_support::clickWhereShown(form.cmd(1), Qt::LeftButton);
    test_support::clickWhereShown(form.cmd(0), Qt::LeftButton);  // through the mark above it
    EXPECT_EQ(form.clicks, (std::vector<std::string>{"cmd1", "cmd0"}));
    QWidget* band = form.bnd.widget();
    test_support::mouseRelease(band, Qt::RightButton, {band->width() - 5, 5});  // no control there
    EXPECT_EQ(form.mouseUps, (std::vector<int>{kRightButton}));
}
