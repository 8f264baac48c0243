#include "core/settings/SettingsCodec.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QStringDecoder>

namespace {

const QString kBool = QStringLiteral("bool:");
const QString kInt = QStringLiteral("int:");
const QString kLong = QStringLiteral("long:");
const QString kFloat = QStringLiteral("float:");
const QString kDouble = QStringLiteral("double:");
const QString kDate = QStringLiteral("date:");
const QString kText = QStringLiteral("text:");
const QString kList = QStringLiteral("list:");

QString encodeList(const QVariantList& list) {
    QJsonArray array;
    for (const QVariant& item : list) {
        const QString encoded = SettingsCodec::encode(item);
        if (encoded.isEmpty())
            return {};
        array.append(encoded);
    }
    return kList + QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

bool isUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes); // the conversion runs when assigned
    return !decoder.hasError();
}

QVariant decodeList(const QString& payload) {
    const QJsonDocument doc = QJsonDocument::fromJson(payload.toUtf8());
    QVariantList list;
    for (const QJsonValue& item : doc.array())
        list.append(SettingsCodec::decode(item.toString()));
    return list;
}

} // namespace

bool SettingsCodec::canEncode(const QVariant& value) {
    return !encode(value).isEmpty();
}

QString SettingsCodec::encode(const QVariant& value) {
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        return kBool + (value.toBool() ? "true" : "false");
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::UShort:
        return kInt + QString::number(value.toInt());
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return kLong + QString::number(value.toLongLong());
    case QMetaType::Float:
        // Nine significant digits bring every float back bit for bit.
        return kFloat + QString::number(double(value.toFloat()), 'g', 9);
    case QMetaType::Double:
        return kDouble + QString::number(value.toDouble(), 'g', 17);
    case QMetaType::QDateTime: {
        const QDateTime date = value.toDateTime();
        if (!date.isValid())
            return {};
        return kDate + date.toUTC().toString(Qt::ISODateWithMs);
    }
    case QMetaType::QString:
        return kText + value.toString();
    case QMetaType::QStringList:
    case QMetaType::QVariantList:
        return encodeList(value.toList());
    default:
        return {};
    }
}

QVariant SettingsCodec::decode(const QString& text) {
    if (text.startsWith(kText))
        return text.mid(kText.size());
    if (text.startsWith(kBool))
        return QVariant(text.mid(kBool.size()) == QLatin1String("true"));
    if (text.startsWith(kInt))
        return QVariant(text.mid(kInt.size()).toInt());
    if (text.startsWith(kLong))
        return QVariant(text.mid(kLong.size()).toLongLong());
    if (text.startsWith(kFloat))
        return QVariant(text.mid(kFloat.size()).toFloat());
    if (text.startsWith(kDouble))
        return QVariant(text.mid(kDouble.size()).toDouble());
    if (text.startsWith(kDate)) {
        const QDateTime utc = QDateTime::fromString(text.mid(kDate.size()), Qt::ISODateWithMs);
        return QVariant(utc.toLocalTime());
    }
    if (text.startsWith(kList))
        return decodeList(text.mid(kList.size()));
    return text;
}

QByteArray SettingsCodec::fileAsUtf8(const QByteArray& bytes) {
    if (isUtf8(bytes))
        return bytes;
    QByteArray repaired;
    repaired.reserve(bytes.size() + bytes.size() / 8);
    for (qsizetype start = 0; start < bytes.size();) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        const QByteArrayView line(bytes.constData() + start, end - start);
        repaired += isUtf8(line) ? line.toByteArray() : QString::fromLatin1(line).toUtf8();
        start = end;
    }
    return repaired;
}
