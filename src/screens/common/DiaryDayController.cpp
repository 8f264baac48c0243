#include "screens/common/DiaryDayController.h"

#include "core/base/AppVars.h"
#include "core/base/Clock.h"
#include "core/dates/DateUtil.h"
#include "core/overview/OverviewDayInfo.h"
#include "screens/common/DiarySectionHeader.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/QVXTableView.h"

#include <QVBoxLayout>

namespace {
const int rowHeight = 44;
const int tableHeight = 263;
} // namespace

DiaryDayController::DiaryDayController(const QString& dateKey, const QString& tabTitle,
                                       const QString& tabImage, QObject* parent)
    : BaseMultiViewController(parent), dateKey_(dateKey) {
    setTabBarItem({tabTitle, ControlImages::image(tabImage)});
}

void DiaryDayController::init() {
    initWithHeaders({QStringLiteral("Day")}, {buildDayView()});
    setSelectedIndex(0);
    setCurrDate(Clock::now());
}

DiaryDayController::~DiaryDayController() = default;

void DiaryDayController::appendNavigation() {
    BaseMultiViewController::appendNavigation();
    auto* today = new ui::BarButtonItem(QStringLiteral("Today"));
    connect(today, &ui::BarButtonItem::triggered, this, &DiaryDayController::setToday);
    navigationItem()->setLeftBarButtonItem(today);
    auto* add = ui::BarButtonItem::systemAdd();
    connect(add, &ui::BarButtonItem::triggered, this, &DiaryDayController::openAddMenu);
    navigationItem()->setRightBarButtonItem(add);
}

QWidget* DiaryDayController::buildDayView() {
    auto* view = new QWidget;
    view->resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    dayBar_ = new DayBar(view);
    connect(dayBar_, &DayBar::dateStepped, this, &DiaryDayController::setCurrDate);
    dayTable_ = new QVXTableView(QRect(0, DayBar::Height, ui::Metrics::ScreenWidth, tableHeight),
                                 this, view);
    dayTable_->setObjectName("dayTable");
    dayTable_->tableView()->setObjectName("Day table");
    daysummarypanel_ = new OverviewInfoPanel(
        QRect(0, DayBar::Height + tableHeight, ui::Metrics::ScreenWidth, 130), view);
    daysummarypanel_->setObjectName("daysummarypanel");

    // The table takes whatever height the stack gives the screen; the bar and the summary keep
    // theirs, so the summary always stands whole under the entries.
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    dayBar_->setFixedHeight(DayBar::Height);
    daysummarypanel_->setFixedHeight(OverviewInfoPanel::PanelHeight);
    layout->addWidget(dayBar_);
    layout->addWidget(dayTable_, 1);
    layout->addWidget(daysummarypanel_);
    return view;
}

ui::Label* DiaryDayController::dayLabel() const {
    return dayBar_->label();
}

void DiaryDayController::setCurrDate(const QDateTime& date) {
    if (!date.isValid()) {
        dayBar_->setDate(date);
        return;
    }
    currDate_ = DateUtil::trunc(date);
    dayBar_->setDate(currDate_);
    loadDay();
    dayTable_->reloadData();
    showSummary();
    AppVars::getVars().insert(dateKey_, currDate_);
}

void DiaryDayController::plusDay() {
    dayBar_->stepDays(1);
}

void DiaryDayController::minusDay() {
    dayBar_->stepDays(-1);
}

void DiaryDayController::setToday() {
    setCurrDate(Clock::now());
}

void DiaryDayController::openAddMenu() {
    ui::ViewController* menu = addMenu();
    if (menu && navigationController())
        navigationController()->pushViewController(menu);
}

void DiaryDayController::showSummary() {
    const OverviewDayPtr overview =
        currDate_.isValid() ? OverviewDayInfo::getOverviewForDate(currDate_) : nullptr;
    daysummarypanel_->setInfo(overview.get());
}

void DiaryDayController::refreshData() {
    // A day that had no entries gets one when its first entry is saved; the last entry of a
    // past day taking its day out of the list leaves none.
    if (!dayIsListed())
        loadDay();
    dayTable_->reloadData();
    showSummary();
    didRefresh();
}

void DiaryDayController::viewWillAppear() {
    BaseMultiViewController::viewWillAppear();
    const QDateTime shared = AppVars::getVars().value(dateKey_).toDateTime();
    setCurrDate(shared.isValid() ? shared : Clock::now());
    refreshData();
}

bool DiaryDayController::hasEntry(const ui::IndexPath& path) const {
    return path.section >= 0 && path.section < sectionCount() && path.row >= 0 &&
           path.row < entryCount(path.section);
}

int DiaryDayController::numberOfSections(ui::TableView*) {
    return sectionCount();
}

int DiaryDayController::numberOfRows(ui::TableView*, int section) {
    return entryCount(section);
}

bool DiaryDayController::canEditRow(ui::TableView*, const ui::IndexPath& path) {
    return hasEntry(path);
}

void DiaryDayController::commitEditingStyle(ui::TableView*, ui::EditingStyle style,
                                            const ui::IndexPath& path) {
    if (style != ui::EditingStyle::Delete || !hasEntry(path))
        return;
    removeEntry(path);
    refreshData();
}

int DiaryDayController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return rowHeight;
}

int DiaryDayController::heightForHeader(ui::TableView*, int section) {
    // A section without entries has no header, so it takes no room either.
    return entryCount(section) > 0 ? DiarySectionHeader::Height : 0;
}

void DiaryDayController::didSelectRow(ui::TableView*, const ui::IndexPath& path) {
    if (hasEntry(path))
        openEntry(path);
    dayTable_->deselect();
}

QBrush DiaryDayController::tableViewSectionColor(ui::TableView*, int) const {
    return DiarySectionHeader::color();
}

QWidget* DiaryDayController::tableViewForHeaderInSection(QVXTableView* table, int section) {
    ui::TableView* list = table->tableView();
    if (entryCount(section) == 0)
        return nullptr;
    return DiarySectionHeader::make(section, tableViewSectionName(list, section),
                                    tableViewSectionInfo(list, section),
                                    tableViewSectionColor(list, section));
}
