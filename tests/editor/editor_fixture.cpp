#include "editor_fixture.h"

#include "platform/application.h"
#include "platform/main_form.h"

#include <QTabBar>
#include <QTest>
#include <QWidget>

namespace editor_test {

EditorTest::EditorTest() : editor(platform::instance<pendix::editor::frmHaupt>()) {
    platform::setMainForm<pendix::editor::frmHaupt>();
    editor.show();
}

EditorTest::~EditorTest() { platform::dropInstances(); }

void EditorTest::bringTab(int tab) {
    auto* bar = editor.SSTab.widget()->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
    ASSERT_EQ(editor.SSTab.tab(), tab);
}

void EditorTest::click(platform::Control& control) {
    ASSERT_NE(control.widget(), nullptr);
    QTest::mouseClick(control.widget(), Qt::LeftButton);
}

void EditorTest::rightClick(platform::Control& control) {
    ASSERT_NE(control.widget(), nullptr);
    QTest::mouseClick(control.widget(), Qt::RightButton);
}

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
