// The help launcher with one thing of its program folder broken at a time. Its
// window's pictures are drawn in code, so only two kinds of file can break: the
// first-start probe, whose loss brings up the first-start box (and nothing else),
// and the help files, each of which the real viewer opens as the user clicks its
// topic, saying so when one is not there or empty. Nothing crashes, and the
// program ends only when the user closes its window. Each case copies the program
// folder that the installer's own code filled once.
#include "help/frm_haupt.h"
#include "help/help_topics.h"
#include "platform/application.h"
#include "platform/main_form.h"
#include "shared/first_start/frm_beginn.h"
#include "tests/support/damaged_file.h"
#include "tests/support/installed_folder.h"
#include "tests/support/printers.h"
#include "tests/support/program_folder.h"
#include "tests/support/real_viewers.h"

#include <QApplication>
#include <QListWidget>
#include <QtTest/QTest>

#include <gtest/gtest.h>

namespace {

using test_support::Damage;
using test_support::DamagedFile;

struct Case {
    DamagedFile damaged;
    bool firstStart;  // the probe is lost: only the first-start box shows
};

void PrintTo(const Case& c, std::ostream* out) { test_support::PrintTo(c.damaged, out); }

class HilfeDamagedDataTest : public ::testing::TestWithParam<Case> {
protected:
    HilfeDamagedDataTest() { test_support::InstalledFolder::copyInto(copy_); }
    ~HilfeDamagedDataTest() override { platform::dropInstances(); }

    pendix::hilfe::frmHaupt& window() { return platform::instance<pendix::hilfe::frmHaupt>(); }

    void clickTopic(int row) {
        auto* list = static_cast<QListWidget*>(window().Liste.widget());
        ASSERT_NE(list->item(row), nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    test_support::ServicesWithRealViewers fakes;

private:
    test_support::ProgramFolder copy_{test_support::ProgramFolder::Contents::Nothing};
};

TEST_P(HilfeDamagedDataTest, ShowsEveryTopicOrOnlyTheFirstStartBox) {
    const Case& c = GetParam();
    ASSERT_TRUE(test_support::damage(c.damaged.file, c.damaged.damage)) << "the installer writes no " << c.damaged.file;
    platform::setMainForm<pendix::hilfe::frmHaupt>();
    window().show();

    if (c.firstStart) {
        ASSERT_EQ(fakes.modal.shownModal.size(), 1u);
        EXPECT_EQ(fakes.modal.shownModal[0], &platform::instance<pendix::frmBeginn>());
        EXPECT_FALSE(window().isLoaded());
        EXPECT_TRUE(test_support::shownHelpText().isEmpty());
        return;
    }
    ASSERT_TRUE(window().isVisible());
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    QApplication::setActiveWindow(window().window());
    for (int row = 0; row < static_cast<int>(pendix::hilfe::kHelpTopics.size()); ++row) {
        SCOPED_TRACE(row);
        clickTopic(row);
        EXPECT_EQ(window().Liste.listIndex(), row);
        EXPECT_FALSE(fakes.cursor.waiting());
        test_support::expectShownHelp(c.damaged, pendix::hilfe::kHelpTopics[static_cast<std::size_t>(row)].file);
    }
    EXPECT_TRUE(fakes.messages.shown.empty());
    EXPECT_EQ(fakes.ender.ends, 0);
    window().window()->close();
    EXPECT_EQ(fakes.ender.ends, 1);
}

const Case kCases[] = {
    {{"\\bmp\\Autedlou.bmp", Damage::Missing}, true},
    {{"\\bmp\\Autedlou.bmp", Damage::Empty}, true},
    {{"\\bmp\\Autedlou.bmp", Damage::Garbage}, true},
    {{"\\bmp\\Autedlou.bmp", Damage::FolderInstead}, true},
    {{"\\bmp", Damage::Missing}, true},
    {{"\\bmp", Damage::FileInstead}, true},
    // Cut off halfway, the probe still gives its first rows: the help launcher starts.
    {{"\\bmp\\Autedlou.bmp", Damage::CutShort}, false},
    {{"\\hilfe\\pendix.hlp", Damage::Missing}, false},
    {{"\\hilfe\\objekte.hlp", Damage::Garbage}, false},
    {{"\\hilfe\\editor.hlp", Damage::Empty}, false},
    {{"\\hilfe\\menueser.hlp", Damage::CutShort}, false},
    {{"\\hilfe\\menuesch.hlp", Damage::FolderInstead}, false},
    {{"\\hilfe", Damage::Missing}, false},
    {{"\\hilfe", Damage::FileInstead}, false},
};

INSTANTIATE_TEST_SUITE_P(OneThingAtATime, HilfeDamagedDataTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return test_support::caseName(info.param.damaged); });

}  // namespace
