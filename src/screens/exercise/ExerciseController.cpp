#include "screens/exercise/ExerciseController.h"

#include "screens/exercise/Details/ExerciseEditorOpener.h"
#include "screens/exercise/Details/ExerciseMenuController.h"
#include "screens/exercise/ExerciseTableCell.h"
#include "ui/TableView.h"

ExerciseController::ExerciseController(QObject* parent)
    : DiaryDayController(QStringLiteral("exercise_current_date"), QStringLiteral("Exercise"),
                         QStringLiteral("exercise.png"), parent) {
    // The menu lives as long as this screen, so the navigation stack must not delete it.
    exerciseMenu_ = new ExerciseMenuController(this, this);
    init();
}

ExerciseController::~ExerciseController() = default;

ExerciseDayList& ExerciseController::listData() {
    return ExerciseDayInfo::exerciseList();
}

ui::ViewController* ExerciseController::addMenu() const {
    return exerciseMenu_;
}

void ExerciseController::loadDay() {
    dayData_ = ExerciseDayInfo::getExerciseOn(currDate());
}

bool ExerciseController::dayIsListed() const {
    return dayData_ && listData().dayOn(dayData_->date()) == dayData_;
}

int ExerciseController::sectionCount() const {
    return ExerciseDayInfo::categoryCount();
}

int ExerciseController::entryCount(int section) const {
    if (!dayData_ || !dayData_->validGroup(section))
        return 0;
    return int(dayData_->items().at(section).size());
}

ui::TableViewCell* ExerciseController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("any-cell");
    auto* cell = qobject_cast<ExerciseTableCell*>(table->dequeueReusableCell(identifier));
    if (!cell)
        cell = new ExerciseTableCell(identifier);
    cell->setInfo(dayData_ ? dayData_->entryAt(path.section, path.row) : nullptr);
    return cell;
}

QString ExerciseController::tableViewSectionName(ui::TableView*, int section) const {
    return ExerciseDayInfo::nameForItemsAtIndex(section);
}

QString ExerciseController::tableViewSectionInfo(ui::TableView*, int section) const {
    // The plain form of the number: 420, or 12.5 should a total ever have a fraction.
    const float total = dayData_ ? dayData_->itemsTotal().value(section) : 0.0f;
    return QString::number(double(total), 'g', 10);
}

void ExerciseController::removeEntry(const ui::IndexPath& path) {
    // Hold the day: removing its last entry may take it out of the list.
    const ExerciseDayPtr day = dayData_;
    day->removeExerciseAtIndexPath(path.section, path.row);
}

void ExerciseController::openEntry(const ui::IndexPath& path) {
    if (dayData_)
        ExerciseEditorOpener::open(navigationController(), this,
                                   dayData_->entryAt(path.section, path.row));
}
