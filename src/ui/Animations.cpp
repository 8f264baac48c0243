#include "ui/Animations.h"

namespace ui {

namespace {
bool animationsOn = false;
} // namespace

bool Animations::enabled() {
    return animationsOn;
}

void Animations::setEnabled(bool on) {
    animationsOn = on;
}

int Animations::duration(int ms) {
    return animationsOn ? ms : 0;
}

} // namespace ui
