#pragma once

#include <QWidget>

class ImageButton;
class QLabel;
class SpinTextFieldDelegate;

// A large number with a unit caption under it between a minus and a plus button. Each press
// moves the number by the step; beside it shows how far it has moved since it was last set from
// outside ("350/" then a green "+50"). The value never goes below 0.
class FoodSpin : public QWidget {
    Q_OBJECT
public:
    static constexpr int MinWidth = 90;
    static constexpr int MinHeight = 50;

    // Without edit there are no buttons: only the program sets the value.
    explicit FoodSpin(const QRect& frame, bool edit = true, QWidget* parent = nullptr);

    float value() const { return value_; }
    float valueAdd() const { return valueAdd_; }
    // Neither redraws; the next setValue shows them.
    void setValueAdd(float add) { valueAdd_ = add; }
    float step() const { return step_; }
    void setStep(float step) { step_ = step; }
    // A plain back reference: the delegate must outlive the control or be cleared.
    SpinTextFieldDelegate* delegate() const { return delegate_; }
    void setDelegate(SpinTextFieldDelegate* delegate) { delegate_ = delegate; }

    void setUnit(const QString& unit);
    void setUnitCountRows(int rows);
    // A value from outside: the change is cleared.
    void setNewValue(float value);
    void setValue(float value);
    void incValue();
    void decValue();

    QLabel* valueLabel() const { return valueLabel_; }
    QLabel* valueAddLabel() const { return valueAddLabel_; }
    QLabel* unitLabel() const { return unitLabel_; }
    ImageButton* minusButton() const { return minus_; }
    ImageButton* plusButton() const { return plus_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void layoutCaption();
    void layoutNumbers();

    float value_ = 0;
    float valueAdd_ = 0;
    float step_ = 1;
    int unitHeight_ = 22;
    SpinTextFieldDelegate* delegate_ = nullptr;
    QLabel* valueLabel_;
    QLabel* valueAddLabel_;
    QLabel* unitLabel_;
    ImageButton* minus_ = nullptr;
    ImageButton* plus_ = nullptr;
};
