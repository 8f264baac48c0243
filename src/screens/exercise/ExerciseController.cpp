#include "screens/exercise/ExerciseController.h"

#include "screens/exercise/Details/ExerciseEditorOpener.h"
#include "screens/exercise/Details/ExerciseMenuController.h"
#include "screens/exercise/ExerciseTableCell.h"
#include "ui/TableView.h"

ExerciseController::ExerciseController(QObject* parent)
    : DiaryDayTab(QStringLiteral("exercise_current_date"), QStringLiteral("Exercise"),
                  QStringLiteral("exercise.png"), parent) {
    // The menu lives as long as this screen, so the navigation stack must not delete it.
    exerciseMenu_ = new ExerciseMenuController(this, this);
    init();
}

ExerciseController::~ExerciseController() = default;

ui::ViewController* ExerciseController::addMenu() const {
    return exerciseMenu_;
}

int ExerciseController::sectionCount() const {
    return ExerciseDayInfo::categoryCount();
}

ui::TableViewCell* ExerciseController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("any-cell");
    auto* cell = qobject_cast<ExerciseTableCell*>(table->dequeueReusableCell(identifier));
    if (!cell)
        cell = new ExerciseTableCell(identifier);
    cell->setInfo(entryAt(path));
    return cell;
}

QString ExerciseController::tableViewSectionInfo(ui::TableView*, int section) const {
    // The plain form of the number: 420, or 12.5 should a total ever have a fraction.
    const float total = dayData_ ? dayData_->itemsTotal().value(section) : 0.0f;
    return QString::number(double(total), 'g', 10);
}

void ExerciseController::openEntry(const ui::IndexPath& path) {
    if (dayData_)
        ExerciseEditorOpener::open(navigationController(), this, entryAt(path));
}
