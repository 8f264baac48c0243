#include "screens/profile/Details/ActivitySelectController.h"

#include "core/profile/OptionsUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"

ActivitySelectController::ActivitySelectController(QObject* parent)
    : ChoiceListController(
          QStringLiteral("Job Type"),
          {{OptionsUtil::getActivityValues(), [] { return OptionsUtil::getActivityIndex(); },
            [](int row) { UDefUtil::setUserDefInt(row, SettingsKeys::activity); }}},
          parent) {}
