#include "screens/food/Details/MealToolbar.h"

#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/SegmentedControl.h"

MealToolbar::MealToolbar(QWidget* parent)
    : ui::Toolbar(parent),
      foodType_(new ui::SegmentedControl({"Breakfast", "Lunch", "Dinner", "Snacks"})) {
    setObjectName("mealBar");
    const QColor tint = ui::Metrics::tintColor();
    setTintColor(tint);
    resize(ui::Metrics::ScreenWidth, kHeight);
    foodType_->setObjectName("foodType");
    foodType_->setSegmentedControlStyle(ui::SegmentedControl::Style::Bar);
    foodType_->setTintColor(tint);
    foodType_->resize(304, 30);
    foodType_->setSelectedSegmentIndex(0);
    setItems({ui::BarButtonItem::flexibleSpace(), ui::BarButtonItem::withCustomView(foodType_),
              ui::BarButtonItem::flexibleSpace()});
}
