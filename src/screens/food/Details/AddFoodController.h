#pragma once

#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/food/Details/FoodEntryEditor.h"
#include "ui/TextWheels.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/SpinTextFieldDelegate.h"

#include <QPointer>

class NutritionInfoPanel;
class SelectFoodController;

namespace ui {
class Label;
class PickerView;
} // namespace ui

// Records how much of one catalogue food was eaten: whole portions and a fraction on two
// wheels, the meal and the day; shows the nutrients of that amount and the calories and points,
// which the user may change on the spins. Opened by the food menu for a new entry and by the
// diary to edit one.
class AddFoodController : public FoodEntryEditor, public SpinTextFieldDelegate {
    Q_OBJECT
public:
    explicit AddFoodController(bool editMode, QObject* parent = nullptr);

    // Holds the catalogue item being recorded.
    SelectFoodController* foodMenu() const { return foodMenu_; }
    void setFoodMenu(SelectFoodController* menu) { foodMenu_ = menu; }

    // Prepares the screen to edit an entry; foodMenu must already hold the entry's item.
    void setSavedFoodData(const SavedFoodDbo* entry);
    // Portions of the two wheels.
    float portionCount() const;
    void recalcAll();
    void recalcPoints();
    void doSave() override;
    // Back one screen without saving.
    void doCancel() { doBack(); }

    void viewWillAppear() override;

    ui::PickerView* portion() const { return portion_; }
    ui::Label* servingLabel() const { return servingLabel_; }
    NutritionInfoPanel* infoPanel() const { return infoPanel_; }
    FoodSpin* calories() const { return calories_; }
    FoodSpin* points() const { return points_; }

    // Spins.
    void spinValueChangedTo(FoodSpin* spin, float value) override;

protected:
    void loadView() override;

private:
    void createContent(QWidget* view);
    // A wheel settled: the spins drop their changes and follow the new amount.
    void portionTurned();
    void showItemNutrition(float portions);
    std::optional<FoodSimpleDbo> item() const;

    QPointer<SelectFoodController> foodMenu_;
    ui::TextWheels wheels_;
    ui::PickerView* portion_ = nullptr;
    ui::Label* servingLabel_ = nullptr;
    NutritionInfoPanel* infoPanel_ = nullptr;
    QPointer<FoodSpin> calories_;
    QPointer<FoodSpin> points_;
};
