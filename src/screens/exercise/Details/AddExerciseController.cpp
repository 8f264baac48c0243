#include "screens/exercise/Details/AddExerciseController.h"

#include "core/dates/DateUtil.h"
#include "core/diary/DeviationText.h"
#include "screens/exercise/Details/SelectExerciseController.h"
#include "ui/AlertView.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/SegmentedControl.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/PixmapView.h"

#include <algorithm>
#include <cmath>

namespace {

const int wheelWidth = 70;
const int wheelRowHeight = 40;
const int minutesStep = 5;
const int wheelsTop = DayBar::Height;
const int wheelsHeight = 228;
const int panelHeight = 100;
const int intensityTop = ui::Metrics::FullContentHeight - 44;
// The caption "Intensity" takes the left of the intensity row.
const int intensityWidth = 216;
// How close a stored burn rate must come to an intensity's to be read as that intensity.
const float metsTolerance = 0.02f;

QStringList numbered(int count, int step, const char* format) {
    QStringList rows;
    for (int i = 0; i < count; ++i)
        rows.append(QString::asprintf(format, i * step));
    return rows;
}

} // namespace

AddExerciseController::AddExerciseController(bool editMode, QObject* parent)
    : DayEntryEditor(editMode, QStringLiteral("exercise_current_date"), QStringLiteral("Save"),
                     parent),
      wheels_({arrayByComponent(0), arrayByComponent(1)}, wheelWidth, wheelRowHeight,
              [this](int, int) { recalcCalories(); }) {
    view();
}

const QStringList& AddExerciseController::arrayByComponent(int component) {
    static const QStringList hours = numbered(11, 1, "%d");
    static const QStringList minutes = numbered(12, minutesStep, "%02d");
    return component == 0 ? hours : minutes;
}

void AddExerciseController::loadView() {
    DayEntryEditor::loadView();
    QWidget* root = view();
    auto* wheelsBack = new PixmapView(ControlImages::image("picker_bg.png"), root);
    wheelsBack->setGeometry(0, wheelsTop, ui::Metrics::ScreenWidth, wheelsHeight);
    duration_ = new ui::PickerView(wheelsBack);
    duration_->setObjectName("duration");
    wheels_.attachTo(duration_);
    duration_->setShowsSelectionIndicator(true);
    const int pickerWidth = 2 * wheelWidth + 20;
    duration_->setGeometry((ui::Metrics::ScreenWidth - pickerWidth) / 2, 6, pickerWidth,
                           wheelsHeight - 12);

    auto* panel = new PixmapView(ControlImages::image("bottom_panel_ex.png"), root);
    panel->setGeometry(0, wheelsTop + wheelsHeight, ui::Metrics::ScreenWidth, panelHeight);
    burnRate_ = new FoodSpin(QRect(4, 4, 152, 92), false, panel);
    burnRate_->setObjectName("burnRate");
    burnRate_->setUnit(QStringLiteral("calories/\nhour"));
    burnRate_->setUnitCountRows(2);
    calories_ = new FoodSpin(QRect(164, 4, 152, 92), true, panel);
    calories_->setObjectName("calories");
    calories_->setUnit(QStringLiteral("calories\nburned"));
    calories_->setUnitCountRows(2);
    calories_->setStep(1);
    attachDelegate(calories_.data(), this);

    exerciseIntensity_ =
        addSegmentedRow({}, intensityTop, QStringLiteral("Intensity"), intensityWidth);
    exerciseIntensity_->setObjectName("exerciseIntensity");
    connect(exerciseIntensity_, &ui::SegmentedControl::valueChanged, this,
            &AddExerciseController::recalcBurnRate);
}

std::optional<ExerciseDbo> AddExerciseController::exercise() const {
    return exerciseMenu_ ? exerciseMenu_->selectedItem() : std::nullopt;
}

bool AddExerciseController::checkRecordable(const std::optional<ExerciseDbo>& exercise) {
    if (exercise && !exercise->mets.isEmpty())
        return true;
    auto* alert =
        new ui::AlertView(QStringLiteral("Error"),
                          QStringLiteral("This exercise is no longer in the exercise database."),
                          QStringLiteral("Ok"));
    alert->show();
    return false;
}

