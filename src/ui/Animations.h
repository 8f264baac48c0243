#pragma once

namespace ui {

// One switch for every transition of the layer: on in the application, off in tests and the
// gallery so that a push or a selection is finished when the call returns.
class Animations {
public:
    static bool enabled();
    static void setEnabled(bool on);
    // Duration to use for a transition of the given length, 0 when animations are off.
    static int duration(int ms);
};

} // namespace ui
