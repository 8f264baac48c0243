#include "screens/common/DayEntryEditor.h"

#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/base/RefresherDelegate.h"
#include "core/dates/DateUtil.h"
#include "core/db/DBException.h"
#include "ui/AlertView.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/SegmentedToolbar.h"

DayEntryEditor::DayEntryEditor(bool editMode, const QString& dateKey, const QString& saveTitle,
                               QObject* parent)
    : QVXViewController(parent), isEditMode_(editMode), dateKey_(dateKey),
      save_(new ui::BarButtonItem(saveTitle, ui::BarButtonItem::Style::Done)) {
    setHidesBottomBarWhenPushed(true);
    auto* back = new ui::BarButtonItem(QStringLiteral("Back"));
    connect(back, &ui::BarButtonItem::triggered, this, &DayEntryEditor::doBack);
    navigationItem()->setLeftBarButtonItem(back);
    connect(save_, &ui::BarButtonItem::triggered, this, &DayEntryEditor::doSave);
    navigationItem()->setRightBarButtonItem(save_);
}

DayEntryEditor::~DayEntryEditor() {
    for (const std::function<void()>& detach : std::as_const(detachers_))
        detach();
}

void DayEntryEditor::loadView() {
    QVXViewController::loadView();
    view()->resize(ui::Metrics::ScreenWidth, ui::Metrics::FullContentHeight);
    dayBar_ = new DayBar(view());
    dayBar_->setArrowsVisible(arrowsShown());
    dayBar_->setDate(date_);
    connect(dayBar_, &DayBar::dateStepped, this, &DayEntryEditor::dayStepped);
}

void DayEntryEditor::dayStepped(const QDateTime& date) {
    setDate(date);
}

ui::SegmentedControl* DayEntryEditor::addSegmentedRow(const QStringList& titles, int y,
                                                      const QString& caption, int controlWidth) {
    auto* row = new SegmentedToolbar(titles, controlWidth, caption, view());
    row->move(0, y);
    return row->control();
}

void DayEntryEditor::setEditMode(bool editMode) {
    isEditMode_ = editMode;
    if (dayBar_)
        dayBar_->setArrowsVisible(arrowsShown());
}

void DayEntryEditor::setEntryDayMovable(bool movable) {
    entryDayMovable_ = movable;
    if (dayBar_)
        dayBar_->setArrowsVisible(arrowsShown());
}

ui::Label* DayEntryEditor::monthLabel() const {
    return dayBar_ ? dayBar_->label() : nullptr;
}

void DayEntryEditor::setDate(const QDateTime& date) {
    date_ = date;
    if (dayBar_)
        dayBar_->setDate(date);
    if (!isEditMode_ && !dateKey_.isEmpty())
        AppVars::getVars().insert(dateKey_, date);
}

void DayEntryEditor::plusDay() {
    view();
    dayBar_->stepDays(1);
}

void DayEntryEditor::minusDay() {
    view();
    dayBar_->stepDays(-1);
}

void DayEntryEditor::viewWillAppear() {
    QVXViewController::viewWillAppear();
    if (isEditMode_ || dateKey_.isEmpty())
        return;
    const QDateTime shared = AppVars::getVars().value(dateKey_).toDateTime();
    setDate(shared.isValid() ? shared : DateUtil::trunc(Clock::now()));
}

void DayEntryEditor::doBack() {
    if (ui::NavigationController* nav = navigationController())
        nav->popViewController();
}

bool DayEntryEditor::written(const std::function<void()>& writes) {
    try {
        writes();
        return true;
    } catch (const DBException& failure) {
        qCritical().noquote() << "Not saved:" << failure.name() << "-" << failure.reason();
        auto* alert = new ui::AlertView(
            QStringLiteral("Not Saved"),
            failure.reason() + QStringLiteral("\n\nNothing was changed. Your entry is still "
                                              "here: save it again when the problem is solved."),
            QStringLiteral("OK"));
        alert->showIn(view()->window());
        return false;
    }
}

void DayEntryEditor::finishSave() {
    if (owner_)
        owner_->refreshData();
    if (ui::NavigationController* nav = navigationController())
        nav->popToRootViewController();
}
