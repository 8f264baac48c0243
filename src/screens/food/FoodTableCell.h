#pragma once

#include "core/diary/SavedFoodDbo.h"
#include "screens/common/DiaryEntryCell.h"

// One food diary entry: the kind image, the name, the portions (or the calories) with the
// calorie deviation, and the points with their deviation on the right.
class FoodTableCell : public DiaryEntryCell {
    Q_OBJECT
public:
    explicit FoodTableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    const SavedFoodPtr& info() const { return info_; }
    // Keeps the entry and redraws.
    void setInfo(SavedFoodPtr info);

    // The texts of the second line as drawn, left to right (for the row's tests and automation).
    QStringList secondLineTexts() const { return texts(leftPieces()); }
    // The texts on the right as drawn; empty while Delete shows or without points.
    QStringList scoreTexts() const { return texts(rightPieces()); }

protected:
    bool hasEntry() const override { return info_ != nullptr; }
    QString entryName() const override;
    QString entryImage() const override;
    Pieces leftPieces() const override;
    Pieces rightPieces() const override;

private:
    SavedFoodPtr info_;
};
