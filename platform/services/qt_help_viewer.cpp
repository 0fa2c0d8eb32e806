// The help viewer: our help files are HTML documents (named *.hlp), shown in a
// modeless window from their beginning, beside the window that asked for them.
#include "platform/files/file_reading.h"
#include "platform/form.h"
#include "platform/paths.h"
#include "platform/services/help_browser.h"
#include "platform/services/help_folder.h"
#include "platform/services/window_beside.h"
#include "qt_services.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>
#include <QStringDecoder>
#include <QVBoxLayout>
#include <QWidget>

#include <string>

namespace platform {
namespace {

constexpr QSize kViewerSize(640, 480);
// Narrower than this, a page beside its window would be hard to read: it opens
// over the window instead.
constexpr int kMinWidthBeside = 400;

// Why a help file shows no page, naming it; empty when it has one.
QString noticeFor(FileFailure failure, const std::string& bytes, const QString& file) {
    switch (failure) {
    case FileFailure::None:
        // An empty page would look like a viewer that failed.
        return bytes.empty() ? QStringLiteral("Die Hilfedatei „%1“ ist leer.").arg(file) : QString();
    case FileFailure::Missing: return QStringLiteral("Die Hilfedatei „%1“ wurde nicht gefunden.").arg(file);
    case FileFailure::IsFolder:
        return QStringLiteral("Die Hilfedatei „%1“ ist ein Ordner, keine gewöhnliche Datei.").arg(file);
    case FileFailure::IsPipe:
        return QStringLiteral("Die Hilfedatei „%1“ ist eine Pipe, keine gewöhnliche Datei.").arg(file);
    case FileFailure::IsDevice:
        return QStringLiteral("Die Hilfedatei „%1“ ist ein Gerät, keine gewöhnliche Datei.").arg(file);
    case FileFailure::TooLong:
        return QStringLiteral("Die Hilfedatei „%1“ ist länger als %2 Bytes und wird nicht gelesen.")
            .arg(file)
            .arg(kHelpFileMaxBytes);
    case FileFailure::Unreadable: return QStringLiteral("Die Hilfedatei „%1“ konnte nicht gelesen werden.").arg(file);
    }
    return {};
}

// The page's text in the encoding it declares, UTF-8 when it declares none.
QString htmlText(const std::string& bytes) {
    const QByteArray data = QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QStringDecoder decoder = QStringDecoder::decoderForHtml(data);
    if (!decoder.isValid()) decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(data);
}

// What the window system puts around a window's inner area.
QMargins frameOf(const QWidget& window) {
    const QRect inner = window.geometry();
    const QRect frame = window.frameGeometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

bool isWebOrMail(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == u"http" || scheme == u"https" || scheme == u"mailto";
}

}  // namespace

QtHelpViewer::QtHelpViewer() : window_(std::make_unique<QWidget>()), browser_(new HelpBrowser(window_.get())) {
    window_->setWindowTitle(QStringLiteral("Hilfe"));
    // An open help page never keeps a program running once its own windows are closed.
    window_->setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(window_.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    QObject::connect(browser_, &QTextBrowser::anchorClicked, window_.get(), [this](const QUrl& link) { follow(link); });
    window_->resize(kViewerSize);
}

QtHelpViewer::~QtHelpViewer() = default;

QTextBrowser* QtHelpViewer::browser() const { return browser_; }

void QtHelpViewer::show(const QString& file, int command, const HelpAsker& asker) {
    (void)command;  // every command the programs give asks for the contents: the file from its beginning
    // The folder the program's help file lies in holds everything its pages may reach.
    browser_->setHelpFolder(QFileInfo(resolvePath(file)).path());
    showPage(file);
    QWidget* const askerWindow = asker.form ? asker.form->window() : nullptr;
    if (askerWindow) window_->setWindowIcon(askerWindow->windowIcon());
    if (!window_->isVisible()) placeFor(askerWindow);  // where the user put it, it stays
    const bool takesKeyboard = asker.keyboard == HelpKeyboard::ToHelp;
    window_->setAttribute(Qt::WA_ShowWithoutActivating, !takesKeyboard);
    window_->show();
    window_->raise();
    if (takesKeyboard)
        window_->activateWindow();
    else if (askerWindow)
        // Not every window system leaves a window shown unasked: the keyboard is the asker's.
        askerWindow->activateWindow();
}

void QtHelpViewer::showPage(const QString& file) {
    std::string bytes;
    QString found;
    const FileFailure failure = readFileAt(file, kHelpFileMaxBytes, bytes, {}, &found);
    const QString notice = noticeFor(failure, bytes, file);
    QString title;
    if (notice.isEmpty()) {
        browser_->showPage(QUrl::fromLocalFile(found), htmlText(bytes));
        title = browser_->documentTitle().simplified();
    } else {
        browser_->showNotice(notice);
    }
    window_->setWindowTitle(title.isEmpty() ? QStringLiteral("Hilfe – %1").arg(QFileInfo(file).fileName()) : title);
}

void QtHelpViewer::follow(const QUrl& link) {
    const QUrl target = browser_->page().resolved(link);
    if (isWebOrMail(target)) {
        openLink(target.toString(QUrl::FullyEncoded));
        return;
    }
    // Another place of this page, or another page of the help folder; any other
    // link is not followed, and what it names is never opened.
    if (browser_->page().isEmpty() || !target.isLocalFile()) return;
    if (target.adjusted(QUrl::RemoveFragment) != browser_->page()) {
        const std::optional<QString> page = helpFolderFile(target, browser_->helpFolder());
        if (!page) return;
        showPage(*page);
    }
    if (target.hasFragment()) browser_->scrollToAnchor(target.fragment());
}

void QtHelpViewer::placeFor(const QWidget* asker) {
    const QScreen* screen = asker ? asker->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    // The window system frames this window as it framed the asker, until it has framed it itself.
    const QMargins frame = window_->windowHandle() ? frameOf(*window_) : (asker ? frameOf(*asker) : QMargins());
    const QSize wanted = kViewerSize.grownBy(frame);
    QRect placed;
    if (asker && asker->isVisible()) {
        placed = placeBeside(asker->frameGeometry(), wanted, kMinWidthBeside, free);
    } else {
        placed = QRect(QPoint(), wanted);
        placed.moveCenter(free.center());
    }
    window_->setGeometry(placed.marginsRemoved(frame));
}

}  // namespace platform
