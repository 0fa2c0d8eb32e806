#include "tests/help/hilfe_fixture.h"

#include "help/help_topics.h"
#include "platform/application.h"

#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QtTest/QTest>

namespace hilfe_test {

HilfeTest::HilfeTest() {
    folder.writePicture("\\bmp\\Autedlou.bmp");
    for (const auto& topic : pendix::hilfe::kHelpTopics)
        folder.writeText(topic.file, QByteArray("<html><body>") + topic.entry.data() + "</body></html>");
}

HilfeTest::~HilfeTest() { platform::dropInstances(); }

pendix::hilfe::frmHaupt& HilfeTest::window() { return platform::instance<pendix::hilfe::frmHaupt>(); }

void HilfeTest::showActive() {
    window().show();
    ASSERT_TRUE(window().isVisible());
    QApplication::setActiveWindow(window().window());
}

QListWidget* HilfeTest::list() { return static_cast<QListWidget*>(window().Liste.widget()); }

void HilfeTest::clickEntry(int row) {
    QListWidget* widget = list();
    ASSERT_NE(widget->item(row), nullptr);
    QTest::mouseClick(widget->viewport(), Qt::LeftButton, {}, widget->visualItemRect(widget->item(row)).center());
}

void HilfeTest::pressKey(Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); }

std::vector<QString> HilfeTest::helpShown() const {
    const QDir root(folder.path());
    std::vector<QString> files;
    for (const auto& shown : fakes.help.shown) {
        EXPECT_EQ(shown.command, 3) << "the contents";
        files.push_back("\\" + root.relativeFilePath(shown.file).replace(u'/', u'\\'));
    }
    return files;
}

}  // namespace hilfe_test
