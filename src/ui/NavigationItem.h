#pragma once

#include "ui/BarButtonItem.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace ui {

// What a screen shows in the navigation bar while it is on top: its title or a title view,
// the left and right buttons, and whether the standard back button is hidden.
class NavigationItem : public QObject {
    Q_OBJECT
public:
    explicit NavigationItem(QObject* parent = nullptr);
    ~NavigationItem() override;

    QString title() const { return title_; }
    void setTitle(const QString& title);
    // Replaces the title in the bar; the item owns the view until a bar shows it.
    QWidget* titleView() const { return titleView_; }
    void setTitleView(QWidget* view);
    BarButtonItem* leftBarButtonItem() const { return left_; }
    void setLeftBarButtonItem(BarButtonItem* item);
    BarButtonItem* rightBarButtonItem() const { return right_; }
    void setRightBarButtonItem(BarButtonItem* item);
    bool hidesBackButton() const { return hidesBackButton_; }
    void setHidesBackButton(bool hides);

signals:
    void changed();

private:
    void adopt(BarButtonItem* item);

    QString title_;
    QPointer<QWidget> titleView_;
    QPointer<BarButtonItem> left_;
    QPointer<BarButtonItem> right_;
    bool hidesBackButton_ = false;
};

} // namespace ui
