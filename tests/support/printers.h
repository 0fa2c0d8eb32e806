#pragma once
// Readable texts in the failure messages of every test program. Include it in
// every test file that compares Qt texts, so all of them print the same way.
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& texts, std::ostream* out) {
    *out << '{' << texts.join(", ").toStdString() << '}';
}
