#include "screens/weight/WeightTexts.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/text/ConvertUtil.h"

bool WeightTexts::usePounds() {
    return QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
}

float WeightTexts::shown(float kilograms, bool pounds) {
    return OptionsUtil::getGramm(kilograms, pounds);
}

QString WeightTexts::withUnit(float kilograms, bool pounds) {
    return QString::asprintf("%.1f ", double(shown(kilograms, pounds))) +
           OptionsUtil::weightUnitName(pounds);
}

QString WeightTexts::timeOfDay(const QDateTime& moment) {
    return ConvertUtil::date2str(moment, QStringLiteral("hh:mm aa"));
}
