#include "screens/weight/TrendChartView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

TrendChartView::TrendChartView(QWidget* parent) : QWidget(parent) {
    setObjectName("trendChart");
    setFocusPolicy(Qt::StrongFocus);
}

void TrendChartView::setChart(const TrendChartPainter::Chart& chart) {
    chart_ = chart;
    update();
}

void TrendChartView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    TrendChartPainter::paint(p, rect(), chart_);
}

void TrendChartView::mousePressEvent(QMouseEvent* event) {
    pressX_ = event->position().x();
}

void TrendChartView::mouseReleaseEvent(QMouseEvent* event) {
    if (!pressX_)
        return;
    const double moved = event->position().x() - *pressX_;
    pressX_.reset();
    // Pulling the chart to the right brings the earlier days into view.
    if (moved > PageDrag)
        emit pagedBack();
    else if (moved < -PageDrag)
        emit pagedForward();
}

void TrendChartView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Left)
        emit pagedBack();
    else if (event->key() == Qt::Key_Right)
        emit pagedForward();
    else
        QWidget::keyPressEvent(event);
}
