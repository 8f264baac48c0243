#include "screens/weight/WeightController.h"

#include "core/base/Clock.h"
#include "core/dates/DateUtil.h"
#include "core/profile/OptionsUtil.h"
#include "core/settings/SettingsKeys.h"
#include "core/weight/WeightTrend.h"
#include "screens/weight/DaySummaryPanelView.h"
#include "screens/weight/Details/AddEditWeightController.h"
#include "screens/weight/TrendView.h"
#include "screens/weight/WeighingTableCell.h"
#include "screens/weight/WeightTexts.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SegmentedControl.h"
#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QVBoxLayout>

namespace {

// What a first weighing proposes.
constexpr float defaultKilograms = 70.0f;
// One of the three segments, "Month", "Day" and "Trend".
constexpr int segmentWidth = 56;

// A layout that gives the first widgets their fixed heights and the stretched one the rest.
QVBoxLayout* stack(QWidget* view) {
    auto* layout = new QVBoxLayout(view);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    return layout;
}

} // namespace

WeightController::WeightController(QObject* parent)
    : BaseThreeViewController(parent), inkg_(!WeightTexts::usePounds()) {
    setTabBarItem({QStringLiteral("Weight"), ControlImages::image(QStringLiteral("weight.png"))});
    init();
    w_.reloadAllWeights();
    showTrend();
}

void WeightController::appendNavigation() {
    BaseThreeViewController::appendNavigation();
    // Three segments fit between "Today" and the add button only a little narrower.
    segmentedControl()->setFixedSize(segmentWidth * 3, SegmentHeight);
    auto* today = new ui::BarButtonItem(QStringLiteral("Today"));
    connect(today, &ui::BarButtonItem::triggered, this, &WeightController::setToday);
    navigationItem()->setLeftBarButtonItem(today);
    auto* add = ui::BarButtonItem::systemAdd();
    connect(add, &ui::BarButtonItem::triggered, this, &WeightController::addNewWeighing);
    navigationItem()->setRightBarButtonItem(add);
}

QStringList WeightController::getNames() {
    return BaseThreeViewController::getNames() << QStringLiteral("Trend");
}

QWidget* WeightController::viewAtIndex(int index) {
    if (index == 2) {
        if (!trendView_)
            trendView_ = new TrendView;
        return trendView_;
    }
    QWidget* view = BaseThreeViewController::viewAtIndex(index);
    if (index == 0 && !weighttable_) {
        weighttable_ = new QVXTableView(dataView()->rect(), this, dataView());
        weighttable_->setObjectName("weighttable");
        // The list fills the data area however the calendar's height moves it.
        stack(dataView())->addWidget(weighttable_);
    } else if (index == 1 && !daysummarypanel_) {
        daysummarypanel_ = new DaySummaryPanelView(view);
        dayBar()->setFixedHeight(DayBar::Height);
        daysummarypanel_->setFixedHeight(DaySummaryPanelView::Height);
        QVBoxLayout* layout = stack(view);
        layout->addWidget(dayBar());
        layout->addWidget(dayTable(), 1);
        layout->addWidget(daysummarypanel_);
    }
    return view;
}

void WeightController::viewWillAppear() {
    BaseThreeViewController::viewWillAppear();
    inkg_ = !WeightTexts::usePounds();
    refreshAll();
}

void WeightController::refreshAll() {
    w_.reloadAllWeights();
    w_.reloadAverageWeightsForMonth(currDate());
    w_.reloadWeightsForDate(currDate());
    lastdate_ = currDate();
    reloadAll();
    showTrend();
}

void WeightController::showTrend() {
    const double goal = OptionsUtil::getWeightValue(SettingsKeys::goalWeight) / 1000.0;
    trendView_->setData(WeightTrend::fromDays(w_.weighingdays()), goal, !inkg_,
                        Clock::now().date());
}

void WeightController::reloadAll() {
    reloadTables();
    showSummary();
    calendar()->refresh();
}

void WeightController::reloadTables() {
    weighttable_->reloadData();
    dayTable()->reloadData();
}

void WeightController::showSummary() {
    const WeighingDay& day = w_.currentday();
    daysummarypanel_->setWeighingsInfo(day.getTotalWeighings(), day.avgweight());
}

