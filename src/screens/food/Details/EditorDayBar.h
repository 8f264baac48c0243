#pragma once

#include <QDateTime>
#include <QWidget>

class QAbstractButton;

namespace ui {
class Label;
}

// The day strip of the food editors: the day in the long date style between the previous-day
// and next-day buttons, which an editor of an existing entry leaves out.
class EditorDayBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int Height = 44;

    EditorDayBar(bool withArrows, QWidget* parent = nullptr);

    void showDate(const QDateTime& date);
    ui::Label* monthLabel() const { return monthLabel_; }
    QAbstractButton* minusButton() const { return minus_; }
    QAbstractButton* plusButton() const { return plus_; }

signals:
    void minusDay();
    void plusDay();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ui::Label* monthLabel_;
    QAbstractButton* minus_ = nullptr;
    QAbstractButton* plus_ = nullptr;
};
