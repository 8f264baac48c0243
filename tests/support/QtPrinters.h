#pragma once

#include <QString>
#include <ostream>

// Failure messages show texts as texts (and lists of them as lists of texts), not as bytes.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
