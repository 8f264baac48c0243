#pragma once

#include <QString>

namespace ui {

// A span of characters in a text.
struct TextRange {
    int location = 0;
    int length = 0;
    friend bool operator==(const TextRange&, const TextRange&) = default;
};

// One edit of a text: the range of the old text that is replaced and what replaces it.
struct TextEdit {
    TextRange range;
    QString replacement;

    // Recovers the edit that turned `before` into `after`. `cursor` is the caret position
    // after the edit (the inserted text ends there), which settles cases like typing "a" in
    // "aa"; pass -1 when unknown.
    static TextEdit between(const QString& before, const QString& after, int cursor = -1);
    QString applyTo(const QString& text) const;
};

} // namespace ui
