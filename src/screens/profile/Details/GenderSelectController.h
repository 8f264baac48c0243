#pragma once

#include "screens/profile/Details/ChoiceListController.h"

// "Female" or "Male", stored at the tap.
class GenderSelectController : public ChoiceListController {
    Q_OBJECT
public:
    explicit GenderSelectController(QObject* parent = nullptr);
};
