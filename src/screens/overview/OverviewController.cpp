#include "screens/overview/OverviewController.h"

#include "core/base/Clock.h"
#include "core/dates/DateUtil.h"
#include "core/profile/CalorieBudget.h"
#include "screens/common/DiaryEntryCell.h"
#include "screens/common/DiarySectionHeader.h"
#include "screens/exercise/Details/ExerciseEditorOpener.h"
#include "screens/exercise/ExerciseTableCell.h"
#include "screens/food/Details/FoodEditorOpener.h"
#include "screens/food/FoodTableCell.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "ui/BarButtonItem.h"
#include "ui/Metrics.h"
#include "ui/NavigationItem.h"
#include "ui/TableView.h"
#include "ui/ViewUtil.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QEvent>
#include <QVBoxLayout>

namespace {

const int stripHeight = 105;
// The month view's panel stands this far above the bottom of the data area.
const int panelRise = 60;

QColor keptColor() {
    return QColor(0, 102, 0);
}

} // namespace

OverviewController::OverviewController(QObject* parent)
    : BaseThreeViewController(parent), lastdate_(Clock::now()) {
    setTabBarItem(
        {QStringLiteral("Overview"), ControlImages::image(QStringLiteral("overview.png"))});
    init();
}

OverviewController::~OverviewController() = default;

void OverviewController::appendNavigation() {
    BaseThreeViewController::appendNavigation();
    auto* today = new ui::BarButtonItem(QStringLiteral("Today"));
    connect(today, &ui::BarButtonItem::triggered, this, &OverviewController::setToday);
    navigationItem()->setLeftBarButtonItem(today);
}

QWidget* OverviewController::viewAtIndex(int index) {
    QWidget* view = BaseThreeViewController::viewAtIndex(index);
    if (index == 0 && !summarypanel_) {
        strip_ = new QWidget(dataView());
        strip_->setObjectName("strip");
        strip_->setAutoFillBackground(true);
        QPalette palette = strip_->palette();
        palette.setColor(QPalette::Window, ui::Metrics::tintColor());
        strip_->setPalette(palette);
        strip_->setGeometry(0, 0, ui::Metrics::ScreenWidth, stripHeight);
        summarypanel_ =
            new OverviewInfoPanel(QRect(0, 0, ui::Metrics::ScreenWidth, 130), dataView());
        summarypanel_->setObjectName("summarypanel");
        // The data area changes height with the calendar and with the screen around it.
        dataView()->installEventFilter(this);
        placeSummaryPanel();
    } else if (index == 1 && !daysummarypanel_) {
        daysummarypanel_ = new OverviewInfoPanel(QRect(0, 0, ui::Metrics::ScreenWidth, 130), view);
        daysummarypanel_->setObjectName("daysummarypanel");
        // The table takes what the bar and the panel leave, so the panel stands whole under it.
        auto* layout = new QVBoxLayout(view);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        dayBar()->setFixedHeight(DayBar::Height);
        daysummarypanel_->setFixedHeight(OverviewInfoPanel::PanelHeight);
        layout->addWidget(dayBar());
        layout->addWidget(dayTable(), 1);
        layout->addWidget(daysummarypanel_);
    }
    return view;
}

bool OverviewController::eventFilter(QObject* watched, QEvent* event) {
    if (watched == dataView() && event->type() == QEvent::Resize)
        placeSummaryPanel();
    return BaseThreeViewController::eventFilter(watched, event);
}

void OverviewController::placeSummaryPanel() {
    if (!summarypanel_)
        return;
    summarypanel_->move(0, dataView()->height() - panelRise);
    summarypanel_->raise();
}

void OverviewController::calendarHeightChanged(CalendarView* calendar) {
    BaseThreeViewController::calendarHeightChanged(calendar);
    placeSummaryPanel();
}

void OverviewController::viewWillAppear() {
    BaseThreeViewController::viewWillAppear();
    refreshAll();
}

