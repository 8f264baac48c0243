#pragma once

#include "screens/weight/TrendChartPainter.h"

#include <QWidget>

// The chart of the Trend view. A drag to the right pages back in time, to the left forward;
// with the focus, the Left and Right keys do the same.
class TrendChartView : public QWidget {
    Q_OBJECT
public:
    // How far a drag must go before it pages.
    static constexpr int PageDrag = 30;

    explicit TrendChartView(QWidget* parent = nullptr);

    const TrendChartPainter::Chart& chart() const { return chart_; }
    void setChart(const TrendChartPainter::Chart& chart);

signals:
    void pagedBack();
    void pagedForward();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TrendChartPainter::Chart chart_;
    std::optional<double> pressX_;
};
