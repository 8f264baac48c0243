#pragma once

#include "ui/TintedBar.h"

#include <QDateTime>

class QAbstractButton;
namespace ui {
class Label;
}

// The day strip of the diary screens and their editors: the day in the long date style between
// a previous-day and a next-day arrow. The arrows move by one calendar day, so the time of day
// stays put across clock changes; the owner hears of it and keeps its own form of the date
// (midnight, 08:00 or a weighing's moment). The arrows can be hidden where the day of an entry
// must not change.
class DayBar : public ui::TintedBar {
    Q_OBJECT
public:
    static constexpr int Height = kHeight;

    explicit DayBar(QWidget* parent = nullptr);

    QDateTime date() const { return date_; }
    // Shows the date, or "No date" for none.
    void setDate(const QDateTime& date);
    // Moves the date by whole calendar days and tells of it; nothing happens without a date.
    void stepDays(int days);

    bool arrowsVisible() const { return arrowsVisible_; }
    void setArrowsVisible(bool visible);

    ui::Label* label() const { return label_; }
    QAbstractButton* minusButton() const { return minus_; }
    QAbstractButton* plusButton() const { return plus_; }

signals:
    // The date an arrow (or stepDays) moved to.
    void dateStepped(const QDateTime& date);

private:
    QDateTime date_;
    bool arrowsVisible_ = true;
    ui::Label* label_;
    QAbstractButton* minus_;
    QAbstractButton* plus_;
};
