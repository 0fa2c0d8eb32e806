#include "count_window_fixture.h"

#include "platform/application.h"

#include <QWidget>

namespace editor_test {

pendix::editor::frmVOz& CountWindowTest::count() { return platform::instance<pendix::editor::frmVOz>(); }

void CountWindowTest::openCount() { editor.mnuVerwendeteObjektezählen.click(); }

void CountWindowTest::closeCount() {
    ASSERT_NE(count().window(), nullptr);
    count().window()->close();
}

void CountWindowTest::expectCounts(const std::map<int, int>& perCode) {
    std::map<pendix::Family, int> perFamily;
    int all = 0;
    for (int code : pendix::allTileCodes()) {
        const auto it = perCode.find(code);
        const int expected = it == perCode.end() ? 0 : it->second;
        EXPECT_EQ(count().txt(code).text(), QString::number(expected)) << "txt(" << code << ")";
        perFamily[pendix::familyOf(code)] += expected;
        all += expected;
    }
    for (pendix::Family family : pendix::allFamilies()) {
        EXPECT_EQ(count().familyTotal(family).text(), QString::number(perFamily[family]))
            << pendix::familyCaption(family);
    }
    EXPECT_EQ(count().txtIA.text(), QString::number(all)) << "txtIA";
}

std::vector<QString> CountWindowTest::allBoxTexts() {
    std::vector<QString> texts;
    for (int code : count().txt.indices()) texts.push_back(count().txt(code).text());
    for (pendix::Family family : pendix::allFamilies()) texts.push_back(count().familyTotal(family).text());
    texts.push_back(count().txtIA.text());
    return texts;
}

}  // namespace editor_test
