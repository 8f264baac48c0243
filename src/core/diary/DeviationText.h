#pragma once

#include "core/base/QVColor.h"

#include <QString>

// How far an entry's own figure lies from the worked-out one, as the diary shows it: "(+25)" in
// dark green for more, "(-10)" in red for less (the number carries its minus).
class DeviationText {
public:
    static constexpr QVColor kMoreColor{0, 102, 0};
    static constexpr QVColor kLessColor{255, 0, 0};

    // With |deviation| at least the threshold, sets the text (with the given decimals) and the
    // colour; below it clears the text and leaves the colour as it was.
    void update(double deviation, double threshold, int decimals);
    void clear() { text_.clear(); }
    // The number a shown text holds after its opening parenthesis: "(+25)" reads 25, "(-0.50)"
    // reads -0.5, an empty text 0.
    static float valueOf(const QString& text);

    const QString& text() const { return text_; }
    const QVColor& color() const { return color_; }

private:
    QString text_;
    QVColor color_;
};
