#pragma once

#include <QString>

// The notice shown at the first two launches. The count lives in the "welcome" setting.
class WelcomeCounter {
public:
    // Yes when the notice is due at this launch; then counts it.
    static bool shouldShowAndCount();
    static QString title();
    static QString message();
    static QString buttonTitle();
};
