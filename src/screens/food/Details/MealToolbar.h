#pragma once

#include "ui/Toolbar.h"

namespace ui {
class SegmentedControl;
}

// The meal choice of the food editors: "Breakfast", "Lunch", "Dinner", "Snacks" (meals 0 to 3)
// on a toolbar, breakfast chosen at start.
class MealToolbar : public ui::Toolbar {
    Q_OBJECT
public:
    explicit MealToolbar(QWidget* parent = nullptr);

    ui::SegmentedControl* foodType() const { return foodType_; }

private:
    ui::SegmentedControl* foodType_;
};
