#include "core/settings/UDefUtil.h"

#include "core/base/ProcessGlobal.h"
#include "core/settings/SettingLimits.h"
#include "core/settings/SettingsStore.h"
#include "core/settings/StoredValue.h"

#include <QDebug>
#include <QSet>

namespace {

struct LoggedValues {
    QSet<QString> notes;
};

// Whether a stored value can stand for its key as a number; a value that cannot is logged once.
bool usableNumber(const QString& key, const QVariant& value) {
    const double number = StoredValue::toDouble(value);
    if (SettingLimits::accepts(key, number))
        return true;
    const QString note = QStringLiteral("Setting \"%1\" holds %2, which it cannot be; its default "
                                        "is used")
                             .arg(key, QString::number(number));
    QSet<QString>& logged = ProcessGlobal<LoggedValues>::get().notes;
    if (!logged.contains(note)) {
        logged.insert(note);
        qWarning().noquote() << note;
    }
    return false;
}

// The stored number read as T, or the default when there is none or it cannot stand for its key.
template <class T> T storedNumber(const QString& key, T def, T (*convert)(const QVariant&)) {
    const QVariant value = UDefUtil::getUserDef(key);
    return value.isValid() && usableNumber(key, value) ? convert(value) : def;
}

} // namespace

QVariant UDefUtil::getUserDef(const QString& key) {
    return SettingsStore::instance().value(key);
}

QVariant UDefUtil::getUserDef(const QString& key, const QVariant& def) {
    const QVariant value = getUserDef(key);
    return value.isValid() ? value : def;
}

void UDefUtil::setUserDef(const QVariant& value, const QString& key) {
    SettingsStore::instance().setValue(key, value);
}

void UDefUtil::removeUserDef(const QString& key) {
    SettingsStore::instance().remove(key);
}

bool UDefUtil::getUserDefBool(const QString& key, bool def) {
    const QVariant value = getUserDef(key);
    return value.isValid() ? StoredValue::toBool(value) : def;
}

int UDefUtil::getUserDefInt(const QString& key, int def) {
    return storedNumber(key, def, &StoredValue::toInt);
}

double UDefUtil::getUserDefDouble(const QString& key, double def) {
    return storedNumber(key, def, &StoredValue::toDouble);
}

float UDefUtil::getUserDefFloat(const QString& key, float def) {
    return storedNumber(key, def, &StoredValue::toFloat);
}

QString UDefUtil::getUserDefString(const QString& key, const QString& def) {
    const QVariant value = getUserDef(key);
    return value.isValid() ? StoredValue::toString(value) : def;
}

QVariantList UDefUtil::getUserDefMutableArray(const QString& key) {
    const QVariant value = getUserDef(key);
    const int type = value.metaType().id();
    if (type != QMetaType::QVariantList && type != QMetaType::QStringList)
        return {};
    return value.toList();
}
