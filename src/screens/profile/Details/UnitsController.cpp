#include "screens/profile/Details/UnitsController.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

namespace {

// Row 0 of each section stands for yes: "cm" for heights, "lb" for weights.
int rowOf(bool yes) {
    return yes ? 0 : 1;
}

} // namespace

UnitsController::UnitsController(QObject* parent)
    : ChoiceListController(
          QStringLiteral("Units"),
          {{{"cm", "in"},
            [] { return rowOf(OptionsUtil::isInCm()); },
            [](int row) { UDefUtil::setUserDefBool(row == 0, SettingsKeys::heightInCm); }},
           {{"lb", "kg"},
            [] { return rowOf(QVXUtil::getWeightUnit(SettingsKeys::weightInPounds)); },
            [](int row) { UDefUtil::setUserDefBool(row == 0, SettingsKeys::weightInPounds); }}},
          parent) {
    setRightButton(QStringLiteral("Done"), [this] {
        UDefUtil::setUserDefBool(isHeight(), SettingsKeys::heightInCm);
        UDefUtil::setUserDefBool(isWeight(), SettingsKeys::weightInPounds);
    });
}
