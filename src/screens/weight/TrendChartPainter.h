#pragma once

#include "core/weight/WeightTrend.h"

#include <QDate>
#include <QRectF>

class QPainter;

// Draws the weight chart of a span of days: each weighed day's mean as a dot, the trend as a
// line and the goal as a dashed line, over a grid of weights and dates in the display unit.
// It keeps no state between paints, so the view and the benchmark draw the same way.
class TrendChartPainter {
public:
    struct Chart {
        const WeightTrend* trend = nullptr;
        QDate from;
        QDate to;
        double goalKilograms = 0.0;
        bool pounds = false;
    };

    // Room for the weight labels on the left and the date labels underneath.
    static constexpr double LeftMargin = 34;
    static constexpr double BottomMargin = 18;

    static void paint(QPainter& p, const QRectF& area, const Chart& chart);
};
