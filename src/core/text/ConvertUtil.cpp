#include "core/text/ConvertUtil.h"

#include "core/dates/DatePattern.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

// The rounded product must be the float the expression names, not a wider intermediate.
double roundedScaled(float x, float scale, double divisor) {
    volatile float product = x * scale;
    const float rounded = std::roundf(product);
    return double(rounded) / divisor;
}

QString formatted(const char* format, double value) {
    return QString::asprintf(format, value);
}

// The locale's long date without the weekday ("dddd, MMMM d, yyyy" -> "MMMM d, yyyy").
QString withoutWeekday(QString qtFormat) {
    static const QRegularExpression weekday(QStringLiteral("[\\s,.]*d{4}[\\s,.]*"));
    const QRegularExpressionMatch match = weekday.match(qtFormat);
    if (!match.hasMatch())
        return qtFormat;
    const bool atStart = match.capturedStart() == 0;
    const bool atEnd = match.capturedEnd() == qtFormat.size();
    qtFormat.replace(match.capturedStart(), match.capturedLength(),
                     atStart || atEnd ? QString() : QStringLiteral(" "));
    return qtFormat;
}

} // namespace

QString ConvertUtil::float2str(float x) {
    return formatted("%.2f", roundedScaled(x, 100.0f, 100.0));
}

QString ConvertUtil::float3str(float x) {
    return formatted("%.3f", roundedScaled(x, 1000.0f, 1000.0));
}

QString ConvertUtil::float2strOneSign(float x) {
    return formatted("%.1f", double(x));
}

QString ConvertUtil::double2str(double x) {
    return float2str(static_cast<float>(x));
}

QString ConvertUtil::int2str(int x) {
    return QString::number(x);
}

QString ConvertUtil::nsInteger2str(qint64 x) {
    return QString::number(x);
}

qint64 ConvertUtil::leadingInteger(const QString& text) {
    constexpr qint64 most = std::numeric_limits<qint64>::max();
    qint64 value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        const int digit = c.unicode() - '0';
        if (value > (most - digit) / 10)
            return most;
        value = value * 10 + digit;
    }
    return value;
}

QDateTime ConvertUtil::str2date(const QString& text, const QString& format) {
    return DatePattern::parse(text, format, QLocale());
}

QString ConvertUtil::date2str(const QDateTime& date, const QString& format) {
    return DatePattern::format(date, format, QLocale());
}

QString ConvertUtil::date2str(const QDateTime& date, DateStyle style) {
    if (!date.isValid() || style == NoStyle)
        return {};
    const QLocale locale;
    const QDate day = date.toLocalTime().date();
    switch (style) {
    case ShortStyle:
        return locale.toString(day, QLocale::ShortFormat);
    case MediumStyle:
        return locale.toString(day, withoutWeekday(locale.dateFormat(QLocale::LongFormat))
                                        .replace(QStringLiteral("MMMM"), QStringLiteral("MMM")));
    case LongStyle:
        return locale.toString(day, withoutWeekday(locale.dateFormat(QLocale::LongFormat)));
    default:
        return locale.toString(day, QLocale::LongFormat);
    }
}
