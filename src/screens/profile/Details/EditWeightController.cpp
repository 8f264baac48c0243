#include "screens/profile/Details/EditWeightController.h"

#include "core/base/Units.h"
#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

#include <algorithm>
#include <cmath>

namespace {

const float lightestGrams = 30000.0f;
const float heaviestGrams = 300000.0f;
// The heaviest value the wheels can give in kilograms.
const float storedCeiling = 300900.0f;

bool usePounds() {
    return QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
}

int wholeUnits(float grams) {
    return int(std::lround(OptionsUtil::getWeight(grams, usePounds())));
}

const QStringList& weightFractions() {
    static const QStringList texts = [] {
        QStringList list;
        for (int i = 0; i < 10; ++i)
            list.append(QString::asprintf(".%i", i));
        return list;
    }();
    return texts;
}

} // namespace

EditWeightController::EditWeightController(QObject* parent)
    : WheelEditorController(QStringLiteral("Start Weight"), SettingsKeys::startWeight, parent) {}

void EditWeightController::viewWillAppear() {
    setTitle(keyValue() == QLatin1String(SettingsKeys::startWeight)
                 ? QStringLiteral("Start Weight")
                 : QStringLiteral("Goal Weight"));
    WheelEditorController::viewWillAppear();
}

QStringList EditWeightController::arrayByComponent(int component) const {
    if (component == 1)
        return weightFractions();
    if (component != 0)
        return {};
    QStringList weightValues;
    for (int n = wholeUnits(lightestGrams); n <= wholeUnits(heaviestGrams); ++n)
        weightValues.append(QString::number(n));
    return weightValues;
}

QList<int> EditWeightController::storedRows() const {
    const float shown =
        OptionsUtil::getWeight(OptionsUtil::getWeightValue(keyValue()), usePounds());
    const int first = wholeUnits(lightestGrams);
    // A weight entered in the other unit may lie a little past either end of these wheels.
    const int tenths =
        std::clamp(int(std::lround(shown * 10.0f)), first * 10, wholeUnits(heaviestGrams) * 10 + 9);
    return {tenths / 10 - first, tenths % 10};
}

QString EditWeightController::infoText() const {
    return QStringLiteral(" %1%2 %3")
        .arg(selectedText(0), selectedText(1), OptionsUtil::weightUnitName(usePounds()));
}

void EditWeightController::store() {
    const float chosen = (selectedText(0) + selectedText(1)).toFloat();
    float grams = chosen * 1000.0f;
    if (usePounds())
        grams *= kilogramsPerPound<float>;
    UDefUtil::setUserDefFloat(std::min(grams, storedCeiling), keyValue());
}
