#include "core/profile/CalorieBudget.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

#include <cmath>

namespace {

float plan() {
    return OptionsUtil::getIntensityValue(SettingsKeys::intensity);
}

QString loseText(float value) {
    const bool pounds = QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
    return QString::asprintf("Lose %.2f %s/week", double(value),
                             qPrintable(OptionsUtil::weightUnitName(pounds)));
}

} // namespace

float CalorieBudget::basalRate() {
    const bool female = UDefUtil::getUserDefBool(SettingsKeys::sex, true);
    const double w =
        OptionsUtil::getWeight(OptionsUtil::getWeightValue(SettingsKeys::startWeight), true);
    const double h =
        OptionsUtil::getHeight(OptionsUtil::getHeightValue(SettingsKeys::height), true);
    const double a = OptionsUtil::getAgeValue(SettingsKeys::dateBirth);
    const double rate = female ? ((655.0 + 4.3 * w) + 4.7 * h) + (-4.7 * a)
                               : ((66.0 + 6.3 * w) + 12.9 * h) + (-6.8 * a);
    return static_cast<float>(rate);
}

float CalorieBudget::activeRate() {
    const float b = basalRate();
    volatile float hundredth = b / 100.0f;
    volatile float scaled = hundredth * float(OptionsUtil::getActivityIndex() * 10 + 20);
    return scaled + b;
}

float CalorieBudget::allowance() {
    const float t = activeRate();
    volatile float deficit = plan() * -1100.0f;
    return deficit + t;
}

float CalorieBudget::calcCalories() {
    const float next = allowance();
    const float previous = UDefUtil::getUserDefFloat(SettingsKeys::allowedCalories, 0.0f);
    volatile float change = next - previous;
    if (std::trunc(change) != 0.0f)
        UDefUtil::setUserDefInt(0, SettingsKeys::allowedCaloriesAdd);
    UDefUtil::setUserDefFloat(next, SettingsKeys::allowedCalories);
    return next;
}

void CalorieBudget::storeAllowance(float total, float adjustment) {
    UDefUtil::setUserDefFloat(total - adjustment, SettingsKeys::allowedCalories);
    UDefUtil::setUserDefFloat(adjustment, SettingsKeys::allowedCaloriesAdd);
}

float CalorieBudget::adjustment() {
    return UDefUtil::getUserDefFloat(SettingsKeys::allowedCaloriesAdd, 0.0f);
}

float CalorieBudget::effectiveAllowance() {
    return OptionsUtil::getAllowedCalories() + adjustment();
}

float CalorieBudget::calcDuration() {
    const float d = plan();
    if (!(d > 0.0f))
        return 0.0f;
    const float start = OptionsUtil::getWeightValue(SettingsKeys::startWeight);
    const float goal = OptionsUtil::getWeightValue(SettingsKeys::goalWeight);
    volatile float kilograms = std::fabs(start - goal) / 1000.0f;
    volatile float perDay = d / 7.0f;
    volatile float days = kilograms / perDay;
    return std::round(days);
}

QString CalorieBudget::durationText() {
    const float days = calcDuration();
    const QString number = days == 0.0f ? QStringLiteral("-") : QString::asprintf("%.2f", days);
    return QStringLiteral("%1 days").arg(number);
}

float CalorieBudget::planInDisplayUnit() {
    const float d = plan();
    if (QVXUtil::getWeightUnit(SettingsKeys::weightInPounds))
        return static_cast<float>(double(d) * 2.2);
    return d;
}

QString CalorieBudget::planTextForProfile() {
    const float value = planInDisplayUnit();
    return value >= 0.1f ? loseText(value) : QStringLiteral("No Diet Plan");
}

QString CalorieBudget::planTextForEditor() {
    const float value = planInDisplayUnit();
    return value >= 0.01f ? loseText(value) : QStringLiteral("No Diet Plan");
}

QString CalorieBudget::allowanceText() {
    const float allowed = OptionsUtil::getAllowedCalories();
    const float add = adjustment();
    if (add == 0.0f)
        return QString::asprintf("%.0f", double(allowed));
    const float total = std::round(allowed) + add;
    return QString::asprintf("%.0f/%s%.0f", double(total), add > 0.0f ? "+" : "", double(add));
}
