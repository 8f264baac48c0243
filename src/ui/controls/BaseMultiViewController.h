#pragma once

#include "ui/ViewController.h"

#include <QList>
#include <QPointer>
#include <QStringList>

namespace ui {
class SegmentedControl;
}

// A tab screen with several alternative full-size views and a segmented control in the title
// position of its navigation bar that switches between them.
class BaseMultiViewController : public ui::ViewController {
    Q_OBJECT
public:
    static constexpr int SegmentWidth = 68;
    static constexpr int SegmentHeight = 30;

    explicit BaseMultiViewController(QObject* parent = nullptr);
    ~BaseMultiViewController() override;

    // Stores the segment titles and their views (views[i] belongs to segment i; the controller
    // owns them), then appendNavigation. Called once, from the most derived constructor so that
    // overrides take part.
    void initWithHeaders(const QStringList& headers, const QList<QWidget*>& views);

    const QStringList& headers() const { return headers_; }
    QList<QWidget*> views() const;
    ui::SegmentedControl* segmentedControl() const { return segments_; }

    void setSelectedIndex(int index);
    int selectedIndex() const;
    void changeView(int index);

protected:
    // Puts the segmented control in the navigation bar; overrides call it first, then add
    // their bar buttons.
    virtual void appendNavigation();
    void segmentControlSelectedIndexChanged(int index);

private:
    QStringList headers_;
    QList<QPointer<QWidget>> views_;
    ui::SegmentedControl* segments_ = nullptr;
};