void AddExerciseController::viewWillAppear() {
    DayEntryEditor::viewWillAppear();
    const std::optional<ExerciseDbo> shown = exercise();
    if (shown)
        setTitle(shown->name);
    if (isEditMode())
        return;
    showDuration(0);
    setIntensity();
    recalcBurnRate();
}

void AddExerciseController::setIntensity() {
    exerciseIntensity_->removeAllSegments();
    const std::optional<ExerciseDbo> shown = exercise();
    if (!shown)
        return;
    for (const ExerciseMets& mets : shown->mets)
        exerciseIntensity_->insertSegmentWithTitle(mets.metsName,
                                                   exerciseIntensity_->numberOfSegments());
    if (exerciseIntensity_->numberOfSegments() > 0)
        exerciseIntensity_->setSelectedSegmentIndex(0);
}

std::optional<double> AddExerciseController::selectedMets() const {
    const std::optional<ExerciseDbo> shown = exercise();
    const int index = exerciseIntensity_->selectedSegmentIndex();
    if (!shown || index < 0 || index >= shown->mets.size())
        return std::nullopt;
    return shown->mets.at(index).mets;
}

int AddExerciseController::durationMinutes() const {
    const int hours = std::max(0, duration_->selectedRowInComponent(0));
    const int fives = std::max(0, duration_->selectedRowInComponent(1));
    return 60 * hours + minutesStep * fives;
}

void AddExerciseController::showDuration(int minutes) {
    // A duration longer than the wheels reach shows as their longest.
    const int longest = 60 * int(arrayByComponent(0).size() - 1) +
                        minutesStep * int(arrayByComponent(1).size() - 1);
    const int shown = std::clamp(minutes, 0, longest);
    duration_->selectRow(shown / 60, 0, false);
    duration_->selectRow(shown % 60 / minutesStep, 1, false);
}

void AddExerciseController::recalcBurnRate() {
    const std::optional<double> mets = selectedMets();
    if (!mets)
        return;
    burnRate_->setNewValue(float(*mets * CaloriesPerMet));
    recalcCalories();
}

void AddExerciseController::recalcCalories() {
    const std::optional<double> mets = selectedMets();
    if (!mets)
        return;
    const int minutes = durationMinutes();
    const double calories = minutes == 0 ? 0.0 : *mets * CaloriesPerMet * (minutes / 60.0);
    calories_->setNewValue(float(calories));
}

void AddExerciseController::setSavedExerciseData(const SavedExerciseDbo* entry) {
    if (!entry)
        return;
    exerciseId_ = entry->dboId();
    setDate(entry->date());
    setIntensity();
    // The entry keeps its burn rate, so its intensity is the one with those METs.
    const float target = entry->burnRate() / float(CaloriesPerMet);
    if (const std::optional<ExerciseDbo> shown = exercise()) {
        for (int i = 0; i < shown->mets.size(); ++i) {
            if (std::fabs(float(shown->mets.at(i).mets) - target) < metsTolerance) {
                exerciseIntensity_->setSelectedSegmentIndex(i);
                break;
            }
        }
    }
    showDuration(entry->duration());
    calories_->setValueAdd(DeviationText::valueOf(entry->caloriesDiffString()));
    calories_->setValue(entry->calories());
    burnRate_->setValue(entry->burnRate());
}

void AddExerciseController::doSave() {
    const std::optional<ExerciseDbo> item = exercise();
    const std::optional<double> mets = selectedMets();
    if (!checkRecordable(item) || !mets)
        return;
    const int minutes = durationMinutes();
    if (minutes == 0) {
        auto* alert = new ui::AlertView(QStringLiteral("Error"),
                                        QStringLiteral("Please select a duration first."),
                                        QStringLiteral("Ok"));
        alert->show();
        return;
    }
    auto entry = std::make_shared<SavedExerciseDbo>();
    entry->setDboId(exerciseId_);
    entry->setExerciseItemId(item->dboId);
    entry->setExerciseCategoryId(ExerciseDbo::getCategoryIdForExercise(item->dboId));
    entry->setDuration(minutes);
    entry->setBurnRate(float(*mets * CaloriesPerMet));
    entry->setCalories(calories_->value());
    entry->setDate(DateUtil::trunc(date()));
    entry->getKindImage();
    store(*entry);
}

void AddExerciseController::doCancel() {
    if (ui::NavigationController* nav = navigationController())
        nav->popToRootViewController();
}
