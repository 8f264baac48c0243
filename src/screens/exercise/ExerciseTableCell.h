#pragma once

#include "core/diary/SavedExerciseDbo.h"
#include "screens/common/DiaryEntryCell.h"

// One exercise diary entry: the category icon, the name, the duration, and on the right the
// calories the duration gives with the user's own change beside them, as in "240 (+25) cals".
class ExerciseTableCell : public DiaryEntryCell {
    Q_OBJECT
public:
    explicit ExerciseTableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    SavedExercisePtr info() const { return entryAs<SavedExerciseDbo>(); }
    void setInfo(SavedExercisePtr info) { setEntry(std::move(info)); }

    // The texts on the right as drawn, left to right; empty while Delete shows.
    QStringList caloriesTexts() const { return texts(rightPieces()); }

protected:
    Pieces leftPieces() const override;
    Pieces rightPieces() const override;
};
