#pragma once

#include "core/diary/SavedFoodDbo.h"
#include "screens/common/DiaryEntryCell.h"

// One food diary entry: the kind image, the name, the portions (or the calories) with the
// calorie deviation, and the points with their deviation on the right.
class FoodTableCell : public DiaryEntryCell {
    Q_OBJECT
public:
    explicit FoodTableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    SavedFoodPtr info() const { return entryAs<SavedFoodDbo>(); }
    void setInfo(SavedFoodPtr info) { setEntry(std::move(info)); }

    // The texts of the second line as drawn, left to right (for the row's tests and automation).
    QStringList secondLineTexts() const { return texts(leftPieces()); }
    // The texts on the right as drawn; empty while Delete shows or without points.
    QStringList scoreTexts() const { return texts(rightPieces()); }

protected:
    Pieces leftPieces() const override;
    Pieces rightPieces() const override;
};
