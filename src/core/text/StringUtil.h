#pragma once

#include <QString>

class StringUtil {
public:
    // Yes for no text and for the empty text.
    static bool isNulllOrEmpty(const QString& text) { return text.isEmpty(); }
    // What a typed search is matched against: the text without blanks and commas.
    static QString cleanSearchText(const QString& text) {
        QString cleaned = text;
        cleaned.remove(QLatin1Char(' '));
        cleaned.remove(QLatin1Char(','));
        return cleaned;
    }
};
