#include "ui/controls/FastTableViewCellView.h"

#include "ui/controls/FastTableViewCell.h"

#include <QPainter>

FastTableViewCellView::FastTableViewCellView(FastTableViewCell* cell) : QWidget(cell), cell_(cell) {
    // The table routes all input itself.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FastTableViewCellView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    cell_->drawContentView(painter, rect());
}
