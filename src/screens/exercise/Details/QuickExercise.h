#pragma once

#include "core/diary/SavedExerciseDbo.h"
#include "screens/common/DayEntryEditor.h"

#include <QPointer>

class SpeedyCard;
namespace ui {
class TextField;
}

// The speedy exercise: calories burned under a free name or note for a day, without a
// catalogue exercise (item 0, category 1). Opened from the exercise menu (empty, or filled from
// a remembered speedy entry) and from the diary to edit a speedy entry.
class QuickExercise : public DayEntryEditor {
    Q_OBJECT
public:
    explicit QuickExercise(bool editMode, QObject* parent = nullptr);

    int exerciseId() const { return exerciseId_; }
    void setNameString(const QString& text);
    void setCalsString(const QString& text);
    void setSavedExerciseData(const SavedExerciseDbo* entry);
    // Refuses calories that come to less than one with an alert, which empties the field.
    void doSave() override;
    // The name takes the keyboard.
    void viewWillAppear() override;

    ui::TextField* calories() const;
    ui::TextField* name() const;

protected:
    void loadView() override;

private:
    void caloriesRefused();

    int exerciseId_ = 0;
    QPointer<SpeedyCard> card_;
};
