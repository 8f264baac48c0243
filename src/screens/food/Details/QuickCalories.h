#pragma once

#include "core/catalogue/FoodSimpleDbo.h"
#include "screens/food/Details/FoodEntryEditor.h"
#include "ui/TextField.h"

#include <QPointer>
#include <optional>

class SpeedyCard;

// The speedy entry: a number of calories under a free name for a meal and a day, without a
// catalogue item. Opened from the food menu (empty, or filled from a remembered speedy entry)
// and from the diary to edit a speedy entry.
class QuickCalories : public FoodEntryEditor {
    Q_OBJECT
public:
    explicit QuickCalories(bool editMode, QObject* parent = nullptr);

    void setNameString(const QString& text);
    void setCalsString(const QString& text);
    void setSavedFoodData(const SavedFoodDbo* entry);

    // The name and the calories as a food row: name, and calories as numAttribute.
    std::optional<FoodSimpleDbo> selectedItem() const;
    // "Done": saves the entry.
    void select() { doSave(); }
    void doSave() override;

    void viewWillAppear() override;

    ui::TextField* calories() const { return calories_; }
    ui::TextField* name() const { return name_; }
    ui::BarButtonItem* doneButton() const { return saveButton(); }

protected:
    void loadView() override;

private:
    static float caloriesOf(const QString& text);

    QPointer<SpeedyCard> card_;
    QPointer<ui::TextField> calories_;
    QPointer<ui::TextField> name_;
};
