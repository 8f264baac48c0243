#pragma once

#include <QWidget>

class FastTableViewCell;

// The one drawing surface of a FastTableViewCell: it asks the cell to draw its content.
class FastTableViewCellView : public QWidget {
    Q_OBJECT
public:
    explicit FastTableViewCellView(FastTableViewCell* cell);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FastTableViewCell* cell_;
};
