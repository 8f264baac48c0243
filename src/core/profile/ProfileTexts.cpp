#include "core/profile/ProfileTexts.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

namespace {

bool usePounds() {
    return QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
}

} // namespace

QString ProfileTexts::unitsText() {
    return QStringLiteral("(%1, %2)")
        .arg(OptionsUtil::isInCm() ? QStringLiteral("cm") : QStringLiteral("in"),
             OptionsUtil::weightUnitName(usePounds()));
}

QString ProfileTexts::genderText() {
    return UDefUtil::getUserDefBool(SettingsKeys::sex, true) ? QStringLiteral("Female")
                                                             : QStringLiteral("Male");
}

QString ProfileTexts::ageText() {
    return QString::asprintf("%0.0f", double(OptionsUtil::getAgeValue(SettingsKeys::dateBirth)));
}

QString ProfileTexts::heightText() {
    const float height = OptionsUtil::getHeightValue(SettingsKeys::height);
    if (OptionsUtil::isInCm())
        return QString::asprintf("%.1f cm", double(height));
    return feetAndInches(OptionsUtil::toInches(int(height)));
}

QString ProfileTexts::feetAndInches(int inches) {
    return QString::asprintf(" %i' %i\"", inches / 12, inches % 12);
}

QString ProfileTexts::weightText(const QString& key) {
    const bool pounds = usePounds();
    const float weight = OptionsUtil::getWeight(OptionsUtil::getWeightValue(key), pounds);
    return QString::asprintf("%.1f %s", double(weight),
                             qPrintable(OptionsUtil::weightUnitName(pounds)));
}

QString ProfileTexts::activityName() {
    return OptionsUtil::getActivityValues().at(OptionsUtil::getActivityIndex());
}
