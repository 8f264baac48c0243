#include "screens/food/FoodTableCell.h"

#include "ui/Metrics.h"

namespace {

// The portion text's leading digits as a number, so "0.50x250" reads 0.
int leadingInteger(const QString& text) {
    int value = 0;
    for (const QChar c : text) {
        if (!c.isDigit())
            break;
        value = value * 10 + c.digitValue();
    }
    return value;
}

} // namespace

FoodTableCell::FoodTableCell(const QString& reuseIdentifier, QWidget* parent)
    : DiaryEntryCell(reuseIdentifier, parent) {}

void FoodTableCell::setInfo(SavedFoodPtr info) {
    info_ = std::move(info);
    setNeedsDisplay();
}

QString FoodTableCell::entryName() const {
    return info_ ? info_->name() : QString();
}

QString FoodTableCell::entryImage() const {
    return info_ ? info_->kindImage() : QString();
}

DiaryEntryCell::Pieces FoodTableCell::leftPieces() const {
    Pieces pieces;
    if (!info_)
        return pieces;
    const bool portions = leadingInteger(info_->portionString()) != 0;
    const QString first =
        portions ? info_->portionString() : info_->caloriesString() + QStringLiteral(" cals");
    pieces.append({first, lightGray, Gap});
    if (!info_->caloriesDiffString().isEmpty())
        pieces.append(
            {info_->caloriesDiffString(), ui::Metrics::colorOf(info_->caloriesDiffColor()), Gap});
    // A row that already reads "... cals" gets no second "cals".
    if (portions && info_->resultPoints() != 0.0f)
        pieces.append({QStringLiteral("cals"), lightGray, 0});
    return pieces;
}

DiaryEntryCell::Pieces FoodTableCell::rightPieces() const {
    Pieces pieces;
    if (!info_ || showingDeleteConfirmation() || info_->pointsString().isEmpty())
        return pieces;
    pieces.append({info_->pointsString(), brown, Gap});
    if (!info_->pointsDiffString().isEmpty())
        pieces.append(
            {info_->pointsDiffString(), ui::Metrics::colorOf(info_->pointsDiffColor()), Gap});
    pieces.append({QStringLiteral("score"), brown, 0});
    return pieces;
}
