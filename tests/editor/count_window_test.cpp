// The count window as it opens: its controls as designed, the pictures of all
// 173 tiles, the focus, the timer, and boxes that only show.
#include "count_window_fixture.h"
#include "platform/paths.h"
#include "shared/tile_catalogue.h"
#include "tests/support/design_check.h"
#include "tests/support/program_folder.h"
#include "tests/support/user_input.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <array>
#include <set>
#include <utility>

namespace editor_test {
namespace {

using pendix::Family;
using platform::Rect;

TEST_F(CountWindowTest, WindowAndTabsStandAsDesigned) {
    openCount();
    ASSERT_TRUE(count().isVisible());
    EXPECT_EQ(count().caption(), "Verwendete Objekte zählen");
    EXPECT_EQ(count().clientWidth(), 13695);
    EXPECT_EQ(count().clientHeight(), 4815);
    EXPECT_TRUE(count().fixedBorder());
    EXPECT_TRUE(count().centered());
    EXPECT_EQ(count().window()->parentWidget(), nullptr);  // no owner: it may lie behind the editor

    EXPECT_EQ(count().SSTab1.rect(), (Rect{120, 120, 13455, 3975}));
    EXPECT_EQ(count().SSTab1.tabHeight(), 520);
    const char* const captions[] = {"Straßen", "Gesp. Straßen", "Bäume",       "Blumen",     "Häuser",
                                    "Sport",   "Tiere",         "Animationen", "Transporter"};
    ASSERT_EQ(count().SSTab1.tabCount(), 9);
    for (int tab = 0; tab < 9; ++tab) EXPECT_EQ(count().SSTab1.tabCaption(tab), QString::fromUtf8(captions[tab]));
    EXPECT_EQ(count().SSTab1.tab(), 0);
    // All nine tabs in one row.
    auto* bar = count().SSTab1.widget()->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    for (int tab = 1; tab < 9; ++tab) EXPECT_EQ(bar->tabRect(tab).top(), bar->tabRect(0).top());

    EXPECT_EQ(count().lblInsgesamteAnzahl.rect(), (Rect{120, 4200, 3255, 495}));
    EXPECT_EQ(count().lblInsgesamteAnzahl.caption(), "Insgesamte Anzahl:");
    EXPECT_EQ(count().lblInsgesamteAnzahl.font(), (platform::Font{"MS Sans Serif", 18}));
    EXPECT_EQ(count().txtIA.rect(), (Rect{3360, 4200, 735, 465}));
    EXPECT_EQ(count().txtIA.font(), (platform::Font{"MS Sans Serif", 18}));
    EXPECT_EQ(count().txtIA.toolTip(), "Hier erfahren sie die Anzahl der insgesamt verwendeten Objekte.");
    EXPECT_TRUE(count().txtIA.locked());
    EXPECT_EQ(count().cmdAktualisieren.rect(), (Rect{4440, 4200, 9135, 480}));
    EXPECT_EQ(count().cmdAktualisieren.caption(), "Aktualisieren");
    EXPECT_EQ(count().cmdAktualisieren.font(), (platform::Font{"Courier New", 24}));
    EXPECT_EQ(count().cmdAktualisieren.toolTip(), "Klicken sie hier, um die Angaben zu aktualisieren.");
    EXPECT_EQ(count().Timer.interval(), 100);
    EXPECT_TRUE(count().Timer.enabled());
}

TEST_F(CountWindowTest, EveryVariantHasItsButtonEqualsSignAndBoxOnItsFamilysTab) {
    openCount();
    const QString countTip = "Hier wird angezeigt, wie oft das Objekt verwendet wurde.";
    // The "=" signs by where they stand: on which tab's page, at which place. Which index stands where carries no
    // meaning.
    std::multiset<std::pair<QWidget*, std::array<int, 4>>> equalsSigns;
    const auto placeOf = [](const platform::Control& control) {
        return std::pair{control.widget()->parentWidget(),
                         std::array{control.left(), control.top(), control.width(), control.height()}};
    };
    ASSERT_EQ(count().lblGleich.count(), 173);
    EXPECT_EQ(count().lblGleich.indices().front(), 0);
    EXPECT_EQ(count().lblGleich.indices().back(), 172);
    for (int index : count().lblGleich.indices()) {
        const platform::Label& equals = count().lblGleich(index);
        EXPECT_EQ(equals.caption(), "=");
        EXPECT_EQ(equals.toolTip(), countTip);
        equalsSigns.insert(placeOf(equals));
    }

    const struct {
        Family family;
        int buttons;
    } families[] = {
        {Family::Street, 11}, {Family::Blocked, 33},   {Family::Tree, 14},
        {Family::Flower, 9},  {Family::House, 10},     {Family::Sport, 21},
        {Family::Animal, 21}, {Family::Animation, 21}, {Family::Transporter, 33},
    };
    for (const auto& row : families) {
        auto& buttons = count().objects(row.family);
        ASSERT_EQ(buttons.count(), row.buttons) << pendix::familyCaption(row.family);
        const int first = pendix::familyFirstCode(row.family);
        for (int k = 0; k < row.buttons; ++k) {
            const int code = first + k;
            SCOPED_TRACE(code);
            const int left = 240 + 1320 * (k % 10);
            const int top = 600 + 720 * (k / 10);
            EXPECT_EQ(buttons(k).rect(), (Rect{left, top, 615, 615}));
            EXPECT_EQ(buttons(k).backColor(), QColor(0, 128, 0));
            EXPECT_EQ(buttons(k).toolTip(), "Hier wird das Objekt angezeigt.");
            EXPECT_EQ(buttons(k).tag(), row.family == Family::Animation ? QString::number(code) : "0");
            EXPECT_TRUE(buttons(k).visible());
            EXPECT_EQ(count().txt(code).rect(), (Rect{left + 720, top + 240, 375, 285}));
            EXPECT_EQ(count().txt(code).text(), "0");
            EXPECT_TRUE(count().txt(code).locked());
            EXPECT_EQ(count().txt(code).toolTip(), countTip);
            // The box and one "=" sign stand on the button's own tab.
            QWidget* page = buttons(k).widget()->parentWidget();
            EXPECT_EQ(count().txt(code).widget()->parentWidget(), page);
            const auto sign = equalsSigns.find({page, {left + 600, top + 240, 135, 135}});
            ASSERT_NE(sign, equalsSigns.end());
            equalsSigns.erase(sign);
        }
    }
    EXPECT_TRUE(equalsSigns.empty());
}

TEST_F(CountWindowTest, EachTabHoldsExactlyItsFamily) {
    openCount();
    for (Family family : pendix::allFamilies()) {
        const int tab = static_cast<int>(family) - 1;
        test_support::clickTab(count().SSTab1, tab);
        ASSERT_EQ(count().SSTab1.tab(), tab);
        for (Family other : pendix::allFamilies()) {
            const int first = pendix::familyFirstCode(other);
            for (int k = 0; k < pendix::familyVariantCount(other); ++k) {
                EXPECT_EQ(count().objects(other)(k).widget()->isVisible(), other == family) << first + k;
                EXPECT_EQ(count().txt(first + k).widget()->isVisible(), other == family) << first + k;
            }
            EXPECT_EQ(count().familyTotal(other).widget()->isVisible(), other == family);
            EXPECT_EQ(count().familyLabel(other).widget()->isVisible(), other == family);
        }
        EXPECT_TRUE(count().txtIA.widget()->isVisible());
        EXPECT_TRUE(count().cmdAktualisieren.widget()->isVisible());
    }
}

TEST_F(CountWindowTest, FamilyRowsStandAsTabledWithTheirToolTips) {
    openCount();
    const struct {
        Family family;
        platform::Label& label;
        const char* caption;
        int labelLeft, labelWidth, totalLeft;
        const char* toolTip;
    } rows[] = {
        {Family::Street, count().lblAnzahlderverwendetenStraßen, "Anzahl der verwendeten Straßen:", 5280, 2415, 7680,
         "Hier erfahren sie die Anzahl der verwendeten Straßen."},
        {Family::Blocked, count().lblAnzahlderverwendetengesperrtenStraßen,
         "Anzahl der verwendeten gesperrten Straßen:", 4920, 3255, 8160,
         "Hier erfahren sie die Anzahl der verwendeten gesperrten Straßen."},
        {Family::Tree, count().lblAnzahlderverwendetenBäume, "Anzahl der verwendeten Bäume:", 5280, 2415, 7680,
         "Hier erfahren sie die Anzahl der verwendeten Bäume."},
        {Family::Flower, count().lblAnzahlderverwendetenBlumen, "Anzahl der verwendeten Blumen:", 5280, 2415, 7680,
         "Hier erfahren sie die Anzahl der verwendeten Blumen."},
        {Family::House, count().lblAnzahlderverwendetenHäuser, "Anzahl der verwendeten Häuser:", 5280, 2415, 7680,
         "Hier erfahren sie die Anzahl der verwendeten Häuser."},
        {Family::Sport, count().lblAnzahlderverwendetenSportObjekte, "Anzahl der verwendeten Sport - Objekte:", 5040,
         2895, 7920, "Hier erfahren sie die Anzahl der verwendeten Sport - Objekte."},
        {Family::Animal, count().lblAnzahlderverwendetenTiere, "Anzahl der verwendeten Tiere:", 5400, 2175, 7680,
         "Hier erfahren sie die Anzahl der verwendeten Tiere."},
        {Family::Animation, count().lblAnzahlderverwendetenAnimationen, "Anzahl der verwendeten Animationen:", 5160,
         2775, 7920, "Hier erfahren sie die Anzahl der verwendeten Animatioen."},
        {Family::Transporter, count().lblAnzahlderverwendetenTransporter, "Anzahl der verwendeten Transporter:", 5160,
         2655, 7920, "Hier erfahren sie die Anzahl der verwendeten Transporter."},
    };
    const platform::TextBox* totals[] = {&count().txtAdvSt, &count().txtAdvgS, &count().txtAdvBä,
                                         &count().txtAdvBl, &count().txtAdvH,  &count().txtAdvSp,
                                         &count().txtAdvTi, &count().txtAdvA,  &count().txtAdvTr};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const auto& row = rows[i];
        SCOPED_TRACE(row.caption);
        EXPECT_EQ(&count().familyLabel(row.family), &row.label);
        EXPECT_EQ(row.label.caption(), QString::fromUtf8(row.caption));
        // As tabled, but ending a pixel before the total box, and grown to the left where the caption needs it.
        const int right = std::min(row.labelLeft + row.labelWidth, row.totalLeft - 15);
        EXPECT_EQ(row.label.top(), 3600);
        EXPECT_EQ(row.label.height(), 255);
        EXPECT_EQ(row.label.left() + row.label.width(), right);
        EXPECT_LE(row.label.left(), row.labelLeft);
        EXPECT_EQ(row.label.alignment(), platform::Alignment::Right);
        const QFontMetrics metrics(row.label.widget()->font());
        EXPECT_LE(metrics.horizontalAdvance(row.label.caption()), row.label.widget()->width());
        const platform::TextBox& total = count().familyTotal(row.family);
        EXPECT_EQ(&total, totals[i]);
        EXPECT_EQ(total.rect(), (Rect{row.totalLeft, 3575, 375, 285}));
        EXPECT_EQ(total.toolTip(), QString::fromUtf8(row.toolTip));
        EXPECT_EQ(total.text(), "0");
        EXPECT_TRUE(total.locked());
    }
}

TEST_F(CountWindowTest, TxtHoldsExactlyTheCatalogueCodes) {
    openCount();
    EXPECT_EQ(count().txt.indices(), pendix::allTileCodes());
    for (int missing : {0, 100, 112, 200, 234, 315, 410, 511, 622, 722, 822, 900, 934})
        EXPECT_FALSE(count().txt.contains(missing)) << missing;
}

TEST_F(CountWindowTest, LoadsEveryTilesPictureAndHasTheRefreshButtonFocused) {
    openCount();
    for (int code : pendix::allTileCodes()) {
        const Family family = pendix::familyOf(code);
        const platform::Picture& picture = count().objects(family)(code - pendix::familyFirstCode(family)).picture();
        EXPECT_EQ(picture.sourcePath().toStdString(), pendix::tileBitmap(code, pendix::CurveSpelling::Palette));
        EXPECT_FALSE(picture.isEmpty()) << code;
    }
    // The transporter curves are written with a small k, yet show the board's own pictures.
    EXPECT_EQ(count().cmdTransporter(3).picture().sourcePath(), "\\bmp\\StratkRU.bmp");
    EXPECT_EQ(count().cmdTransporter(4).picture().sourcePath(), "\\bmp\\StratkLO.bmp");
    EXPECT_EQ(count().cmdTransporter(5).picture().sourcePath(), "\\bmp\\StratkLU.bmp");
    const QImage small = count().cmdTransporter(3).picture().pixmap().toImage();
    const QImage board = platform::loadPicture(pendix::tileBitmap(904)).pixmap().toImage();
    EXPECT_EQ(small, board);
    for (std::int16_t frame : count().AnimFrame) EXPECT_EQ(frame, 1);

    const auto order = test_support::tabOrder(count());
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(order.front(), &count().cmdAktualisieren);
    QApplication::processEvents();  // the window system's activation of the new window
    EXPECT_EQ(count().window()->focusWidget(), count().cmdAktualisieren.widget());
    // The load runs under the wait cursor and gives the default back.
    EXPECT_FALSE(fakes.cursor.waiting());
}

TEST_F(CountWindowTest, AnimationButtonsPlayFromTheFirstTickOnAnEmptyBoard) {
    openCount();
    count().Timer.fire();
    EXPECT_EQ(count().icon().sourcePath(), "\\ico\\auto01.ico");
    EXPECT_EQ(count().cmdAnimation(0).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0102.bmp");
    EXPECT_EQ(count().cmdAnimation(3).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0042.bmp");
    EXPECT_EQ(count().cmdAnimation(20).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani2102.bmp");
    for (std::int16_t frame : count().AnimFrame) EXPECT_EQ(frame, 2);
    // Kind 4 has five frames: after five ticks it shows its first again.
    for (int tick = 0; tick < 4; ++tick) count().Timer.fire();
    EXPECT_EQ(count().cmdAnimation(3).picture().sourcePath(), "\\bmp\\deko\\ani\\Ani0041.bmp");
    EXPECT_EQ(count().icon().sourcePath(), "\\ico\\auto05.ico");
    // Only the animation buttons move.
    EXPECT_EQ(count().cmdStraße(0).picture().sourcePath(), "\\bmp\\StrasOU.bmp");
}

TEST_F(CountWindowTest, ClicksAndTypingChangeNothing) {
    setTag(0, "101");
    openCount();
    const std::vector<QString> before = allBoxTexts();
    click(count().cmdStraße(0));
    click(count().lblGleich(0));
    click(count().txt(101));
    QTest::keyClicks(count().txt(101).widget(), "7");
    QTest::keyClick(count().txt(101).widget(), Qt::Key_Backspace);
    QTest::keyClicks(count().txtIA.widget(), "9");
    QTest::keyClicks(count().txtAdvSt.widget(), "9");
    EXPECT_EQ(allBoxTexts(), before);
    EXPECT_EQ(count().txt(101).text(), "1");
    EXPECT_EQ(static_cast<QLineEdit*>(count().txt(101).widget())->text(), "1");
    EXPECT_EQ(editor.cmd(0).tag(), "101");
    EXPECT_EQ(editor.SelectedCode, 0);
}

TEST_F(CountWindowTest, APictureThatCannotBeReadLeavesItsButtonEmptyAndTheCountGoesOn) {
    test_support::ProgramFolder folder;  // the platform looks here from now on
    for (int code : pendix::allTileCodes())
        if (code != 933) folder.writePicture(pendix::tileBitmap(code, pendix::CurveSpelling::Palette));
    setTag(10, "933");
    setTag(11, "101");
    openCount();
    ASSERT_TRUE(count().isVisible());
    EXPECT_TRUE(count().cmdTransporter(32).picture().isEmpty());
    EXPECT_FALSE(count().cmdTransporter(31).picture().isEmpty());
    expectCounts({{933, 1}, {101, 1}});
    EXPECT_TRUE(fakes.modal.shownModal.empty());
    EXPECT_FALSE(fakes.cursor.waiting());
}

}  // namespace
}  // namespace editor_test
