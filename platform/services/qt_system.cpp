// Starting programs, opening links, ending the program and the screen cursor.
#include "platform/paths.h"
#include "qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace platform {

bool QtProgramStarter::start(const QString& program) {
    const QFileInfo file(resolvePath(program));
    if (!file.isFile()) return false;
    return QProcess::startDetached(file.absoluteFilePath(), {}, file.absolutePath());
}

bool QtLinkOpener::open(const QString& link) { return QDesktopServices::openUrl(QUrl(link, QUrl::TolerantMode)); }

void QtProgramEnder::end() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
    std::_Exit(0);
}

namespace {

bool anyWindowOnScreen() {
    for (const QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible()) return true;
    return false;
}

}  // namespace

QtScreenCursor::~QtScreenCursor() {
    if (shown_) QApplication::restoreOverrideCursor();
}

void QtScreenCursor::setWait() {
    // The hourglass can only show over a window of the program. A wait begun
    // before any is on the screen (the start-up's, which ends before the first
    // window appears) is counted but shows nothing: loading the hourglass from
    // the cursor theme then only delays that window.
    if (depth_++ == 0 && anyWindowOnScreen()) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        shown_ = true;
    }
}

void QtScreenCursor::setDefault() {
    if (depth_ == 0) return;
    if (--depth_ == 0 && shown_) {
        QApplication::restoreOverrideCursor();
        shown_ = false;
    }
}

}  // namespace platform
