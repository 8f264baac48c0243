#pragma once

#include "ui/controls/CalendarView.h"

// The application's calendar look: cream background, image arrows and heads, day backgrounds
// for today, today's week and the selection, and the owner's marks on every styled day.
class QVXCalendarView : public CalendarView {
    Q_OBJECT
public:
    explicit QVXCalendarView(QWidget* parent = nullptr);

    QAbstractButton* customNavButton(bool back) override;
    void customMonthView(QLabel* background, QLabel* label) override;
    void customDayLabel(QLabel* background, QLabel* label) override;
    void customDemarkedButton(DateButton* button) override;
    void customMarkedButton(DateButton* button) override;
    void customMarkedTodayButton(DateButton* button) override;
    void customTodayButton(DateButton* button) override;
    void overCustom(DateButton* button) override;
};
