#pragma once

#include <QString>
#include <QVariant>

// Turns a setting into one line of text that keeps its type, and back. An INI file alone
// would hand every number back as text, so a float would come back as a string after a restart.
// Kept types: bool, int, 64-bit int, float, double, date, text, list (of these).
class SettingsCodec {
public:
    // An empty string when the type cannot be kept.
    static QString encode(const QVariant& value);
    // Text that carries no known type tag (hand-edited files) is read as plain text.
    static QVariant decode(const QString& text);
    static bool canEncode(const QVariant& value);

    // The settings file's bytes as UTF-8. A line that is not valid UTF-8 (written by hand in a
    // Latin-1 editor) is read as Latin-1: left as it is, the INI reader cuts the value short or
    // runs it into the next line, and the next write would store that for good.
    static QByteArray fileAsUtf8(const QByteArray& bytes);
};
