#include "core/profile/OptionsUtil.h"

#include "core/base/Clock.h"
#include "core/base/Units.h"
#include "core/dates/DateUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

#include <algorithm>
#include <cmath>

namespace {

int roundedAwayFromZero(float x) {
    return int(std::lround(x));
}

} // namespace

float OptionsUtil::getWeightValue(const QString& key) {
    return UDefUtil::getUserDefFloat(key, 50000.0f);
}

float OptionsUtil::getHeightValue(const QString& key) {
    return UDefUtil::getUserDefFloat(key, 170.0f);
}

float OptionsUtil::getIntensityValue(const QString& key) {
    return UDefUtil::getUserDefFloat(key, 0.0f);
}

float OptionsUtil::getAllowedCalories() {
    return UDefUtil::getUserDefFloat(SettingsKeys::allowedCalories, 500.0f);
}

QDateTime OptionsUtil::getDatebirth(const QString& key) {
    const QVariant stored = UDefUtil::getUserDef(key);
    if (stored.metaType().id() == QMetaType::QDateTime && stored.toDateTime().isValid())
        return stored.toDateTime().toLocalTime();
    const QDate today = Clock::now().toLocalTime().date();
    const int year = today.year() - 25;
    // 29 February 25 years back does not exist: the day before keeps a birthday today's age.
    const int day = std::min(today.day(), DateUtil::daysInMonth(today.month(), year));
    return DateUtil::firstValidAtOrAfter(QDate(year, today.month(), day), QTime(0, 0));
}

float OptionsUtil::getAgeValue(const QString&) {
    const QDate birth = getDatebirth(SettingsKeys::dateBirth).date();
    const QDate today = Clock::now().toLocalTime().date();
    int age = today.year() - birth.year();
    if (today.month() == birth.month() && today.day() < birth.day())
        --age;
    if (today.month() < birth.month())
        --age;
    return float(age);
}

const QStringList& OptionsUtil::getActivityValues() {
    static const QStringList names{"Sedentary", "Lightly Active", "Moderately Active",
                                   "Very Active", "Extra Active"};
    return names;
}

int OptionsUtil::getActivityIndex() {
    const int index = UDefUtil::getUserDefInt(SettingsKeys::activity, 0);
    return index >= 0 && index < getActivityValues().size() ? index : 0;
}

float OptionsUtil::getWeight(float grams, bool usePound) {
    volatile float kilograms = grams / 1000.0f;
    return usePound ? kilograms / kilogramsPerPound<float> : kilograms;
}

float OptionsUtil::getGramm(float kilograms, bool usePound) {
    return usePound ? kilograms / kilogramsPerPound<float> : kilograms;
}

QString OptionsUtil::weightUnitName(bool usePound) {
    return usePound ? QStringLiteral("lb") : QStringLiteral("kg");
}

float OptionsUtil::getHeight(float centimetres, bool useInch) {
    return useInch ? centimetres * 0.39f : centimetres;
}

int OptionsUtil::toInches(int centimetres) {
    if (centimetres > 250)
        return 97;
    const float lowest = static_cast<float>(24.4 / 0.39);
    if (float(centimetres) < lowest)
        return 24;
    volatile float inches = float(centimetres) * 0.39f;
    // 250 x 0.39 rounds up to 98; the top of the centimetre range belongs to the top inch.
    return std::min(roundedAwayFromZero(inches), 97);
}

int OptionsUtil::toCm(int inches) {
    if (float(inches) > 97.5f)
        return 250;
    if (float(inches) < 23.4f)
        return 60;
    volatile float centimetres = float(inches) / 0.39f;
    return roundedAwayFromZero(centimetres);
}

bool OptionsUtil::isInCm() {
    return UDefUtil::getUserDefBool(SettingsKeys::heightInCm, false);
}
