// The test kit's keys and mouse buttons reach the controls as the user's do.
#include "tests/support/user_input.h"

#include "platform/application.h"
#include "platform/controls/command_button.h"
#include "platform/controls/graphical_button.h"
#include "platform/controls/label.h"
#include "platform/controls/menu_item.h"
#include "platform/controls/text_box.h"
#include "platform/form.h"
#include "tests/support/printers.h"
#include "tests/support/test_services.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace platform;

namespace {

class frmEingabe : public Form {
public:
    frmEingabe() {
        for (Control* control : std::vector<Control*>{&lblName, &cmdFeld}) {
            const std::string name = control == &lblName ? "lbl" : "cmd";
            control->onMouseDown = [this, name](int button, int, double, double) {
                events.push_back(name + " down " + std::to_string(button));
            };
            control->onMouseUp = [this, name](int button, int, double, double) {
                events.push_back(name + " up " + std::to_string(button));
            };
            control->onClick = [this, name] { events.push_back(name + " click"); };
            control->onDblClick = [this, name] { events.push_back(name + " dbl"); };
        }
        cmdOk.onClick = [this] { events.push_back("OK"); };
        mnuNeu.onClick = [this] { events.push_back("Neu"); };
    }

    Label lblName;
    GraphicalButton cmdFeld;
    TextBox txtName;
    CommandButton cmdOk;
    MenuItem mnuLevel, mnuNeu;
    std::vector<std::string> events;

protected:
    void design() override {
        setCaption("Eingabe");
        setClientSize(4500, 3000);
        place(lblName, {120, 120, 2000, 255});
        lblName.setCaption("Level: Blanko");
        place(cmdFeld, {120, 600, 615, 615});
        place(txtName, {120, 1500, 2000, 285});
        place(cmdOk, {120, 2200, 1000, 375});
        cmdOk.setCaption("OK");
        cmdOk.setDefault(true);
        addMenu(mnuLevel);
        mnuLevel.setCaption("Level");
        mnuLevel.addItem(mnuNeu);
        mnuNeu.setCaption("Neu");
        mnuNeu.setShortcut("F1");
    }
};

class UserInputTest : public testing::Test {
protected:
    UserInputTest() { form.show(); }
    ~UserInputTest() override { dropInstances(); }
    test_support::ScopedTestServices fakes;
    frmEingabe& form = instance<frmEingabe>();
};

}  // namespace

TEST_F(UserInputTest, LeftAndRightClicksPressAndReleaseTheButton) {
    test_support::leftClick(form.lblName);
    test_support::rightClick(form.lblName);
    test_support::leftClick(form.cmdFeld);
    test_support::rightClick(form.cmdFeld);
    EXPECT_EQ(form.events, (std::vector<std::string>{"lbl down 1", "lbl up 1", "lbl click", "lbl down 2", "lbl up 2",
                                                     "cmd down 1", "cmd up 1", "cmd click", "cmd down 2", "cmd up 2"}));
}

TEST_F(UserInputTest, ADoubleClickFollowsTheFirstClick) {
    test_support::doubleClick(form.lblName);
    ASSERT_GE(form.events.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(form.events.begin(), form.events.begin() + 3),
              (std::vector<std::string>{"lbl down 1", "lbl up 1", "lbl click"}));
    EXPECT_EQ(std::count(form.events.begin(), form.events.end(), "lbl dbl"), 1);
}

TEST_F(UserInputTest, KeysCarryTheirTextAndEnterReachesTheDefaultButton) {
    form.events.clear();
    test_support::typeInto(form.txtName, 'a');
    test_support::typeInto(form.txtName, '4');
    EXPECT_EQ(form.txtName.text(), "a4");
    test_support::pressKey(form.txtName, Qt::Key_Return);
    test_support::pressKey(form, Qt::Key_F1);
    EXPECT_EQ(form.events, (std::vector<std::string>{"OK", "Neu"}));
}
