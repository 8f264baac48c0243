#include "ui/controls/CalendarView.h"

#include "core/base/Clock.h"
#include "core/dates/DateUtil.h"
#include "core/text/ConvertUtil.h"
#include "ui/Animations.h"
#include "ui/ViewUtil.h"
#include "ui/controls/CalendarViewOwner.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/MonthView.h"

#include <QLabel>
#include <QMouseEvent>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>

namespace {

const double heightSeconds = 0.6;
const int pushMs = 400;
const char* const transitionKey = "transitionViewAnimation";

} // namespace

CalendarView::CalendarView(QWidget* parent) : QWidget(parent) {}

void CalendarView::initWithOwner(CalendarViewOwner* owner) {
    owner_ = owner;
    currMonth_ = date_ = DateUtil::safeTrunc(Clock::now());
    const int offset = owner_ ? owner_->getCalendarNumbersOffset().value_or(0) : 0;
    swippingView_ = new QWidget(this);
    for (MonthView*& grid : months_)
        grid = new MonthView(currMonth_, date_, this, offset, swippingView_);
    hiddenMonth()->hide();
    const int gridHeight = visibleMonth()->height();
    swippingView_->setGeometry(0, HeaderHeight, Width, gridHeight);
    height_ = HeaderHeight + gridHeight;
    resize(Width, height_);
    addMonthNavigation();
}

void CalendarView::addMonthNavigation() {
    auto* monthArea = new QLabel(this);
    monthArea->setGeometry(46, 0, 230, 32);
    monthArea->setScaledContents(true);
    monthLabel_ = new QLabel(monthArea);
    monthLabel_->setObjectName("monthLabel");
    monthLabel_->setGeometry(0, 0, 230, 32);
    monthLabel_->setAlignment(Qt::AlignCenter);
    monthLabel_->setText(customMonthLabelText());
    customMonthView(monthArea, monthLabel_);

    // Weekday names follow the locale: the seven days of the current week from its Sunday.
    const QDateTime now = Clock::now();
    const QDateTime sunday = DateUtil::addDays(now, -(now.date().dayOfWeek() % 7));
    QFont dayFont;
    dayFont.setPixelSize(10);
    dayFont.setBold(true);
    for (int i = 0; i < 7; ++i) {
        auto* cell = new QLabel(this);
        cell->setGeometry(46 * i, 32, 46, 12);
        cell->setScaledContents(true);
        auto* name = new QLabel(cell);
        name->setGeometry(0, 0, 46, 12);
        name->setAlignment(Qt::AlignCenter);
        name->setFont(dayFont);
        name->setText(ConvertUtil::date2str(DateUtil::addDays(sunday, i), QStringLiteral("EEE")));
        customDayLabel(cell, name);
    }

    QAbstractButton* back = customNavButton(true);
    back->setParent(this);
    back->setObjectName("backMonth");
    back->setGeometry(0, 0, 92, 44);
    connect(back, &QAbstractButton::clicked, this, [this, back] { minusMonth(back); });
    QAbstractButton* forward = customNavButton(false);
    forward->setParent(this);
    forward->setObjectName("forwardMonth");
    forward->setGeometry(229, 0, 91, 44);
    connect(forward, &QAbstractButton::clicked, this, [this, forward] { plusMonth(forward); });
}

void CalendarView::setSelectedDate(const QDateTime& date) {
    if (!date.isValid())
        return;
    // Shown at once, not only once the owner answers.
    visibleMonth()->setSelectedDate(date, true);
    selectionWasChanged(date);
}

void CalendarView::selectionWasChanged(const QDateTime& date) {
    if (!date.isValid())
        return;
    date_ = DateUtil::safeTrunc(date);
    const int diff = DateUtil::monthsDiff(currMonth_, date_);
    if (diff == -1 || diff == 1) {
        stepMonth(-diff, nullptr);
        changeSelection(date_);
    }
    if (owner_)
        owner_->dateChanged(this);
}

void CalendarView::changeSelection(const QDateTime& date) {
    if (!date.isValid())
        return;
    date_ = DateUtil::safeTrunc(date);
    visibleMonth()->setSelectedDate(date_, true);
}

void CalendarView::plusMonth(QObject* sender) {
    stepMonth(1, sender);
}

void CalendarView::minusMonth(QObject* sender) {
    stepMonth(-1, sender);
}

