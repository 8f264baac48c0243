#include "core/settings/QVXUtil.h"

#include "core/base/Units.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

float QVXUtil::weight(float value, bool usePound) {
    if (!usePound)
        return value;
    volatile float grams = value * 1000.0f;
    return grams * kilogramsPerPound<float>;
}

float QVXUtil::getGramm(float value, bool usePound) {
    return usePound ? value / gramsPerPound<float> : value;
}

QString QVXUtil::weightUnitName(bool usePound) {
    return usePound ? QStringLiteral("lb") : QStringLiteral("g");
}

bool QVXUtil::getWeightUnit(const QString& key) {
    // A fresh profile shows pounds; every other choice starts as no.
    return UDefUtil::getUserDefBool(key, key == QLatin1String(SettingsKeys::weightInPounds));
}

QVColor QVXUtil::appTintColor() {
    return QVColor{146, 128, 91, 1.0};
}
