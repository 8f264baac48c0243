#include "ui/controls/BaseThreeViewController.h"

#include "core/dates/DateUtil.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/TableView.h"
#include "ui/ViewUtil.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/PixmapView.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

namespace {

const int shadowHeight = 18;

void setBrush(QWidget* widget, QPalette::ColorRole role, const QBrush& brush) {
    QPalette palette = widget->palette();
    palette.setBrush(role, brush);
    widget->setPalette(palette);
}

} // namespace

BaseThreeViewController::BaseThreeViewController(QObject* parent)
    : BaseMultiViewController(parent) {}

void BaseThreeViewController::init() {
    initWithHeaders(getNames(), getViews());
    setSelectedIndex(0);
    setCurrDate(calendar_->date());
}

QStringList BaseThreeViewController::getNames() {
    return {QStringLiteral("Month"), QStringLiteral("Day")};
}

QList<QWidget*> BaseThreeViewController::getViews() {
    // One view a segment, so a subclass adds a segment with its name and its view alone.
    QList<QWidget*> views;
    for (int i = 0; i < getNames().size(); ++i)
        views.append(viewAtIndex(i));
    return views;
}

QWidget* BaseThreeViewController::viewAtIndex(int index) {
    if (index < 0 || index > 1)
        return nullptr;
    QWidget*& view = built_[static_cast<size_t>(index)];
    if (!view)
        view = index == 0 ? buildMonthView() : buildDayView();
    return view;
}

QWidget* BaseThreeViewController::buildMonthView() {
    auto* view = new QWidget;
    view->resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    calendar_ = new QVXCalendarView(view);
    calendar_->setObjectName("calendar");
    ui::ViewUtil::setTag(calendar_, CalendarTag);
    calendar_->initWithOwner(this);
    const int top = calendar_->calendarHeight();

    dataView_ = new QWidget(view);
    dataView_->setObjectName("dataView");
    ui::ViewUtil::setTag(dataView_, DataViewTag);
    dataView_->setAutoFillBackground(true);
    setBrush(dataView_, QPalette::Window, ui::Metrics::paperColor());
    dataView_->setGeometry(0, top, ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight - top);

    downLine_ = new PixmapView(ControlImages::image("cal_shadow_dark.png"), view);
    downLine_->setObjectName("downLine");
    downLine_->setAttribute(Qt::WA_TransparentForMouseEvents);
    downLine_->setGeometry(0, top, ui::Metrics::ScreenWidth, shadowHeight);
    // The calendar stays above the data area while it grows over it.
    calendar_->raise();
    downLine_->raise();
    return view;
}

QWidget* BaseThreeViewController::buildDayView() {
    auto* view = new QWidget;
    view->resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    dayBar_ = new DayBar(view);
    ui::ViewUtil::setTag(dayBar_, DayBarTag);
    ui::ViewUtil::setTag(dayBar_->label(), DayLabelTag);
    connect(dayBar_, &DayBar::dateStepped, this, &BaseThreeViewController::setCurrDate);

    dayTable_ = new QVXTableView(QRect(0, DayBar::Height, ui::Metrics::ScreenWidth,
                                       ui::Metrics::ContentHeight - DayBar::Height),
                                 this, view);
    dayTable_->setObjectName("dayTable");
    dayTable_->tableView()->setObjectName("Day table");
    ui::ViewUtil::setTag(dayTable_->tableView(), DayTableTag);
    // Headers asked for while the list was being made did not know it as the day table yet.
    dayTable_->reloadData();
    return view;
}

void BaseThreeViewController::setCurrDate(const QDateTime& date) {
    if (!date.isValid()) {
        currDate_ = QDateTime();
        if (dayBar_)
            dayBar_->setDate(currDate_);
        return;
    }
    currDate_ = DateUtil::safeTrunc(date);
    if (dayBar_)
        dayBar_->setDate(currDate_);
    if (calendar_ && calendar_->date() != currDate_)
        calendar_->changeSelection(currDate_);
    currDateChanged();
}

ui::Label* BaseThreeViewController::dayLabel() const {
    return dayBar_ ? dayBar_->label() : nullptr;
}

void BaseThreeViewController::plusDay() {
    dayBar_->stepDays(1);
}

void BaseThreeViewController::minusDay() {
    dayBar_->stepDays(-1);
}

void BaseThreeViewController::currDateChanged() {}

QWidget* BaseThreeViewController::getSubviewOf(int viewIndex, int tag) {
    return ui::ViewUtil::getSubviewOf(views().value(viewIndex), tag);
}

void BaseThreeViewController::dateChanged(CalendarView* calendar) {
    setCurrDate(calendar->date());
}

void BaseThreeViewController::calendarHeightChanged(CalendarView* calendar) {
    const int top = calendar->calendarHeight();
    ui::ViewUtil::setFrame(
        dataView_, QRect(0, top, ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight - top));
    ui::ViewUtil::setFrame(downLine_, QRect(0, top, ui::Metrics::ScreenWidth, shadowHeight));
}

void BaseThreeViewController::overCustom(DateButton*) {}
