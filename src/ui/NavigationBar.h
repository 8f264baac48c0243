#pragma once

#include "ui/BarButton.h"
#include "ui/NavigationItem.h"
#include "ui/TintedBar.h"

#include <QPointer>

namespace ui {

// The tinted bar above a navigation stack: the top screen's title (or title view), its left
// button or the standard back button, and its right button.
class NavigationBar : public TintedBar {
    Q_OBJECT
public:
    explicit NavigationBar(QWidget* parent = nullptr);

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
    void tintChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void clearWidgets();
    void layoutWidgets();

    QPointer<NavigationItem> item_;
    bool canGoBack_ = false;
    QString previousTitle_;
    QPointer<BarButton> back_;
    QPointer<BarButton> left_;
    QPointer<BarButton> right_;
    QPointer<QWidget> titleView_;
};

} // namespace ui
