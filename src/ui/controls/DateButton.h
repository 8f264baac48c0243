#pragma once

#include <QBrush>
#include <QColor>
#include <QDateTime>
#include <QPixmap>
#include <QWidget>

class CalendarView;
class MonthView;

// One day of a month grid, painted in one pass: background image, day number with its shadow,
// the owner screen's small text at the top right and its flag at the bottom left.
class DateButton : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 46;
    static constexpr int Height = 44;

    // Styling states; Restyle forces the next demark or mark to restyle.
    enum State {
        Plain = 0,
        OtherMonth = 1,
        Selected = 2,
        Today = 3,
        TodaySelected = 4,
        TodayWeek = 5,
        TodayWeekSelected = 6,
        Restyle = 7
    };

    explicit DateButton(MonthView* owner);

    MonthView* owner() const { return owner_; }
    QDateTime date() const { return date_; }
    void setDate(const QDateTime& date) { date_ = date; }
    int state() const { return state_; }
    void setState(int state) { state_ = state; }
    bool inCurrMonth() const { return inCurrMonth_; }
    void setInCurrMonth(bool in) { inCurrMonth_ = in; }
    bool isToday() const { return isToday_; }
    void setIsToday(bool today) { isToday_ = today; }
    bool isTodayWeek() const { return isTodayWeek_; }
    void setIsTodayWeek(bool week) { isTodayWeek_ = week; }

    // The day number (textInfo).
    QString text() const { return text_; }
    void setText(const QString& text);
    // How many points lower than the top the number is drawn.
    int offset() const { return offset_; }
    void setOffset(int offset);
    QBrush textColor() const { return textColor_; }
    QBrush defaultTextColor() const { return defaultTextColor_; }
    void setTextColor(const QBrush& color);
    // White shadow when true, slate otherwise; clearShadow draws none.
    void setSchadow(bool white);
    void clearShadow();
    QColor shadowColor() const { return shadowColor_; }

    // The background (imageInfo).
    QPixmap backgroundImage() const { return background_; }
    void setBackgroundImage(const QPixmap& image);

    // What an owner screen puts on a day (additionalInfo, flagInfo).
    QString additionalInfo() const { return additionalInfo_; }
    void setAdditionalInfo(const QString& text);
    QColor additionalInfoColor() const { return additionalInfoColor_; }
    void setAdditionalInfoColor(const QColor& color);
    QPixmap flagImage() const { return flag_; }
    void setFlagImage(const QPixmap& image);

    void setDemarked();
    void setMarked();
    void setMarkedToday();
    void setToday();
    // Restyles according to the state: plain, today and pending buttons unmarked, selections
    // marked.
    void repaintState();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void enterState(int wanted, void (CalendarView::*dress)(DateButton*));
    void styleToday(int wanted);
    void overCustom();

    MonthView* owner_;
    QDateTime date_;
    int state_ = Restyle;
    bool inCurrMonth_ = false;
    bool isToday_ = false;
    bool isTodayWeek_ = false;
    QString text_;
    int offset_ = 0;
    QBrush textColor_{Qt::black};
    QBrush defaultTextColor_{Qt::black};
    QColor shadowColor_{Qt::white};
    QPixmap background_;
    QString additionalInfo_;
    QColor additionalInfoColor_{Qt::black};
    QPixmap flag_;
};
