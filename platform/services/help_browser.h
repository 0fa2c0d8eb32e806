#pragma once
// The help viewer's page: a text browser whose document takes every picture and
// style sheet a page names from its help folder alone (help_folder.h), each read
// within its bound; anything else is left out unread. It follows no link by
// itself: the viewer decides on each (anchorClicked).
#include <QTextBrowser>
#include <QUrl>

namespace platform {

class HelpDocument;

class HelpBrowser : public QTextBrowser {
public:
    explicit HelpBrowser(QWidget* parent);

    // The folder whose files the pages may name: that of the help file the
    // program asked for.
    void setHelpFolder(const QString& folder);
    const QString& helpFolder() const;
    // A page read from `page`, shown from its beginning; the names in it are taken
    // relative to it.
    void showPage(const QUrl& page, const QString& html);
    // A notice in place of a page: it names nothing.
    void showNotice(const QString& text);
    // The page shown; empty while a notice shows.
    const QUrl& page() const;

private:
    void toBeginning();
    HelpDocument* document_;
};

}  // namespace platform
