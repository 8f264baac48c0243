#include "ui/controls/BaseMultiViewController.h"

#include "ui/Metrics.h"
#include "ui/NavigationItem.h"
#include "ui/SegmentedControl.h"

BaseMultiViewController::BaseMultiViewController(QObject* parent) : ui::ViewController(parent) {}

BaseMultiViewController::~BaseMultiViewController() {
    // The views never shown are not yet the base's to delete.
    for (const QPointer<QWidget>& view : std::as_const(views_))
        delete view.data();
}

void BaseMultiViewController::initWithHeaders(const QStringList& headers,
                                              const QList<QWidget*>& views) {
    headers_ = headers;
    views_.clear();
    for (QWidget* view : views)
        views_.append(view);
    appendNavigation();
}

QList<QWidget*> BaseMultiViewController::views() const {
    QList<QWidget*> result;
    for (const QPointer<QWidget>& view : views_)
        result.append(view.data());
    return result;
}

void BaseMultiViewController::appendNavigation() {
    segments_ = new ui::SegmentedControl(headers_);
    segments_->setObjectName("segments");
    segments_->setSegmentedControlStyle(ui::SegmentedControl::Style::Bar);
    segments_->setTintColor(ui::Metrics::tintColor());
    segments_->setFixedSize(SegmentWidth * static_cast<int>(headers_.size()), SegmentHeight);
    connect(segments_, &ui::SegmentedControl::valueChanged, this,
            &BaseMultiViewController::segmentControlSelectedIndexChanged);
    navigationItem()->setTitleView(segments_);
}

void BaseMultiViewController::segmentControlSelectedIndexChanged(int index) {
    changeView(index);
}

void BaseMultiViewController::changeView(int index) {
    if (index < 0 || index >= views_.size() || !views_[index])
        return;
    setView(views_[index]);
}

void BaseMultiViewController::setSelectedIndex(int index) {
    if (segments_)
        segments_->setSelectedSegmentIndex(index);
    changeView(index);
}

int BaseMultiViewController::selectedIndex() const {
    return segments_ ? segments_->selectedSegmentIndex() : ui::SegmentedControl::kNoSegment;
}
