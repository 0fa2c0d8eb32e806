#include "editor_fixture.h"

#include "platform/application.h"
#include "platform/main_form.h"
#include "tests/support/user_input.h"

namespace editor_test {

EditorTest::EditorTest() : editor(platform::instance<pendix::editor::frmHaupt>()) {
    platform::setMainForm<pendix::editor::frmHaupt>();
    editor.show();
}

EditorTest::~EditorTest() { platform::dropInstances(); }

void EditorTest::bringTab(int tab) {
    test_support::clickTab(editor.SSTab, tab);
    ASSERT_EQ(editor.SSTab.tab(), tab);
}

void EditorTest::click(platform::Control& control) { test_support::leftClick(control); }

void EditorTest::rightClick(platform::Control& control) { test_support::rightClick(control); }

std::vector<int> EditorTest::checkedObjectItems() {
    std::vector<int> codes;
    for (pendix::Family family : pendix::allFamilies()) {
        const int first = pendix::familyFirstCode(family);
        for (int k = 0; k < pendix::familyVariantCount(family); ++k) {
            if (editor.objectItems(family)(k).checked()) codes.push_back(first + k);
        }
    }
    return codes;
}

}  // namespace editor_test
