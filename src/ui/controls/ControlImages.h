#pragma once

#include <QBrush>
#include <QPixmap>
#include <QString>

// Images of the shared controls, read from the resource directory once and kept for the run:
// a calendar restyles dozens of day buttons on every selection.
class ControlImages {
public:
    // A null pixmap when the file does not exist; callers then draw nothing.
    static QPixmap image(const QString& name);
    // A brush that tiles the named image, for texts drawn in a pattern colour.
    static QBrush pattern(const QString& name);
};
