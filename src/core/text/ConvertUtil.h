#pragma once

#include <QDateTime>
#include <QString>

// The texts numbers and dates are shown and stored as. Rounding happens in 32-bit floats
// exactly as written below, since stored values travel as these texts.
class ConvertUtil {
public:
    enum DateStyle { NoStyle = 0, ShortStyle = 1, MediumStyle = 2, LongStyle = 3, FullStyle = 4 };

    // "%.2f" of roundf(x * 100) / 100.0.
    static QString float2str(float x);
    // "%.3f" of roundf(x * 1000) / 1000.0.
    static QString float3str(float x);
    static QString float2strOneSign(float x);
    static QString double2str(double x);
    static QString int2str(int x);
    static QString nsInteger2str(qint64 x);
    // The whole number the text's leading digits spell ("150.00" reads 150, "0.5" and "" read
    // 0), held at the largest integer rather than wrapping or reading a long run as 0.
    static qint64 leadingInteger(const QString& text);

    // Unicode date patterns in the default locale and the local zone; no date when the text
    // does not match or names no real moment.
    static QDateTime str2date(const QString& text, const QString& format);
    static QString date2str(const QDateTime& date, const QString& format);
    // The date alone (no time) in the default locale's style.
    static QString date2str(const QDateTime& date, DateStyle style);
};
