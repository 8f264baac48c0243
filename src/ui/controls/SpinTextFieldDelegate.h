#pragma once

class FoodSpin;

// Told every value a spin control shows, whether set by a press or by the program.
class SpinTextFieldDelegate {
public:
    virtual ~SpinTextFieldDelegate() = default;
    virtual void spinValueChangedTo(FoodSpin* spin, float value) = 0;
};
