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
    const auto notice = [&shown](const char* ending) {
        return shown.startsWith(QStringLiteral("Die Hilfedatei „")) && shown.endsWith(QString::fromUtf8(ending));
    };
    const char* expected = nullptr;  // a notice's ending, or none: the page itself
    if (breaks(damaged, file)) {
        // Its folder gone or a file in the folder's place: the file is not there either.
        if (damaged.damage == Damage::Missing || damaged.damage == Damage::FileInstead || !breaksItself(damaged, file))
            expected = "“ wurde nicht gefunden.";
        else if (damaged.damage == Damage::FolderInstead)
            expected = "“ ist ein Ordner, keine gewöhnliche Datei.";
        else if (damaged.damage == Damage::Empty)
            expected = "“ ist leer.";
    }
    if (expected)
        EXPECT_TRUE(notice(expected)) << file << ": " << shown.toStdString();
    else
        EXPECT_FALSE(shown.trimmed().isEmpty()) << file;
}

}  // namespace test_support
