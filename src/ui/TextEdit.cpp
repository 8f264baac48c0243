#include "ui/TextEdit.h"

#include <algorithm>

namespace ui {

TextEdit TextEdit::between(const QString& before, const QString& after, int cursor) {
    const int b = static_cast<int>(before.size());
    const int a = static_cast<int>(after.size());
    if (cursor < 0 || cursor > a)
        cursor = a;
    const int maxSuffix = std::min(b, a - cursor);
    int suffix = 0;
    while (suffix < maxSuffix && before.at(b - 1 - suffix) == after.at(a - 1 - suffix))
        ++suffix;
    const int maxPrefix = std::min(a, b) - suffix;
    int prefix = 0;
    while (prefix < maxPrefix && before.at(prefix) == after.at(prefix))
        ++prefix;
    return {{prefix, b - prefix - suffix}, after.mid(prefix, a - prefix - suffix)};
}

QString TextEdit::applyTo(const QString& text) const {
    QString out = text;
    return out.replace(range.location, range.length, replacement);
}

} // namespace ui
