#pragma once

#include "screens/food/Details/SelectFoodController.h"
#include "ui/TextField.h"
#include "ui/TextFieldDelegate.h"

#include <QDateTime>
#include <QPointer>

class DayBar;
class SavedFoodDbo;

namespace ui {
class BarButtonItem;
class Label;
class SegmentedControl;
} // namespace ui

// The speedy entry: a number of calories under a free name for a meal and a day, without a
// catalogue item. Opened from the food menu (empty, or filled from a remembered speedy entry)
// and from the diary to edit a speedy entry.
class QuickCalories : public SelectFoodController, public ui::TextFieldDelegate {
    Q_OBJECT
public:
    explicit QuickCalories(bool editMode, QObject* parent = nullptr);
    ~QuickCalories() override;

    bool isEditMode() const { return isEditMode_; }
    int foodId() const { return foodId_; }
    QDateTime date() const { return date_; }
    void setDate(const QDateTime& date);
    // A new entry's day moves, and the diary follows.
    void plusDay();
    void minusDay();

    void setNameString(const QString& text);
    void setCalsString(const QString& text);
    void setSavedFoodData(const SavedFoodDbo* entry);

    // The name and the calories as a food row: name, and calories as numAttribute.
    std::optional<FoodSimpleDbo> selectedItem() const override;
    // "Done": saves the entry.
    void select();

    void viewWillAppear() override;

    ui::Label* monthLabel() const;
    ui::SegmentedControl* foodType() const { return foodType_; }
    ui::TextField* calories() const { return calories_; }
    ui::TextField* name() const { return name_; }
    ui::BarButtonItem* doneButton() const { return done_; }

    bool textFieldShouldChangeCharactersInRange(ui::TextField* field, ui::TextRange range,
                                                const QString& replacement) override;

protected:
    void loadView() override;

private:
    void dayStepped(const QDateTime& date);
    void updateDone(const QString& nameText, const QString& caloriesText);
    static float caloriesOf(const QString& text);

    bool isEditMode_;
    int foodId_ = 0;
    QDateTime date_;

    ui::BarButtonItem* done_;
    DayBar* dayBar_ = nullptr;
    ui::SegmentedControl* foodType_ = nullptr;
    QPointer<ui::TextField> calories_;
    QPointer<ui::TextField> name_;
};
