#pragma once

#include "screens/profile/Details/ChoiceListController.h"

// Chooses the units the profile is shown and entered in: heights in centimetres or inches,
// weights in pounds or kilograms. A tap stores its choice at once; "Done" stores both again.
class UnitsController : public ChoiceListController {
    Q_OBJECT
public:
    explicit UnitsController(QObject* parent = nullptr);

    // Yes for centimetres.
    bool isHeight() const { return checkedRow(0) == 0; }
    // Yes for pounds.
    bool isWeight() const { return checkedRow(1) == 0; }
};
