#pragma once

#include <QByteArray>

// The window is the phone screen in logical points, scaled for the desktop: 2x unless
// "--scale N" or QT_SCALE_FACTOR says otherwise. Must run before the application object exists.
class ScaleOption {
public:
    // The factor to use: "--scale N" first, then the environment's, then 2. A bad or
    // non-positive value falls back to the next source, with a warning.
    static QByteArray choose(int argc, char** argv, const QByteArray& environment);
    static void apply(int argc, char** argv);
};
