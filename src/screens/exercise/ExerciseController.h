#pragma once

#include "core/diary/ExerciseDayInfo.h"
#include "screens/common/DiaryDayController.h"

class ExerciseMenuController;

// The Exercise tab: one day of the exercise diary by category, with the day's summary under
// it. It opens the exercise menu to add and an entry's editor to change it, deletes entries,
// and is what the editors tell to refresh after a save. Its day is shared with the editors
// through vars "exercise_current_date".
class ExerciseController : public DiaryDayTab<ExerciseDayInfo> {
    Q_OBJECT
public:
    explicit ExerciseController(QObject* parent = nullptr);
    ~ExerciseController() override;

    ExerciseMenuController* exerciseMenu() const { return exerciseMenu_; }

    void addNewExercise() { openAddMenu(); }

    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override;
    QString tableViewSectionInfo(ui::TableView* table, int section) const override;

protected:
    ui::ViewController* addMenu() const override;
    int sectionCount() const override;
    void openEntry(const ui::IndexPath& path) override;

private:
    ExerciseMenuController* exerciseMenu_ = nullptr;
};
