#pragma once

#include <QObject>
#include <QPointer>

class QVariantAnimation;

namespace ui {

// The turning state of one picker component: where the wheel stands (in rows, fractional while
// it moves) and the row it comes to rest on.
class PickerWheel : public QObject {
    Q_OBJECT
public:
    explicit PickerWheel(QObject* parent = nullptr);

    int rowCount() const { return rows_; }
    // Keeps the resting row inside the new range.
    void setRowCount(int rows);

    qreal position() const { return position_; }
    // The row the wheel rests on, or will rest on once it stops; -1 without rows.
    int selectedRow() const;

    // Follows a drag: the wheel may be pulled a little past either end.
    void dragTo(qreal position);
    // Turns to the row, over ms milliseconds (0: at once). Emits settled() when it rests.
    void turnTo(int row, int ms);
    // Where a flick released at the given speed (rows per second) comes to rest.
    int restingRowFor(qreal velocity) const;
    void stop();

signals:
    void positionChanged();
    void settled(int row);

private:
    int clampRow(int row) const;

    int rows_ = 0;
    qreal position_ = 0;
    int target_ = 0;
    QPointer<QVariantAnimation> animation_;
};

} // namespace ui
