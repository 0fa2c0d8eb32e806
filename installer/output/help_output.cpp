#include "installer/output/help_output.h"

#include "shared/data_paths.h"

#include <QFile>

namespace pendix::installer {
namespace {

struct HelpSource {
    std::string_view path;
    const char* resource;
};

constexpr HelpSource kHelp[] = {
    {kHelpGame, ":/help/pendix.html"},          {kHelpObjects, ":/help/objekte.html"},
    {kHelpGameMenus, ":/help/menuesch.html"},   {kHelpEditor, ":/help/editor.html"},
    {kHelpEditorMenus, ":/help/menueser.html"},
};

QByteArray readResource(const char* name) {
    QFile f(QString::fromLatin1(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

std::vector<HelpDocument> helpDocuments() {
    // Every page carries the shared look itself, so that each file stands alone.
    QByteArray css = readResource(":/help/style.css");
    css.remove(0, css.indexOf("*/") + 3);
    std::vector<HelpDocument> docs;
    for (const HelpSource& s : kHelp) {
        QByteArray html = readResource(s.resource);
        html.replace("<style></style>", "<style>\n" + css + "</style>");
        docs.push_back({s.path, html});
    }
    return docs;
}

}  // namespace pendix::installer
