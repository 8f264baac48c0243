#include "screens/food/FoodTableCell.h"

#include "core/text/ConvertUtil.h"
#include "ui/Metrics.h"

FoodTableCell::FoodTableCell(const QString& reuseIdentifier, QWidget* parent)
    : DiaryEntryCell(reuseIdentifier, parent) {}

DiaryEntryCell::Pieces FoodTableCell::leftPieces() const {
    const SavedFoodPtr entry = info();
    Pieces pieces;
    if (!entry)
        return pieces;
    const bool portions = ConvertUtil::leadingInteger(entry->portionString()) != 0;
    const QString first =
        portions ? entry->portionString() : entry->caloriesString() + QStringLiteral(" cals");
    pieces.append({first, lightGray, Gap});
    if (!entry->caloriesDiffString().isEmpty())
        pieces.append(
            {entry->caloriesDiffString(), ui::Metrics::colorOf(entry->caloriesDiffColor()), Gap});
    // A row that already reads "... cals" gets no second "cals".
    if (portions && entry->resultPoints() != 0.0f)
        pieces.append({QStringLiteral("cals"), lightGray, 0});
    return pieces;
}

DiaryEntryCell::Pieces FoodTableCell::rightPieces() const {
    const SavedFoodPtr entry = info();
    Pieces pieces;
    if (!entry || showingDeleteConfirmation() || entry->pointsString().isEmpty())
        return pieces;
    pieces.append({entry->pointsString(), brown, Gap});
    if (!entry->pointsDiffString().isEmpty())
        pieces.append(
            {entry->pointsDiffString(), ui::Metrics::colorOf(entry->pointsDiffColor()), Gap});
    pieces.append({QStringLiteral("score"), brown, 0});
    return pieces;
}
