#include "core/settings/StoredValue.h"

#include <QDateTime>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace {

bool isText(const QVariant& value) {
    return value.metaType().id() == QMetaType::QString;
}

bool isNumberLike(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Float:
    case QMetaType::Double:
        return true;
    default:
        return false;
    }
}

template <typename T> T clampTo(double x) {
    if (std::isnan(x))
        return 0;
    if (x >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    if (x <= double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    return static_cast<T>(x);
}

} // namespace

double StoredValue::leadingDouble(const QString& text) {
    static const QRegularExpression number(
        QStringLiteral("^\\s*([+-]?(?:\\d+\\.?\\d*|\\.\\d+)(?:[eE][+-]?\\d+)?)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0.0;
    return match.captured(1).toDouble();
}

qint64 StoredValue::leadingInteger(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([+-]?\\d+)"));
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch())
        return 0;
    bool ok = false;
    const qint64 value = match.captured(1).toLongLong(&ok);
    if (ok)
        return value;
    return match.captured(1).startsWith('-') ? std::numeric_limits<qint64>::min()
                                             : std::numeric_limits<qint64>::max();
}

qint64 StoredValue::toLongLong(const QVariant& value) {
    if (isText(value))
        return leadingInteger(value.toString());
    if (!isNumberLike(value))
        return 0;
    const int id = value.metaType().id();
    if (id == QMetaType::Float || id == QMetaType::Double)
        return clampTo<qint64>(value.toDouble());
    return value.toLongLong();
}

int StoredValue::toInt(const QVariant& value) {
    const qint64 wide = toLongLong(value);
    return clampTo<int>(double(wide));
}

double StoredValue::toDouble(const QVariant& value) {
    if (isText(value))
        return leadingDouble(value.toString());
    if (!isNumberLike(value))
        return 0.0;
    if (value.metaType().id() == QMetaType::Float)
        return double(value.toFloat());
    return value.toDouble();
}

float StoredValue::toFloat(const QVariant& value) {
    if (value.metaType().id() == QMetaType::Float)
        return value.toFloat();
    return static_cast<float>(toDouble(value));
}

bool StoredValue::toBool(const QVariant& value) {
    if (isText(value)) {
        static const QRegularExpression yes(QStringLiteral("^\\s*[+-]?0*[YyTt1-9]"));
        return yes.match(value.toString()).hasMatch();
    }
    if (!isNumberLike(value))
        return false;
    return toDouble(value) != 0.0;
}

QString StoredValue::toString(const QVariant& value) {
    if (value.metaType().id() == QMetaType::Float)
        return QString::number(double(value.toFloat()), 'g', 9);
    if (value.metaType().id() == QMetaType::QDateTime)
        return value.toDateTime().toString(Qt::ISODate);
    return value.toString();
}
