#include "ui/DatePicker.h"

#include "ui/PickerView.h"

#include <QLocale>
#include <algorithm>

namespace ui {

namespace {
enum DateWheel { MonthWheel, DayWheel, YearWheel };
enum TimeWheel { HourWheel, MinuteWheel, HalfWheel };
} // namespace

DatePicker::DatePicker(Mode mode, QWidget* parent)
    : QWidget(parent), mode_(mode), date_(QDateTime::currentDateTime()),
      picker_(new PickerView(this)) {
    picker_->setObjectName(QStringLiteral("wheels"));
    picker_->setShowsSelectionIndicator(true);
    picker_->setDataSource(this);
    picker_->setDelegate(this);
    setFocusProxy(picker_);
    showDate(false);
}

QSize DatePicker::sizeHint() const {
    return picker_->sizeHint();
}

void DatePicker::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    picker_->setGeometry(rect());
}

void DatePicker::setDatePickerMode(Mode mode) {
    mode_ = mode;
    picker_->reloadAllComponents();
    showDate(false);
}

void DatePicker::setDate(const QDateTime& date, bool animated) {
    if (!date.isValid())
        return;
    date_ = isAfterMaximum(date) ? QDateTime(maximumDate_.date(), date.time()) : date;
    showDate(animated);
}

void DatePicker::setMaximumDate(const QDateTime& date) {
    maximumDate_ = date;
    if (isAfterMaximum(date_))
        setDate(date_);
}

bool DatePicker::isAfterMaximum(const QDateTime& date) const {
    return mode_ == Mode::Date && maximumDate_.isValid() && date.date() > maximumDate_.date();
}

void DatePicker::showDate(bool animated) {
    if (mode_ == Mode::Date) {
        const QDate d = date_.date();
        picker_->selectRow(d.month() - 1, MonthWheel, animated);
        picker_->selectRow(std::clamp(d.year(), firstYear, lastYear) - firstYear, YearWheel,
                           animated);
        picker_->reloadComponent(DayWheel);
        picker_->selectRow(d.day() - 1, DayWheel, animated);
    } else {
        const QTime t = date_.time();
        picker_->selectRow((t.hour() + 11) % 12, HourWheel, animated);
        picker_->selectRow(t.minute(), MinuteWheel, animated);
        picker_->selectRow(t.hour() >= 12 ? 1 : 0, HalfWheel, animated);
    }
}

QDateTime DatePicker::dateFromWheels() const {
    if (mode_ == Mode::Date) {
        const int year = firstYear + picker_->selectedRowInComponent(YearWheel);
        const int month = picker_->selectedRowInComponent(MonthWheel) + 1;
        const int day = std::min(picker_->selectedRowInComponent(DayWheel) + 1,
                                 QDate(year, month, 1).daysInMonth());
        return QDateTime(QDate(year, month, day), date_.time());
    }
    return QDateTime(date_.date(), time());
}

QTime DatePicker::time() const {
    if (mode_ == Mode::Date)
        return date_.time();
    const int hour = picker_->selectedRowInComponent(HourWheel) + 1;
    const bool pm = picker_->selectedRowInComponent(HalfWheel) == 1;
    return QTime(hour % 12 + (pm ? 12 : 0), picker_->selectedRowInComponent(MinuteWheel));
}

int DatePicker::numberOfComponents(PickerView*) {
    return 3;
}

int DatePicker::numberOfRows(PickerView*, int component) {
    if (mode_ == Mode::Time)
        return component == HourWheel ? 12 : component == MinuteWheel ? 60 : 2;
    switch (component) {
    case MonthWheel:
        return 12;
    case DayWheel: {
        const int month = std::max(0, picker_->selectedRowInComponent(MonthWheel)) + 1;
        const int year = firstYear + std::max(0, picker_->selectedRowInComponent(YearWheel));
        return QDate(year, month, 1).daysInMonth();
    }
    default:
        return lastYear - firstYear + 1;
    }
}

QString DatePicker::titleForRow(PickerView*, int row, int component) {
    const QLocale locale;
    if (mode_ == Mode::Time) {
        if (component == HourWheel)
            return QString::number(row + 1);
        if (component == MinuteWheel)
            return QStringLiteral("%1").arg(row, 2, 10, QLatin1Char('0'));
        return row == 0 ? locale.amText() : locale.pmText();
    }
    if (component == MonthWheel)
        return locale.standaloneMonthName(row + 1);
    if (component == DayWheel)
        return QString::number(row + 1);
    return QString::number(firstYear + row);
}

int DatePicker::widthForComponent(PickerView*, int component) {
    if (mode_ == Mode::Time)
        return 70;
    return component == MonthWheel ? 140 : component == DayWheel ? 52 : 80;
}

void DatePicker::didSelectRow(PickerView*, int, int component) {
    if (mode_ == Mode::Date && component != DayWheel) {
        // The month or year changed the length of the month: keep the day inside it.
        const int day = picker_->selectedRowInComponent(DayWheel);
        picker_->reloadComponent(DayWheel);
        picker_->selectRow(std::min(day, picker_->numberOfRowsInComponent(DayWheel) - 1), DayWheel,
                           false);
    }
    date_ = dateFromWheels();
    if (isAfterMaximum(date_)) {
        date_ = QDateTime(maximumDate_.date(), date_.time());
        showDate(true);
    }
    emit valueChanged();
}

} // namespace ui
