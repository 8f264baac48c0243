#pragma once

#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/QVXViewController.h"
#include "ui/controls/SpinTextFieldDelegate.h"

#include <QDateTime>
#include <QPointer>

class DayBar;
class NutritionInfoPanel;
class RefresherDelegate;
class SavedFoodDbo;
class SelectFoodController;

namespace ui {
class Label;
class PickerView;
class SegmentedControl;
} // namespace ui

// Records how much of one catalogue food was eaten: whole portions and a fraction on two
// wheels, the meal and the day; shows the nutrients of that amount and the calories and points,
// which the user may change on the spins. Opened by the food menu for a new entry and by the
// diary to edit one.
class AddFoodController : public QVXViewController,
                          public ui::PickerViewDataSource,
                          public ui::PickerViewDelegate,
                          public SpinTextFieldDelegate {
    Q_OBJECT
public:
    explicit AddFoodController(bool editMode, QObject* parent = nullptr);
    ~AddFoodController() override;

    bool isEditMode() const { return isEditMode_; }
    void setEditMode(bool editMode) { isEditMode_ = editMode; }
    int foodId() const { return foodId_; }
    // Holds the catalogue item being recorded.
    SelectFoodController* foodMenu() const { return foodMenu_; }
    void setFoodMenu(SelectFoodController* menu) { foodMenu_ = menu; }
    // Told to refresh after a save; it outlives this screen.
    RefresherDelegate* owner() const { return owner_; }
    void setOwner(RefresherDelegate* owner) { owner_ = owner; }

    QDateTime date() const { return date_; }
    // A new entry also makes this the diary's day.
    void setDate(const QDateTime& date);
    void plusDay();
    void minusDay();

    // Prepares the screen to edit an entry; foodMenu must already hold the entry's item.
    void setSavedFoodData(const SavedFoodDbo* entry);
    // Portions of the two wheels.
    float portionCount() const;
    void recalcAll();
    void recalcPoints();
    void doSave();
    void doCancel();

    void viewWillAppear() override;

    ui::Label* monthLabel() const;
    ui::SegmentedControl* foodType() const { return foodType_; }
    ui::PickerView* portion() const { return portion_; }
    ui::Label* servingLabel() const { return servingLabel_; }
    NutritionInfoPanel* infoPanel() const { return infoPanel_; }
    FoodSpin* calories() const { return calories_; }
    FoodSpin* points() const { return points_; }

    // Wheels.
    int numberOfComponents(ui::PickerView* picker) override;
    int numberOfRows(ui::PickerView* picker, int component) override;
    QString titleForRow(ui::PickerView* picker, int row, int component) override;
    int widthForComponent(ui::PickerView* picker, int component) override;
    int rowHeightForComponent(ui::PickerView* picker, int component) override;
    void didSelectRow(ui::PickerView* picker, int row, int component) override;
    // Spins.
    void spinValueChangedTo(FoodSpin* spin, float value) override;

protected:
    void loadView() override;

private:
    void dayStepped(const QDateTime& date);
    void createContent(QWidget* view);
    void showItemNutrition(float portions);

    bool isEditMode_;
    int foodId_ = 0;
    QPointer<SelectFoodController> foodMenu_;
    RefresherDelegate* owner_ = nullptr;
    QDateTime date_;

    DayBar* dayBar_ = nullptr;
    ui::SegmentedControl* foodType_ = nullptr;
    ui::PickerView* portion_ = nullptr;
    ui::Label* servingLabel_ = nullptr;
    NutritionInfoPanel* infoPanel_ = nullptr;
    QPointer<FoodSpin> calories_;
    QPointer<FoodSpin> points_;
};