void CalendarView::stepMonth(int months, QObject* sender) {
    currMonth_ = DateUtil::getMonth(months, currMonth_);
    monthLabel_->setText(customMonthLabelText());
    if (sender)
        date_ = currMonth_;
    if (owner_)
        owner_->dateChanged(this);
    slideWithAnimation(months > 0 ? Transition::FromTop : Transition::FromBottom);
}

void CalendarView::changeMonthTo(const QDateTime& date) {
    if (!date.isValid() || DateUtil::dateIsOneMonthWith(date, currMonth_))
        return;
    currMonth_ = DateUtil::safeTrunc(date);
    monthLabel_->setText(customMonthLabelText());
    slideWithAnimation(Transition::None);
}

void CalendarView::refresh() {
    visibleMonth()->refresh();
}

void CalendarView::slideWithAnimation(Transition transition) {
    MonthView* outgoing = visibleMonth();
    MonthView* incoming = hiddenMonth();
    incoming->setSelectedDate(currMonth_, false);
    incoming->setMonth(currMonth_);
    visible_ = 1 - visible_;
    incoming->move(0, 0);
    incoming->show();
    incoming->raise();
    changeViewHeight(incoming);
    if (transition != Transition::None && ui::Animations::enabled() && isVisible())
        pushIn(incoming, outgoing, transition);
    else
        outgoing->hide();
}

void CalendarView::pushIn(MonthView* incoming, MonthView* outgoing, Transition transition) {
    // A slide still running ends where it was going before this one starts.
    if (auto* running = swippingView_->findChild<QParallelAnimationGroup*>(transitionKey)) {
        running->setCurrentTime(running->totalDuration());
        running->stop();
        delete running;
    }
    const int sign = transition == Transition::FromTop ? 1 : -1;
    // The two grids move as one strip, edge to edge.
    const int distance = sign > 0 ? incoming->height() : outgoing->height();
    auto* group = new QParallelAnimationGroup(swippingView_);
    group->setObjectName(transitionKey);
    auto* in = new QPropertyAnimation(incoming, "pos", group);
    in->setDuration(ui::Animations::duration(pushMs));
    in->setStartValue(QPoint(0, -sign * distance));
    in->setEndValue(QPoint(0, 0));
    auto* out = new QPropertyAnimation(outgoing, "pos", group);
    out->setDuration(ui::Animations::duration(pushMs));
    out->setStartValue(QPoint(0, 0));
    out->setEndValue(QPoint(0, sign * distance));
    connect(group, &QAbstractAnimation::finished, outgoing, [outgoing, this] {
        if (outgoing != visibleMonth())
            outgoing->hide();
        outgoing->move(0, 0);
    });
    group->start(QAbstractAnimation::DeleteWhenStopped);
}

void CalendarView::changeViewHeight(MonthView* grid) {
    const int gridHeight = grid->height();
    height_ = HeaderHeight + gridHeight;
    // The owner's relayout moves together with the calendar.
    ui::ViewUtil::prepareAnimation(heightSeconds);
    ui::ViewUtil::setFrame(swippingView_, QRect(0, HeaderHeight, Width, gridHeight));
    ui::ViewUtil::setFrame(this, QRect(pos(), QSize(Width, height_)));
    if (owner_)
        owner_->calendarHeightChanged(this);
    ui::ViewUtil::commitAnimation();
}

QString CalendarView::customMonthLabelText() {
    return ConvertUtil::date2str(currMonth_, QStringLiteral("MMMM yyyy"));
}

QAbstractButton* CalendarView::customNavButton(bool back) {
    auto* button = new ImageButton(ControlImages::image(back ? "Left.png" : "Right.png"),
                                   ImageButton::Fit::Centre);
    button->setAutoFillBackground(true);
    QPalette palette = button->palette();
    palette.setColor(QPalette::Window, Qt::black);
    button->setPalette(palette);
    return button;
}

void CalendarView::customMonthView(QLabel*, QLabel*) {}

void CalendarView::customDayLabel(QLabel*, QLabel*) {}

void CalendarView::customDemarkedButton(DateButton*) {}

void CalendarView::customMarkedButton(DateButton*) {}

void CalendarView::customMarkedTodayButton(DateButton*) {}

void CalendarView::customTodayButton(DateButton*) {}

void CalendarView::overCustom(DateButton*) {}

void CalendarView::mousePressEvent(QMouseEvent* event) {
    event->accept();
}

void CalendarView::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
}

void CalendarView::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
}