void WeightController::currDateChanged() {
    const QDateTime day = currDate();
    // Year and month: the same month of another year has other averages.
    const bool newMonth = !lastdate_.isValid() || !DateUtil::dateIsOneMonthWith(day, lastdate_);
    if (newMonth)
        w_.reloadAverageWeightsForMonth(day);
    lastdate_ = day;
    // A day set from outside the calendar (an editor, "Today") brings its month into view in
    // both views, so the averages held are those of the month shown.
    calendar()->changeMonthTo(day);
    if (selectedIndex() == 1)
        dayTable()->deselect();
    w_.reloadWeightsForDate(day);
    reloadTables();
    showSummary();
    if (newMonth)
        calendar()->refresh();
}

void WeightController::setToday() {
    const QDateTime today = DateUtil::safeTrunc(Clock::now());
    calendar()->setSelectedDate(today);
    calendar()->changeMonthTo(today);
    reloadAll();
}

void WeightController::overCustom(DateButton* button) {
    button->setAdditionalInfo(QString());
    const QStringList& averages = w_.monthweightsAvg();
    // Only the days of the month whose averages are held; neighbouring days stay bare.
    if (averages.isEmpty() || !button->inCurrMonth() ||
        !DateUtil::dateIsOneMonthWith(button->date(), lastdate_))
        return;
    const QString average = averages.value(DateUtil::day(button->date()) - 1);
    if (average.isEmpty())
        return;
    button->setAdditionalInfo(
        QString::asprintf("%.1f ", double(WeightTexts::shown(average.toFloat(), !inkg_))));
}

void WeightController::addNewWeighing() {
    ui::NavigationController* nav = navigationController();
    if (!nav || !currDate().isValid())
        return;
    auto* editor = new AddEditWeightController;
    editor->setWeighingid(-1);
    editor->setOwner(this);
    // The present hour and minute on the day shown; where that day skips them, the first
    // moment after.
    const QTime now = Clock::now().time();
    editor->setDate(
        DateUtil::firstValidAtOrAfter(currDate().date(), QTime(now.hour(), now.minute())));
    const std::optional<Weighing> last = WeightDataStore::getLastAddedWeighing();
    editor->setWeight(last ? last->weight() : defaultKilograms);
    editor->setWeightPickers();
    nav->pushViewController(editor);
}

void WeightController::openWeighing(const Weighing& weighing) {
    ui::NavigationController* nav = navigationController();
    if (!nav)
        return;
    auto* editor = new AddEditWeightController;
    editor->setWeighingData(weighing);
    editor->setOwner(this);
    nav->pushViewController(editor);
}

const Weighing* WeightController::weighingAt(const ui::IndexPath& path) const {
    const WeighingDay& day = w_.currentday();
    if (path.section != 0 || path.row < 0 || path.row >= day.getTotalWeighings())
        return nullptr;
    return &day.getWeighingAtIndex(path.row);
}

int WeightController::numberOfSections(ui::TableView*) {
    return 1;
}

int WeightController::numberOfRows(ui::TableView*, int) {
    return w_.currentday().getTotalWeighings();
}

ui::TableViewCell* WeightController::cellForRow(ui::TableView* table, const ui::IndexPath& path) {
    const QString identifier = QStringLiteral("any-cell");
    auto* cell = qobject_cast<WeighingTableCell*>(table->dequeueReusableCell(identifier));
    if (!cell)
        cell = new WeighingTableCell(identifier);
    if (const Weighing* weighing = weighingAt(path))
        cell->setInfo(*weighing);
    return cell;
}

bool WeightController::canEditRow(ui::TableView*, const ui::IndexPath& path) {
    return weighingAt(path) != nullptr;
}

void WeightController::commitEditingStyle(ui::TableView*, ui::EditingStyle style,
                                          const ui::IndexPath& path) {
    const Weighing* weighing = weighingAt(path);
    if (style != ui::EditingStyle::Delete || !weighing)
        return;
    WeightDataStore::removeWeighingWithId(QString::number(weighing->wId()));
    refreshAll();
}

int WeightController::heightForRow(ui::TableView*, const ui::IndexPath&) {
    return WeighingTableCell::RowHeight;
}

int WeightController::heightForHeader(ui::TableView*, int) {
    return 0;
}

void WeightController::didSelectRow(ui::TableView* table, const ui::IndexPath& path) {
    // A copy: the editor outlives the day held now.
    const Weighing* weighing = weighingAt(path);
    const std::optional<Weighing> chosen =
        weighing ? std::optional<Weighing>(*weighing) : std::nullopt;
    if (QVXTableView* owner = QVXTableView::enclosing(table))
        owner->deselect();
    if (chosen)
        openWeighing(*chosen);
}

QWidget* WeightController::tableViewForHeaderInSection(QVXTableView*, int) {
    return nullptr;
}
