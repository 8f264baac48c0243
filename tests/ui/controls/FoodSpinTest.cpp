#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "ui/controls/FoodSpin.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/SpinTextFieldDelegate.h"

#include <QFontMetrics>
#include <QLabel>
#include <vector>

namespace {

struct RecordingDelegate : SpinTextFieldDelegate {
    std::vector<float> values;
    void spinValueChangedTo(FoodSpin*, float value) override { values.push_back(value); }
};

QColor textColor(const QLabel* label) {
    return label->palette().color(QPalette::WindowText);
}

class FoodSpinTest : public QuorvelTest {
protected:
    FoodSpin spin{QRect(0, 0, 200, 90)};
    RecordingDelegate delegate;

    void SetUp() override {
        QuorvelTest::SetUp();
        spin.setDelegate(&delegate);
    }
};

TEST_F(FoodSpinTest, StepsShowTheirDecimalsRoundedAsPrintfDoesAndColourTheChange) {
    spin.setStep(0.25f);
    spin.setNewValue(2);
    EXPECT_EQ(spin.valueLabel()->text(), "2.0");
    spin.incValue();
    EXPECT_FLOAT_EQ(spin.value(), 2.25f);
    EXPECT_FLOAT_EQ(spin.valueAdd(), 0.25f);
    // 2.25 and 0.25 are exact binary halves: printf rounds them to even.
    EXPECT_EQ(spin.valueLabel()->text(), "2.2/");
    EXPECT_EQ(spin.valueAddLabel()->text(), "+0.2");
    spin.incValue();
    EXPECT_EQ(spin.valueLabel()->text(), "2.5/");
    EXPECT_EQ(spin.valueAddLabel()->text(), "+0.5");

    // A whole step shows whole numbers and colours the change.
    spin.setStep(1);
    spin.setNewValue(350);
    EXPECT_EQ(spin.valueLabel()->text(), "350");
    EXPECT_TRUE(spin.valueAddLabel()->isHidden());
    for (int i = 0; i < 50; ++i)
        spin.incValue();
    EXPECT_EQ(spin.valueLabel()->text(), "400/");
    EXPECT_EQ(spin.valueAddLabel()->text(), "+50");
    EXPECT_FALSE(spin.valueAddLabel()->isHidden());
    EXPECT_EQ(textColor(spin.valueAddLabel()), QColor(88, 167, 69));
    for (int i = 0; i < 60; ++i)
        spin.decValue();
    EXPECT_EQ(spin.valueLabel()->text(), "340/");
    EXPECT_EQ(spin.valueAddLabel()->text(), "-10");
    EXPECT_EQ(textColor(spin.valueAddLabel()), QColor(172, 31, 36));
    // A new value from outside clears the change.
    spin.setNewValue(120);
    EXPECT_FLOAT_EQ(spin.valueAdd(), 0);
    EXPECT_EQ(spin.valueLabel()->text(), "120");
    EXPECT_TRUE(spin.valueAddLabel()->isHidden());
    EXPECT_FLOAT_EQ(delegate.values.back(), 120);
}

TEST_F(FoodSpinTest, MinusBelowZeroStopsAtZeroAndAtZeroChangesNothing) {
    spin.setNewValue(0.5f);
    delegate.values.clear();
    spin.decValue();
    EXPECT_EQ(delegate.values, (std::vector<float>{-0.5f, 0.0f}));
    EXPECT_FLOAT_EQ(spin.value(), 0);
    EXPECT_EQ(spin.valueLabel()->text(), "0/");
    EXPECT_EQ(spin.valueAddLabel()->text(), "-1");
    EXPECT_EQ(textColor(spin.valueAddLabel()), QColor(172, 31, 36));
    spin.setNewValue(0);
    delegate.values.clear();
    spin.decValue();
    EXPECT_FLOAT_EQ(spin.valueAdd(), 0);
    EXPECT_TRUE(delegate.values.empty());
    EXPECT_EQ(spin.valueLabel()->text(), "0");
}

TEST_F(FoodSpinTest, CornerButtonsStepTheValueReadOnlySpinsHaveNoneAndTheTextIsCentred) {
    spin.show();
    spin.setNewValue(10);
    // What a click at the bottom corners reaches.
    QWidget* plus = spin.childAt(spin.width() - 5, spin.height() - 5);
    QWidget* minus = spin.childAt(5, spin.height() - 5);
    ASSERT_TRUE(plus == spin.plusButton() && minus == spin.minusButton());
    gui::tap(plus);
    gui::tap(plus);
    gui::tap(minus);
    EXPECT_FLOAT_EQ(spin.value(), 11);
    FoodSpin small(QRect(5, 6, 10, 10), false);
    EXPECT_EQ(small.geometry(), QRect(5, 6, 90, 50));
    EXPECT_EQ(small.plusButton(), nullptr);

    // The number and its change are centred as one pair.
    spin.setNewValue(350);
    spin.incValue();
    const QFontMetrics metrics(spin.valueLabel()->font());
    const int numberWidth = metrics.horizontalAdvance("351/");
    const int changeWidth = metrics.horizontalAdvance("+1");
    const int numberEnd = spin.valueLabel()->geometry().right() + 1;
    EXPECT_EQ(spin.valueAddLabel()->x(), numberEnd);
    const int left = numberEnd - numberWidth;
    const int right = spin.width() - (numberEnd + changeWidth);
    EXPECT_LE(std::abs(left - right), 1);
}

} // namespace