void OverviewController::refreshAll() {
    currentday_ = OverviewDayInfo::getOverviewForDate(currDate());
    fillWeeksInfoFromDB();
    reloadAll();
    calendar()->refresh();
}

void OverviewController::fillWeeksInfoFromDB() {
    overviewweeks_ = OverviewWeekInfo::getOverviewWeeks();
    weekOfSunday_.clear();
    for (qsizetype i = 0; i < overviewweeks_.size(); ++i)
        weekOfSunday_.insert(
            OverviewWeekInfo::sundayOf(overviewweeks_[i].date().toLocalTime().date()), i);
}

void OverviewController::reloadAll() {
    dayTable()->reloadData();
    summarypanel_->setInfo(currentday_.get());
    daysummarypanel_->setInfo(currentday_.get());
}

void OverviewController::currDateChanged() {
    const QDateTime selected = calendar()->date();
    // Taken over before the month is brought into view, so that its days are drawn with their
    // marks at once.
    lastdate_ = selected;
    // The month view follows the day buttons.
    if (selectedIndex() == 1)
        calendar()->changeMonthTo(selected);
    currentday_ = OverviewDayInfo::getOverviewForDate(currDate());
    reloadAll();
}

void OverviewController::setToday() {
    const QDateTime now = Clock::now();
    calendar()->setSelectedDate(now);
    calendar()->changeMonthTo(now);
    reloadAll();
}

void OverviewController::refreshData() {
    // An edited entry may have left its day, and a first entry may have made one.
    currentday_ = OverviewDayInfo::getOverviewForDate(currDate());
    reloadAll();
}

const OverviewDayInfo* OverviewController::markedDay(const QDateTime& date) const {
    if (!date.isValid())
        return nullptr;
    const auto week =
        weekOfSunday_.constFind(OverviewWeekInfo::sundayOf(date.toLocalTime().date()));
    if (week == weekOfSunday_.cend())
        return nullptr;
    for (const OverviewDayPtr& day : overviewweeks_.at(*week).overviewdays()) {
        if (DateUtil::dateIsOneDayWith(day->date(), date))
            return day.get();
    }
    return nullptr;
}

void OverviewController::overCustom(DateButton* button) {
    button->setAdditionalInfo(QString());
    button->setFlagImage(QPixmap());
    // Only while the calendar shows the month last taken over (year and month both).
    if (!DateUtil::dateIsOneMonthWith(calendar()->date(), lastdate_))
        return;
    const OverviewDayInfo* day = markedDay(button->date());
    // Days with weighings alone carry no mark.
    if (!day || (day->consumed() <= 0 && day->burned() <= 0))
        return;
    const float allowed = CalorieBudget::effectiveAllowance();
    const bool over = allowed < day->consumed() - day->burned();
    // The net as the day shows it, whole calories; exactly nothing left still counts as kept.
    const float left = allowed - day->netValue().toFloat();
    button->setAdditionalInfoColor(over ? QColor(Qt::red) : keptColor());
    button->setAdditionalInfo(QString::asprintf("%.0f", static_cast<double>(left)));
    button->setFlagImage(
        ControlImages::image(over ? QStringLiteral("red.png") : QStringLiteral("green.png")));
}

int OverviewController::foodGroups() const {
    return currentday_ && currentday_->foodInfo() ? currentday_->foodInfo()->groupCount() : 0;
}

int OverviewController::exerciseGroups() const {
    return currentday_ && currentday_->exerciseInfo() ? currentday_->exerciseInfo()->groupCount()
                                                      : 0;
}

OverviewController::Group OverviewController::groupOf(int section) const {
    const int food = foodGroups();
    if (section >= 0 && section < food)
        return {true, section};
    if (section >= food && section < food + exerciseGroups())
        return {false, section - food};
    return {};
}

int OverviewController::numberOfSections(ui::TableView*) {
    return std::max(1, foodGroups() + exerciseGroups());
}

int OverviewController::numberOfRows(ui::TableView*, int section) {
    const Group group = groupOf(section);
    if (group.index < 0)
        return 0;
    const auto size = group.food ? currentday_->foodInfo()->items().at(group.index).size()
                                 : currentday_->exerciseInfo()->items().at(group.index).size();
    return static_cast<int>(size);
}

