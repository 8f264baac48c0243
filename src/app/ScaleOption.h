#pragma once

#include <QByteArray>

// The window is the phone screen in logical points, scaled for the desktop. "--scale N" wins,
// then QT_SCALE_FACTOR; otherwise the largest of 2, 1.5 and 1 whose window fits the height
// of the screen. Must run before the application object exists.
class ScaleOption {
public:
    // The factor asked for: the command line's, else the environment's; empty when neither is
    // usable. A bad or non-positive value falls back to the next source, with a warning.
    static QByteArray choose(const QByteArray& commandLine, const QByteArray& environment);
    // The largest of 2, 1.5 and 1 whose window, with its title bar, fits the available height
    // (in the screen's logical pixels); 1 when none does.
    static QByteArray fitting(int availableHeight);
    // Sets QT_SCALE_FACTOR: the factor asked for or, when none is, the one that fits the primary
    // screen, which a short-lived application object measures.
    static void apply(const QByteArray& commandLine, int argc, char** argv);
};
