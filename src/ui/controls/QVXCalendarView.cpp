#include "ui/controls/QVXCalendarView.h"

#include "ui/Metrics.h"
#include "ui/controls/CalendarViewOwner.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/ImageButton.h"

#include <QLabel>

namespace {

QBrush patternText() {
    return ControlImages::pattern("font_bg.png");
}

void whiteOnClear(QLabel* label) {
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
}

} // namespace

QVXCalendarView::QVXCalendarView(QWidget* parent) : CalendarView(parent) {
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ui::Metrics::paperColor());
    setPalette(palette);
}

QAbstractButton* QVXCalendarView::customNavButton(bool back) {
    return new ImageButton(ControlImages::image(back ? "back.png" : "forward.png"),
                           ImageButton::Fit::Centre);
}

void QVXCalendarView::customMonthView(QLabel* background, QLabel* label) {
    background->setPixmap(ControlImages::image("month_bg.png"));
    whiteOnClear(label);
    label->setFont(ui::Metrics::resized(label->font(), 16, label->font().bold()));
    // Five points down, as tall as the pill of the background, so the name sits in its middle.
    label->setGeometry(0, 5, 230, 22);
}

void QVXCalendarView::customDayLabel(QLabel* background, QLabel* label) {
    background->setPixmap(ControlImages::image("week_day_bg.png"));
    whiteOnClear(label);
}

void QVXCalendarView::customDemarkedButton(DateButton* button) {
    button->clearShadow();
    if (button->isTodayWeek()) {
        button->setState(DateButton::TodayWeek);
        button->setBackgroundImage(ControlImages::image("week.png"));
    } else {
        button->setBackgroundImage(ControlImages::image("day.png"));
    }
    if (!button->inCurrMonth())
        button->setTextColor(Qt::gray);
    else if (button->isTodayWeek())
        button->setTextColor(patternText());
    else
        button->setTextColor(Qt::black);
}

void QVXCalendarView::customMarkedButton(DateButton* button) {
    if (button->isTodayWeek()) {
        button->setState(DateButton::TodayWeekSelected);
        button->setBackgroundImage(ControlImages::image("select_week.png"));
        button->setTextColor(patternText());
    } else {
        button->setBackgroundImage(ControlImages::image("select.png"));
        button->setTextColor(Qt::black);
    }
}

void QVXCalendarView::customMarkedTodayButton(DateButton* button) {
    button->setBackgroundImage(ControlImages::image("select_today.png"));
    button->setTextColor(patternText());
}

void QVXCalendarView::customTodayButton(DateButton* button) {
    button->setBackgroundImage(ControlImages::image("today.png"));
    button->setTextColor(patternText());
}

void QVXCalendarView::overCustom(DateButton* button) {
    CalendarView::overCustom(button);
    if (owner())
        owner()->overCustom(button);
}
