#pragma once

#include <QWidget>

namespace ui {
class Label;
}

// The bar under the Weight tab's day table: the day's average weight on the left and the goal
// weight on the right, in the unit of the setting.
class DaySummaryPanelView : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 25;

    explicit DaySummaryPanelView(QWidget* parent = nullptr);

    ui::Label* weightvalueLabel() const { return weightvalue_; }
    ui::Label* goalvalueLabel() const { return goalvalue_; }

    // The day's count (not shown) and average in kilograms; " - " for an average of 0. The goal
    // and the unit are read from the settings at each call.
    void setWeighingsInfo(int count, float averageKilograms);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Label* weightvalue_;
    ui::Label* goalvalue_;
};
