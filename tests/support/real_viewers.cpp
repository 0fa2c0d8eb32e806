#include "tests/support/real_viewers.h"

#include <QApplication>
#include <QTextBrowser>
#include <QWidget>

#include <gtest/gtest.h>

namespace test_support {

QString shownHelpText() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->isVisible()) continue;
        if (const auto* browser = window->findChild<QTextBrowser*>()) return browser->toPlainText();
    }
    return {};
}

void expectShownHelp(const DamagedFile& damaged, std::string_view file) {
    const QString shown = shownHelpText();
    const bool broken = breaks(damaged, file);
    const Damage damage = damaged.damage;
    const bool gone = damage == Damage::Missing || damage == Damage::FolderInstead || damage == Damage::FileInstead;
    const auto notice = [&shown](const char* ending) {
        return shown.startsWith(QStringLiteral("Die Hilfedatei „")) && shown.endsWith(QString::fromUtf8(ending));
    };
    if (broken && gone)
        EXPECT_TRUE(notice("“ wurde nicht gefunden.")) << file << ": " << shown.toStdString();
    else if (broken && damage == Damage::Empty)
        EXPECT_TRUE(notice("“ ist leer.")) << file << ": " << shown.toStdString();
    else
        EXPECT_FALSE(shown.trimmed().isEmpty()) << file;
}

}  // namespace test_support
