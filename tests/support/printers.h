#pragma once
// Readable texts in the failure messages of every test program. Include it in
// every test file that compares Qt texts, so all of them print the same way.
#include <QString>
#include <QStringList>

#include <cctype>
#include <ostream>
#include <string>
#include <string_view>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(", ").toStdString() << '}';
}

namespace test_support {

// A text as the name of a parameterised case, which gtest and ctest show and a
// filter matches: its letters and digits, every other run of characters one
// underscore ("\bmp\StrasRL.bmp missing" gives "bmp_StrasRL_bmp_missing").
inline std::string caseName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (!name.empty() && name.back() != '_')
            name += '_';
    }
    if (!name.empty() && name.back() == '_') name.pop_back();
    return name;
}

}  // namespace test_support
