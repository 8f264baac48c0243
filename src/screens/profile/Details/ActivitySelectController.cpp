#include "screens/profile/Details/ActivitySelectController.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

ActivitySelectController::ActivitySelectController(QObject* parent)
    : ChoiceListController(QStringLiteral("Job Type"), {OptionsUtil::getActivityValues()}, parent) {
}

int ActivitySelectController::storedRow(int) const {
    return OptionsUtil::getActivityIndex();
}

void ActivitySelectController::storeRow(int, int row) {
    UDefUtil::setUserDefInt(row, SettingsKeys::activity);
}
