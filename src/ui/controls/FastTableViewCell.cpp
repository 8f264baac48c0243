#include "ui/controls/FastTableViewCell.h"

#include "ui/DelayedAction.h"
#include "ui/controls/FastTableViewCellView.h"

FastTableViewCell::FastTableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : ui::TableViewCell(reuseIdentifier, parent), view_(new FastTableViewCellView(this)) {
    view_->setGeometry(0, 0, width(), std::max(0, height() - 1));
}

void FastTableViewCell::setNeedsDisplay() {
    update();
    view_->update();
}

void FastTableViewCell::setSelected(bool selected, bool animated) {
    ui::TableViewCell::setSelected(selected, animated);
    if (animated)
        ui::DelayedAction::after(this, 200, [this] { setNeedsDisplay(); });
    else
        setNeedsDisplay();
}

void FastTableViewCell::drawContentView(QPainter&, const QRect&) {}

void FastTableViewCell::resizeEvent(QResizeEvent* event) {
    ui::TableViewCell::resizeEvent(event);
    view_->setGeometry(0, 0, width(), std::max(0, height() - 1));
}

void FastTableViewCell::stateChanged() {
    ui::TableViewCell::stateChanged();
    setNeedsDisplay();
}
