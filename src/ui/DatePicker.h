#pragma once

#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QDateTime>
#include <QWidget>

namespace ui {

class PickerView;

// A date on wheels: month, day and year in date mode; hour, minute and AM/PM in time mode.
// Date mode keeps the time of day of the date it was given, time mode keeps its day.
class DatePicker : public QWidget, private PickerViewDataSource, private PickerViewDelegate {
    Q_OBJECT
public:
    enum class Mode { Date, Time };

    explicit DatePicker(Mode mode = Mode::Date, QWidget* parent = nullptr);

    Mode datePickerMode() const { return mode_; }
    void setDatePickerMode(Mode mode);
    QDateTime date() const { return date_; }
    // The hour and minute on the wheels (time mode), whether or not the day has that moment.
    QTime time() const;
    // Shows the date on the wheels (no later than the maximum); valueChanged is not emitted.
    void setDate(const QDateTime& date, bool animated = false);
    // The latest day the wheels may stand on: turning past it turns them back to it. An invalid
    // date (the default) sets no limit. Date mode only.
    QDateTime maximumDate() const { return maximumDate_; }
    void setMaximumDate(const QDateTime& date);
    // The wheels, for tests and for callers that style them.
    PickerView* picker() const { return picker_; }

    static constexpr int firstYear = 1900;
    static constexpr int lastYear = 2100;

    QSize sizeHint() const override;

signals:
    // The user turned a wheel.
    void valueChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    int numberOfComponents(PickerView* picker) override;
    int numberOfRows(PickerView* picker, int component) override;
    QString titleForRow(PickerView* picker, int row, int component) override;
    int widthForComponent(PickerView* picker, int component) override;
    void didSelectRow(PickerView* picker, int row, int component) override;

    void showDate(bool animated);
    QDateTime dateFromWheels() const;
    bool isAfterMaximum(const QDateTime& date) const;

    Mode mode_;
    QDateTime date_;
    QDateTime maximumDate_;
    PickerView* picker_;
};

} // namespace ui
