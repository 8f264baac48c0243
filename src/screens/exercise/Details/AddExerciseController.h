#pragma once

#include "core/catalogue/ExerciseDbo.h"
#include "core/diary/SavedExerciseDbo.h"
#include "screens/common/DayEntryEditor.h"
#include "ui/TextWheels.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/SpinTextFieldDelegate.h"

#include <QPointer>
#include <QStringList>
#include <optional>

class SelectExerciseController;
namespace ui {
class PickerView;
class SegmentedControl;
} // namespace ui

// Records one catalogue exercise: a duration on two wheels (hours, then minutes in steps of
// five) and an intensity, which give the calories burned at the intensity's METs times 80 an
// hour; the user may nudge the calories before saving. Opened by the exercise menu for a new
// entry and by the diary to edit one, whose day and exercise then stay as they are.
class AddExerciseController : public DayEntryEditor, public SpinTextFieldDelegate {
    Q_OBJECT
public:
    // Calories an hour per MET.
    static constexpr double CaloriesPerMet = 80.0;

    explicit AddExerciseController(bool editMode, QObject* parent = nullptr);

    // Holds the exercise being recorded.
    SelectExerciseController* exerciseMenu() const { return exerciseMenu_; }
    void setExerciseMenu(SelectExerciseController* menu) { exerciseMenu_ = menu; }
    std::optional<ExerciseDbo> exercise() const;
    // Whether the exercise can be recorded (it is in the catalogue with at least one
    // intensity); otherwise tells the user it is gone.
    static bool checkRecordable(const std::optional<ExerciseDbo>& exercise);

    int exerciseId() const { return exerciseId_; }
    // Prepares the screen to edit an entry; exerciseMenu must already hold its exercise.
    void setSavedExerciseData(const SavedExerciseDbo* entry);

    // The wheel rows: "0" to "10" hours, "00" to "55" minutes.
    static const QStringList& arrayByComponent(int component);
    // Minutes the wheels stand for.
    int durationMinutes() const;
    // One segment per intensity of the exercise, the first chosen.
    void setIntensity();
    void recalcBurnRate();
    void recalcCalories();
    void doSave() override;
    // Back to the first screen of the tab without saving.
    void doCancel();

    void viewWillAppear() override;

    ui::PickerView* duration() const { return duration_; }
    ui::SegmentedControl* exerciseIntensity() const { return exerciseIntensity_; }
    FoodSpin* burnRate() const { return burnRate_; }
    FoodSpin* calories() const { return calories_; }

    // Spins: nothing follows from a change.
    void spinValueChangedTo(FoodSpin*, float) override {}

protected:
    void loadView() override;

private:
    // METs of the chosen intensity; none without one.
    std::optional<double> selectedMets() const;
    void showDuration(int minutes);

    QPointer<SelectExerciseController> exerciseMenu_;
    int exerciseId_ = 0;
    ui::TextWheels wheels_;
    ui::PickerView* duration_ = nullptr;
    ui::SegmentedControl* exerciseIntensity_ = nullptr;
    QPointer<FoodSpin> burnRate_;
    QPointer<FoodSpin> calories_;
};
