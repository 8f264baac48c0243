#pragma once

#include <QVariant>

// Reads a stored setting through the type the caller asks for, whatever type it was stored
// with: numbers convert, a text reads as its leading number (0 when there is none), a
// date reads as 0.
class StoredValue {
public:
    static int toInt(const QVariant& value);
    static qint64 toLongLong(const QVariant& value);
    static double toDouble(const QVariant& value);
    static float toFloat(const QVariant& value);
    // Text: yes when it starts (after blanks, a sign and zeros) with Y, y, T, t or a digit 1-9.
    static bool toBool(const QVariant& value);
    static QString toString(const QVariant& value);

    // The leading decimal number of a text, 0 when it has none.
    static double leadingDouble(const QString& text);
    static qint64 leadingInteger(const QString& text);
};
