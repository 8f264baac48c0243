#include "screens/profile/Details/EditDietPlanController.h"

#include "core/base/Units.h"
#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "ui/PickerView.h"

#include <cmath>

namespace {

bool usePounds() {
    return QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
}

// "3/2" reads 1.5, "1" reads 1.
double planValue(const QString& text) {
    if (text.size() <= 1)
        return text.toDouble();
    return text.left(1).toDouble() / text.mid(2).toDouble();
}

} // namespace

EditDietPlanController::EditDietPlanController(QObject* parent)
    : WheelEditorController(QStringLiteral("Diet Plan"), SettingsKeys::intensity, parent) {}

QStringList EditDietPlanController::arrayByComponent(int component) const {
    static const QStringList pounds{"0", "1/2", "1", "3/2", "2"};
    static const QStringList kilograms{"0", "1/4", "1/2", "3/4", "1"};
    if (component != 0)
        return {};
    return usePounds() ? pounds : kilograms;
}

QList<int> EditDietPlanController::storedRows() const {
    const double plan = UDefUtil::getUserDefDouble(keyValue(), 0.0);
    const double steps = usePounds() ? plan / kilogramsPerPound<double> * 2 : plan * 4;
    return {int(std::lround(steps))};
}

QString EditDietPlanController::infoText() const {
    const QString chosen = selectedText(0);
    if (chosen.left(1).toInt() == 0)
        return QStringLiteral("No Diet Plan");
    return QStringLiteral("Lose %1 %2/week").arg(chosen, OptionsUtil::weightUnitName(usePounds()));
}

void EditDietPlanController::store() {
    double plan = 0;
    if (picker()->selectedRowInComponent(0) > 0) {
        plan = planValue(selectedText(0));
        if (usePounds())
            plan /= 2.2;
    }
    UDefUtil::setUserDefDouble(plan, keyValue());
}
