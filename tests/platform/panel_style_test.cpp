// The application's style draws a line edit's panel once per size and state and
// copies it after: what the user sees must be what the style itself draws.
#include "platform/panel_style.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace {

QImage shown(QLineEdit& edit) { return edit.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

}  // namespace

TEST(PanelCachingStyle, TheApplicationDrawsLineEditsThroughIt) {
    EXPECT_NE(dynamic_cast<platform::PanelCachingStyle*>(QApplication::style()), nullptr);
}

TEST(PanelCachingStyle, ALineEditLooksAsTheStyleItselfDrawsIt) {
    const std::unique_ptr<QStyle> plain(QStyleFactory::create(QApplication::style()->name()));
    QLineEdit cached, direct;
    direct.setStyle(plain.get());
    struct Case {
        const char* what;
        QSize size;
        bool readOnly;
        bool enabled;
        QString text;
    };
    const Case cases[] = {
        {"the fields counter", {33, 19}, true, true, "123"},
        {"an editable box", {120, 24}, false, true, "Text"},
        {"disabled", {120, 24}, false, false, "Text"},
        {"again, from the cache", {33, 19}, true, true, "124"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (QLineEdit* edit : {&cached, &direct}) {
            edit->resize(c.size);
            edit->setReadOnly(c.readOnly);
            edit->setEnabled(c.enabled);
            edit->setText(c.text);
        }
        EXPECT_EQ(shown(cached), shown(direct));
    }
}
