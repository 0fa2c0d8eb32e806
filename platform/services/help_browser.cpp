#include "help_browser.h"

#include "platform/files/file_reading.h"
#include "platform/picture.h"
#include "platform/services/help_folder.h"

#include <QImage>
#include <QScrollBar>
#include <QTextDocument>

#include <map>
#include <string>
#include <utility>

namespace platform {

// Answers what a page asks for, by the kind asked for. Qt's own document keeps one
// answer per name whatever its kind, and where a name's answer is no picture, its
// picture handler opens the named file itself: so the answers are kept here, and a
// picture left out is still a picture.
class HelpDocument : public QTextDocument {
public:
    explicit HelpDocument(QObject* parent) : QTextDocument(parent) {}

    const QUrl& page() const { return page_; }
    const QString& helpFolder() const { return helpFolder_; }
    void setHelpFolder(const QString& folder) { helpFolder_ = folder; }
    void setPage(const QUrl& page) {
        page_ = page;
        answers_.clear();  // read again for each page shown
    }

protected:
    QVariant loadResource(int type, const QUrl& name) override {
        const QUrl file = page_.resolved(name);
        auto [answer, isNew] = answers_.try_emplace({type, file});
        if (isNew) answer->second = read(type, file);
        return answer->second;
    }

private:
    QVariant read(int type, const QUrl& url) const {
        const std::optional<QString> file = page_.isEmpty() ? std::nullopt : helpFolderFile(url, helpFolder_);
        if (type == ImageResource) {
            if (file) {
                if (const auto picture = tryLoadPictureFile(*file)) return picture->pixmap().toImage();
            }
            QImage none(1, 1, QImage::Format_ARGB32);
            none.fill(Qt::transparent);
            return none;
        }
        // A style sheet, or whatever else a page may ask for: its text, or none.
        std::string bytes;
        if (file && readRegularFile(*file, kHelpFileMaxBytes, bytes) == FileFailure::None)
            return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
        return {};
    }

    QUrl page_;
    QString helpFolder_;
    std::map<std::pair<int, QUrl>, QVariant> answers_;
};

HelpBrowser::HelpBrowser(QWidget* parent) : QTextBrowser(parent), document_(new HelpDocument(this)) {
    setDocument(document_);
    setOpenLinks(false);
}

const QUrl& HelpBrowser::page() const { return document_->page(); }

void HelpBrowser::setHelpFolder(const QString& folder) { document_->setHelpFolder(folder); }

const QString& HelpBrowser::helpFolder() const { return document_->helpFolder(); }

void HelpBrowser::showPage(const QUrl& page, const QString& html) {
    document_->setPage(page);  // before the text: its style sheets are asked for while it is read
    setHtml(html);
    toBeginning();
}

void HelpBrowser::showNotice(const QString& text) {
    document_->setPage({});
    setPlainText(text);
    toBeginning();
}

void HelpBrowser::toBeginning() {
    moveCursor(QTextCursor::Start);
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
}

}  // namespace platform
