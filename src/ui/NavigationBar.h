#pragma once

#include "ui/BarButton.h"
#include "ui/Metrics.h"
#include "ui/NavigationItem.h"

#include <QColor>
#include <QPointer>
#include <QWidget>

namespace ui {

// The tinted bar above a navigation stack: the top screen's title (or title view), its left
// button or the standard back button, and its right button.
class NavigationBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kHeight = Metrics::NavigationBarHeight;

    explicit NavigationBar(QWidget* parent = nullptr);

    QColor tintColor() const { return tint_; }
    void setTintColor(const QColor& tint);
    // Shows the top item; previousTitle names the back button, which shows only when
    // canGoBack is true and the item does not hide it.
    void showItem(NavigationItem* item, bool canGoBack, const QString& previousTitle);

    // The widgets currently on the bar, for layout checks and tests.
    BarButton* backButton() const { return back_; }
    BarButton* leftButton() const { return left_; }
    BarButton* rightButton() const { return right_; }
    QString title() const;

signals:
    void backPressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void clearWidgets();
    void layoutWidgets();

    QColor tint_ = Metrics::tintColor();
    QPointer<NavigationItem> item_;
    bool canGoBack_ = false;
    QString previousTitle_;
    QPointer<BarButton> back_;
    QPointer<BarButton> left_;
    QPointer<BarButton> right_;
    QPointer<QWidget> titleView_;
};

} // namespace ui
