#pragma once

#include "core/diary/SavedFoodDbo.h"
#include "ui/controls/FastTableViewCell.h"

// One food diary entry drawn in a 44-point row: the kind image, the name, the portions (or the
// calories) with the calorie deviation, and the points with their deviation on the right.
class FoodTableCell : public FastTableViewCell {
    Q_OBJECT
public:
    static constexpr int RowHeight = 44;

    explicit FoodTableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    const SavedFoodPtr& info() const { return info_; }
    // Keeps the entry and redraws.
    void setInfo(SavedFoodPtr info);

    // The texts of the second line as drawn, left to right (for the row's tests and automation).
    QStringList secondLineTexts() const;
    // The texts on the right as drawn; empty while Delete shows or without points.
    QStringList scoreTexts() const;

    void drawContentView(QPainter& painter, const QRect& rect) override;

private:
    struct Piece {
        QString text;
        QColor color;
        int gapAfter = 0;
    };
    QList<Piece> secondLine() const;
    QList<Piece> score() const;

    SavedFoodPtr info_;
};
