#pragma once

// A colour as plain values, so the core stays free of the GUI module: components 0..255,
// alpha 0..1. The ui layer turns it into a QColor.
struct QVColor {
    int r = 0;
    int g = 0;
    int b = 0;
    double a = 1.0;

    friend bool operator==(const QVColor&, const QVColor&) = default;
};
