// The help viewer: our help files are HTML documents (named *.hlp), shown in a
// modeless window from their beginning.
#include "qt_services.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWidget>

namespace platform {

QtHelpViewer::QtHelpViewer() : window_(std::make_unique<QWidget>()), browser_(new QTextBrowser(window_.get())) {
    window_->setWindowTitle(QStringLiteral("Hilfe"));
    // An open help page never keeps a program running once its own windows are closed.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    browser_->setOpenExternalLinks(true);
    window_->resize(640, 480);
}

QtHelpViewer::~QtHelpViewer() = default;

void QtHelpViewer::show(const QString& file, int command) {
    (void)command;  // every command the programs give asks for the contents: the file from its beginning
    const QFileInfo info(file);
    QFile readable(file);
    if (!info.exists()) {
        browser_->setSource(QUrl());
        browser_->setPlainText(QStringLiteral("Die Hilfedatei „%1“ wurde nicht gefunden.").arg(file));
    } else if (!info.isFile()) {  // a folder, or a pipe the browser would wait on for ever
        browser_->setSource(QUrl());
        browser_->setPlainText(QStringLiteral("Die Hilfedatei „%1“ ist keine gewöhnliche Datei.").arg(file));
    } else if (!readable.open(QIODevice::ReadOnly)) {
        browser_->setSource(QUrl());
        browser_->setPlainText(QStringLiteral("Die Hilfedatei „%1“ konnte nicht gelesen werden.").arg(file));
    } else if (info.size() == 0) {
        // An empty page would look like a viewer that failed.
        browser_->setSource(QUrl());
        browser_->setPlainText(QStringLiteral("Die Hilfedatei „%1“ ist leer.").arg(file));
    } else {
        const QUrl url = QUrl::fromLocalFile(info.absoluteFilePath());
        if (browser_->source() == url)
            browser_->reload();  // the file is read afresh
        else
            browser_->setSource(url, QTextDocument::HtmlResource);
    }
    browser_->moveCursor(QTextCursor::Start);
    browser_->ensureCursorVisible();
    window_->show();
    window_->raise();
    window_->activateWindow();
}

}  // namespace platform
