#include "screens/exercise/ExerciseTableCell.h"

#include "ui/Metrics.h"

ExerciseTableCell::ExerciseTableCell(const QString& reuseIdentifier, QWidget* parent)
    : DiaryEntryCell(reuseIdentifier, parent) {}

DiaryEntryCell::Pieces ExerciseTableCell::leftPieces() const {
    const SavedExercisePtr entry = info();
    if (!entry)
        return {};
    return {{entry->durationString(), lightGray, 0}};
}

DiaryEntryCell::Pieces ExerciseTableCell::rightPieces() const {
    const SavedExercisePtr entry = info();
    Pieces pieces;
    if (!entry || showingDeleteConfirmation())
        return pieces;
    pieces.append({entry->caloriesString(), brown, Gap});
    if (!entry->caloriesDiffString().isEmpty())
        pieces.append(
            {entry->caloriesDiffString(), ui::Metrics::colorOf(entry->caloriesDiffColor()), Gap});
    pieces.append({QStringLiteral("cals"), brown, 0});
    return pieces;
}
