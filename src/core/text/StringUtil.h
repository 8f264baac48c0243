#pragma once

#include <QString>

class StringUtil {
public:
    // Yes for no text and for the empty text.
    static bool isNulllOrEmpty(const QString& text) { return text.isEmpty(); }
};
