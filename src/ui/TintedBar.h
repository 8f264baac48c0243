#pragma once

#include "ui/Metrics.h"

#include <QColor>
#include <QWidget>

namespace ui {

// The tinted strip that the navigation bar, toolbars, the search bar and the day bar are drawn
// as: a bar's height and the screen's width to begin with, in the application's tint unless
// told otherwise.
class TintedBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = Metrics::NavigationBarHeight;

    explicit TintedBar(QWidget* parent = nullptr);

    QColor tintColor() const { return tint_; }
    void setTintColor(const QColor& tint);

protected:
    // Lets a bar give the new tint to the buttons it holds.
    virtual void tintChanged() {}
    void paintEvent(QPaintEvent* event) override;

private:
    QColor tint_ = Metrics::tintColor();
};

} // namespace ui
