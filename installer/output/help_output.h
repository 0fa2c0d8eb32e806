#pragma once
// The five help documents: German HTML pages kept as resources and written
// under the names the programs open.
#include <QByteArray>

#include <string_view>
#include <vector>

namespace pendix::installer {

struct HelpDocument {
    std::string_view path;  // "\hilfe\pendix.hlp"
    QByteArray html;        // empty when the resource is missing
};

std::vector<HelpDocument> helpDocuments();

}  // namespace pendix::installer
