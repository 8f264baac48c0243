#include "ui/controls/DateButton.h"

#include "ui/Metrics.h"
#include "ui/controls/CalendarView.h"
#include "ui/controls/MonthView.h"

#include <QMouseEvent>
#include <QPainter>

DateButton::DateButton(MonthView* owner) : QWidget(owner), owner_(owner) {
    resize(Width, Height);
}

void DateButton::setText(const QString& text) {
    text_ = text;
    update();
}

void DateButton::setOffset(int offset) {
    offset_ = offset;
    update();
}

void DateButton::setTextColor(const QBrush& color) {
    textColor_ = color;
    defaultTextColor_ = color;
    update();
}

void DateButton::setSchadow(bool white) {
    shadowColor_ = white ? QColor(Qt::white) : QColor(73, 90, 108);
    update();
}

void DateButton::clearShadow() {
    shadowColor_ = QColor();
    update();
}

void DateButton::setBackgroundImage(const QPixmap& image) {
    background_ = image;
    update();
}

void DateButton::setAdditionalInfo(const QString& text) {
    additionalInfo_ = text;
    update();
}

void DateButton::setAdditionalInfoColor(const QColor& color) {
    additionalInfoColor_ = color;
    update();
}

void DateButton::setFlagImage(const QPixmap& image) {
    flag_ = image;
    update();
}

void DateButton::setDemarked() {
    int wanted = inCurrMonth_ ? Plain : OtherMonth;
    if (isToday_)
        wanted = Today;
    else if (isTodayWeek_)
        wanted = TodayWeek;
    enterState(wanted, &CalendarView::customDemarkedButton);
}

void DateButton::setMarked() {
    int wanted = Selected;
    if (isToday_)
        wanted = TodaySelected;
    else if (isTodayWeek_)
        wanted = TodayWeekSelected;
    enterState(wanted, &CalendarView::customMarkedButton);
}

void DateButton::enterState(int wanted, void (CalendarView::*dress)(DateButton*)) {
    if (wanted != state_) {
        // Today keeps its own look; any other day is dressed by the calendar.
        if (isToday_) {
            styleToday(wanted);
        } else {
            state_ = wanted;
            (owner_->owner()->*dress)(this);
        }
    }
    overCustom();
}

void DateButton::setMarkedToday() {
    styleToday(TodaySelected);
    overCustom();
}

void DateButton::setToday() {
    styleToday(Today);
    overCustom();
}

void DateButton::styleToday(int wanted) {
    if (state_ == wanted)
        return;
    state_ = wanted;
    if (wanted == TodaySelected)
        owner_->owner()->customMarkedTodayButton(this);
    else
        owner_->owner()->customTodayButton(this);
}

void DateButton::overCustom() {
    owner_->owner()->overCustom(this);
}

void DateButton::repaintState() {
    switch (state_) {
    case Plain:
    case Today:
    case Restyle:
        setDemarked();
        break;
    case Selected:
    case TodaySelected:
        setMarked();
        break;
    default:
        break;
    }
}

void DateButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!background_.isNull())
        painter.drawPixmap(rect(), background_);

    const QRect numberRect(0, offset_, Width, Height);
    painter.setFont(ui::Metrics::font(24, true));
    if (shadowColor_.isValid()) {
        painter.setPen(shadowColor_);
        painter.drawText(numberRect.translated(0, 1), Qt::AlignCenter, text_);
    }
    painter.setPen(QPen(textColor_, 1));
    painter.drawText(numberRect, Qt::AlignCenter, text_);

    if (!additionalInfo_.isEmpty()) {
        painter.setFont(ui::Metrics::font(11));
        painter.setPen(additionalInfoColor_);
        painter.drawText(QRect(2, 3, 41, 13), Qt::AlignRight | Qt::AlignVCenter, additionalInfo_);
    }
    if (!flag_.isNull())
        painter.drawPixmap(QRect(0, 30, 14, 14), flag_);
}

void DateButton::mousePressEvent(QMouseEvent* event) {
    // Selection follows the finger down, as on the phone; the press still reaches the grid.
    owner_->buttonWasPressed(this);
    event->ignore();
}
