#pragma once

#include "core/weight/WeightTrend.h"

#include <QDate>
#include <QWidget>

class DayBar;
class TrendChartView;
class QAbstractButton;
namespace ui {
class Label;
class SegmentedControl;
} // namespace ui

// The Weight tab's trend: a bar with the days shown between arrows that page through time, the
// range buttons, the chart, and under it the trend's weekly rate and the day it reaches the goal.
// Without weighings it says how to start instead.
class TrendView : public QWidget {
    Q_OBJECT
public:
    enum class Range { OneMonth, ThreeMonths, OneYear, All };
    static constexpr int BarHeight = 44;
    static constexpr int RangesHeight = 36;
    static constexpr int SummaryHeight = 44;

    explicit TrendView(QWidget* parent = nullptr);

    // The weighings, the goal in kilograms, the unit and today. Days paged back stay where the
    // user left them; otherwise they end with today or the last weighing, whichever is later.
    void setData(WeightTrend trend, double goalKilograms, bool pounds, const QDate& today);

    Range range() const { return range_; }
    void setRange(Range range);
    // The days shown, both included.
    QDate from() const;
    QDate to() const { return end_; }
    bool canPageBack() const;
    bool canPageForward() const;
    void pageBack();
    void pageForward();

    const WeightTrend& trend() const { return trend_; }
    TrendChartView* chartView() const { return chart_; }
    ui::SegmentedControl* ranges() const { return ranges_; }
    ui::Label* periodLabel() const { return period_; }
    ui::Label* rateLabel() const { return rate_; }
    ui::Label* goalLabel() const { return goal_; }
    ui::Label* emptyLabel() const { return empty_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // The latest day a range may end on.
    QDate latest() const;
    // Months a page moves by; 0 for the whole diary.
    int months() const;
    void page(int direction);
    void redraw();

    WeightTrend trend_;
    double goalKilograms_ = 0.0;
    bool pounds_ = false;
    QDate today_;
    QDate end_;
    Range range_ = Range::OneMonth;

    QWidget* bar_;
    ui::Label* period_;
    QAbstractButton* back_;
    QAbstractButton* forward_;
    ui::SegmentedControl* ranges_;
    TrendChartView* chart_;
    QWidget* summary_;
    ui::Label* rate_;
    ui::Label* goal_;
    ui::Label* empty_;
};