bool OverviewController::checkSection(ui::TableView* table, int section) {
    return numberOfRows(table, section) > 0;
}

ui::TableViewCell* OverviewController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const Group group = groupOf(path.section);
    if (group.food) {
        const QString identifier = QStringLiteral("any-food-cell");
        auto* cell = qobject_cast<FoodTableCell*>(table->dequeueReusableCell(identifier));
        if (!cell)
            cell = new FoodTableCell(identifier);
        cell->setInfo(currentday_->foodInfo()->entryAt(group.index, path.row));
        return cell;
    }
    const QString identifier = QStringLiteral("any-exercise-cell");
    auto* cell = qobject_cast<ExerciseTableCell*>(table->dequeueReusableCell(identifier));
    if (!cell)
        cell = new ExerciseTableCell(identifier);
    // The one empty section of a day without groups has no rows to ask for.
    if (group.index >= 0)
        cell->setInfo(currentday_->exerciseInfo()->entryAt(group.index, path.row));
    return cell;
}

int OverviewController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return DiaryEntryCell::RowHeight;
}

int OverviewController::heightForHeader(ui::TableView* table, int section) {
    // A section without rows takes no room: a day lists many empty meals and categories.
    return checkSection(table, section) ? DiarySectionHeader::Height : 0;
}

bool OverviewController::canEditRow(ui::TableView* table, const ui::IndexPath& path) {
    return path.row >= 0 && path.row < numberOfRows(table, path.section);
}

void OverviewController::commitEditingStyle(ui::TableView* table, ui::EditingStyle style,
                                            const ui::IndexPath& path) {
    if (style != ui::EditingStyle::Delete || !canEditRow(table, path))
        return;
    // The current day holds its diary days, even when their last entry goes with them.
    const OverviewDayPtr day = currentday_;
    const Group group = groupOf(path.section);
    if (group.food)
        day->foodInfo()->removeFoodAtIndexPath(group.index, path.row);
    else
        day->exerciseInfo()->removeExerciseAtIndexPath(group.index, path.row);
    // The weeks are read again too, so the calendar's marks follow the deletion.
    refreshAll();
}

void OverviewController::didSelectRow(ui::TableView*, const ui::IndexPath& path) {
    const Group group = groupOf(path.section);
    dayTable()->deselect();
    if (group.index < 0)
        return;
    if (group.food)
        FoodEditorOpener::open(navigationController(), this,
                               currentday_->foodInfo()->entryAt(group.index, path.row));
    else
        ExerciseEditorOpener::open(navigationController(), this,
                                   currentday_->exerciseInfo()->entryAt(group.index, path.row));
}

QWidget* OverviewController::tableViewForHeaderInSection(QVXTableView* table, int section) {
    ui::TableView* list = table->tableView();
    if (!checkSection(list, section))
        return nullptr;
    return DiarySectionHeader::make(section, tableViewSectionName(list, section),
                                    tableViewSectionInfo(list, section),
                                    tableViewSectionColor(list, section));
}

QString OverviewController::tableViewSectionName(ui::TableView*, int section) {
    const Group group = groupOf(section);
    if (group.index < 0)
        return {};
    return group.food ? FoodDayInfo::nameForItemsAtIndex(group.index)
                      : ExerciseDayInfo::nameForItemsAtIndex(group.index);
}

QString OverviewController::tableViewSectionInfo(ui::TableView*, int section) {
    const Group group = groupOf(section);
    if (group.index < 0)
        return {};
    const float total = group.food ? currentday_->foodInfo()->itemsTotal().value(group.index)
                                   : currentday_->exerciseInfo()->itemsTotal().value(group.index);
    // The number's plain text: 250, or 12.5.
    return QString::number(static_cast<double>(total), 'g', 10);
}

QBrush OverviewController::tableViewSectionColor(ui::TableView*, int) {
    return DiarySectionHeader::color();
}
