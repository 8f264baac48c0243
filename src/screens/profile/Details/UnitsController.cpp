#include "screens/profile/Details/UnitsController.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/QVXUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

namespace {

// Row 0 of each section stands for yes: "cm" for heights, "lb" for weights.
const char* keyOf(int section) {
    return section == 0 ? SettingsKeys::heightInCm : SettingsKeys::weightInPounds;
}

} // namespace

UnitsController::UnitsController(QObject* parent)
    : ChoiceListController(QStringLiteral("Units"), {{"cm", "in"}, {"lb", "kg"}}, parent) {
    setRightButton(QStringLiteral("Done"), [this] {
        UDefUtil::setUserDefBool(isHeight(), SettingsKeys::heightInCm);
        UDefUtil::setUserDefBool(isWeight(), SettingsKeys::weightInPounds);
    });
}

int UnitsController::storedRow(int section) const {
    const bool yes =
        section == 0 ? OptionsUtil::isInCm() : QVXUtil::getWeightUnit(SettingsKeys::weightInPounds);
    return yes ? 0 : 1;
}

void UnitsController::storeRow(int section, int row) {
    UDefUtil::setUserDefBool(row == 0, keyOf(section));
}
