#include "screens/profile/Details/GenderSelectController.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

GenderSelectController::GenderSelectController(QObject* parent)
    : ChoiceListController(
          QStringLiteral("Gender"),
          {{{"Female", "Male"},
            [] { return UDefUtil::getUserDefBool(SettingsKeys::sex, true) ? 0 : 1; },
            [](int row) { UDefUtil::setUserDefBool(row == 0, SettingsKeys::sex); }}},
          parent) {}
