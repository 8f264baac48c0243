#pragma once

#include "screens/profile/Details/ChoiceListController.h"

// The activity level ("Job Type"), from "Sedentary" to "Extra Active", stored at the tap.
class ActivitySelectController : public ChoiceListController {
    Q_OBJECT
public:
    explicit ActivitySelectController(QObject* parent = nullptr);
};
