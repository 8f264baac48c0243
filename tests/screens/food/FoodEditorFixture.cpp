#include "FoodEditorFixture.h"

#include "core/base/Clock.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/food/FoodController.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "ui/controls/QVXTableView.h"

void ScreenFixture::SetUp() {
    QuorvelTest::SetUp();
    Clock::set(at(2026, 12, 6, 9, 30));
}

void ScreenFixture::TearDown() {
    stack.reset();
    QuorvelTest::TearDown();
}

void FoodTabFixture::SetUp() {
    ScreenFixture::SetUp();
    food = new FoodController;
    show(food);
}

ui::TableView* FoodTabFixture::dayList() const {
    return food->dayTable()->tableView();
}

QString FoodTabFixture::panelValue(int index) const {
    return food->daysummarypanel()->itemByIdx(index)->text();
}

void FoodEditorFixture::SetUp() {
    ScreenFixture::SetUp();
    // The first catalogue read puts the writable copy in place.
    FoodSimpleDbo::getFoodTypes();
    addCatalogueFood(stewId, "Test stew", 250, 12, 2);
    addCatalogueFood(waterId, "Test water", 0, 1, 0);
    owner = new RecordingOwner;
    show(owner, {320, 460});
}

void FoodEditorFixture::addCatalogueFood(int id, const QString& name, double calories, double fat,
                                         double fiber) {
    RawDatabase::user("food.db").exec(
        QString("insert into food_items (id, name, l_name, type_id, kind_id, restaurant_id) "
                "values (%1, '%2', '%3', 0, 0, 0);"
                "insert into nutrition_values (food_item_id, serving_size, serving_size_gms, "
                "calories, total_fat, cholesterol, sodium, protein, calcium, iron, "
                "carbohydrate_dietary_fiber, total_carbohydrate, food_points) values "
                "(%1, '1 bowl', 300, %4, %5, 0, 0, 9, 0, 0, %6, 30, 0)")
            .arg(id)
            .arg(name, name.toLower().remove(' '))
            .arg(calories)
            .arg(fat)
            .arg(fiber));
}
