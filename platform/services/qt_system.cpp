// Starting programs, opening links, ending the program and the screen cursor.
#include "qt_services.h"

#include "platform/paths.h"

#include <QApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>

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

QtScreenCursor::~QtScreenCursor() {
    if (depth_ > 0) QApplication::restoreOverrideCursor();
}

void QtScreenCursor::setWait() {
    if (depth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
}

void QtScreenCursor::setDefault() {
    if (depth_ == 0) return;
    if (--depth_ == 0) QApplication::restoreOverrideCursor();
}

}  // namespace platform
