// The whole application over a generated ten-year diary, offscreen at 2x: from nothing to the
// first painted frame of the window, and what a user does most, each timed from the input until
// the window has repainted. Transitions are off, so the frame timed is the finished screen.

#include "BenchDiary.h"
#include "app/QuorvelAppDelegate.h"
#include "app/QuorvelApplication.h"
#include "core/base/ResetRegistry.h"
#include "core/settings/WelcomeCounter.h"
#include "screens/exercise/ExerciseController.h"
#include "screens/food/Details/AddFoodController.h"
#include "screens/food/Details/FoodMenuController.h"
#include "screens/food/FoodController.h"
#include "screens/overview/OverviewController.h"
#include "screens/weight/WeightController.h"
#include "ui/AlertView.h"
#include "ui/Animations.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/SearchBar.h"
#include "ui/TabBar.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/QVXCalendarView.h"

#include <QAbstractButton>
#include <QAbstractEventDispatcher>
#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <utility>

namespace {

const QDate kEndDate(2026, 12, 6);
enum Tab { Overview, Food, Exercise, Weight, Profile };

// The paint events that reach the widgets of one window, so that a step knows the window was
// drawn after its input.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintCounter() override { qApp->removeEventFilter(this); }
    PaintCounter(const PaintCounter&) = delete;
    PaintCounter& operator=(const PaintCounter&) = delete;

    int count() const { return count_; }

    // Runs every event the input left (layouts, update requests, zero timers) until none is
    // left; true when the window painted since `before`.
    bool settledSince(int before) const {
        QAbstractEventDispatcher* dispatcher = QCoreApplication::eventDispatcher();
        for (int round = 0; round < 1000; ++round)
            if (!dispatcher->processEvents(QEventLoop::AllEvents) && count_ > before)
                return true;
        return count_ > before;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_)
            ++count_;
        return false;
    }

private:
    QWidget* window_;
    int count_ = 0;
};

// Pauses the clock for the set-up of the next step.
class Untimed {
public:
    explicit Untimed(benchmark::State& state) : state_(state) { state_.PauseTiming(); }
    ~Untimed() { state_.ResumeTiming(); }
    Untimed(const Untimed&) = delete;
    Untimed& operator=(const Untimed&) = delete;

private:
    benchmark::State& state_;
};

// The application as a user leaves it running, launched once for every interaction.
class Shell {
public:
    static Shell& get() {
        if (!slot())
            slot().reset(new Shell);
        return *slot();
    }
    // Closes the application while the application object still stands.
    static void close() { slot().reset(); }

    QWidget* window() const { return delegate_.window(); }
    ui::NavigationController* nav(Tab tab) const {
        return qobject_cast<ui::NavigationController*>(
            delegate_.tabBarController()->viewControllers().at(tab));
    }
    template <class Screen> Screen* root(Tab tab) const {
        return qobject_cast<Screen*>(nav(tab)->viewControllers().first());
    }
    template <class Screen> Screen* top(Tab tab) const {
        return qobject_cast<Screen*>(nav(tab)->topViewController());
    }

    // Gives the input as a user gives it, then runs what follows it until the window has
    // repainted; false when the window did not repaint.
    bool step(const std::function<void()>& input) {
        const int before = paints_->count();
        input();
        return paints_->settledSince(before);
    }
    static void tapNow(QWidget* widget, QPoint at = {}) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    }
    void tap(QWidget* widget, QPoint at = {}) {
        step([&] { tapNow(widget, at); });
    }
    // The visible, enabled button of that name (a bar button's title, an arrow's name).
    QAbstractButton* button(const QString& name) const {
        for (QAbstractButton* candidate : window()->findChildren<QAbstractButton*>(name))
            if (candidate->isVisible() && candidate->isEnabled())
                return candidate;
        std::fprintf(stderr, "no visible button %s\n", qPrintable(name));
        std::abort();
    }
    void click(const QString& name) { tap(button(name)); }
    ui::TabBar* tabBar() const { return delegate_.tabBarController()->tabBar(); }
    QPoint tabCentre(Tab tab) const { return tabBar()->tabRect(tab).center(); }
    void choose(Tab tab) {
        if (tabBar()->selectedIndex() != tab)
            tap(tabBar(), tabCentre(tab));
    }
    // Scrolls the row into view, then the point to tap it at.
    QPoint showRow(ui::TableView* table, const ui::IndexPath& path) {
        step([&] { table->scrollToRow(path); });
        return table->rectForRow(path).center();
    }
    void tapRow(ui::TableView* table, const ui::IndexPath& path) {
        tap(table->viewport(), showRow(table, path));
    }

private:
    static std::unique_ptr<Shell>& slot() {
        static std::unique_ptr<Shell> shell;
        return shell;
    }

    Shell() {
        delegate_.applicationDidFinishLaunching();
        paints_ = std::make_unique<PaintCounter>(delegate_.window());
        paints_->settledSince(0);
        // Notices of the start (a failed backup, an upgrade) are read and closed.
        while (ui::AlertView* alert = ui::AlertView::current())
            step([alert] { alert->dismiss(); });
    }

    QuorvelAppDelegate delegate_;
    std::unique_ptr<PaintCounter> paints_;
};

// One timed step; a step after which nothing was repainted ends the run with an error.
bool timedStep(benchmark::State& state, Shell& shell, const std::function<void()>& input) {
    if (shell.step(input))
        return true;
    state.SkipWithError("the window did not repaint");
    return false;
}

long peakResidentKb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

void BM_StartupToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto delegate = std::make_unique<QuorvelAppDelegate>();
        delegate->applicationDidFinishLaunching();
        bool painted = false;
        {
            const PaintCounter paints(delegate->window());
            painted = paints.settledSince(0);
        }
        {
            // Nothing open, nothing read: the next start opens and reads everything again.
            const Untimed untimed(state);
            delegate.reset();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            ResetRegistry::resetAll();
        }
        if (!painted) {
            state.SkipWithError("the window did not paint");
            break;
        }
    }
    state.counters["peak_rss_mb"] = static_cast<double>(peakResidentKb()) / 1024.0;
}

// Taps the back arrow of a tab's root screen, going back through the years, and starts again
// from today after `steps` taps.
template <class Screen, class Arrow>
void stepBack(benchmark::State& state, Tab tab, int steps, Arrow arrowOf) {
    Shell& shell = Shell::get();
    shell.choose(tab);
    auto* screen = shell.root<Screen>(tab);
    const auto today = [screen] { screen->setToday(); };
    QAbstractButton* back = arrowOf(screen);
    shell.step(today);
    int stepped = 0;
    for (auto _ : state) {
        if (++stepped > steps) {
            const Untimed untimed(state);
            shell.step(today);
            stepped = 1;
        }
        if (!timedStep(state, shell, [back] { Shell::tapNow(back); }))
            break;
    }
    shell.step(today);
}

// A diary tab's previous day.
template <class Screen> void stepDaysBack(benchmark::State& state, Tab tab) {
    stepBack<Screen>(state, tab, 3660,
                     [](Screen* screen) { return screen->dayBar()->minusButton(); });
}

void foodDayArrow(benchmark::State& state) {
    stepDaysBack<FoodController>(state, Food);
}

void exerciseDayArrow(benchmark::State& state) {
    stepDaysBack<ExerciseController>(state, Exercise);
}

// A calendar tab's previous month, on its month view.
template <class Screen> void stepMonthsBack(benchmark::State& state, Tab tab) {
    stepBack<Screen>(state, tab, 120, [](Screen* screen) {
        screen->setSelectedIndex(0);
        return screen->calendar()->template findChild<QAbstractButton*>("backMonth");
    });
}

void overviewMonthSwitch(benchmark::State& state) {
    stepMonthsBack<OverviewController>(state, Overview);
}

void weightMonthSwitch(benchmark::State& state) {
    stepMonthsBack<WeightController>(state, Weight);
}

void openFoodMenu(benchmark::State& state) {
    Shell& shell = Shell::get();
    shell.choose(Food);
    for (auto _ : state) {
        QAbstractButton* add = shell.button("Add");
        if (!timedStep(state, shell, [add] { Shell::tapNow(add); }))
            break;
        const Untimed untimed(state);
        shell.click("Back");
    }
}

// The food menu's recent foods, where most entries are added from.
FoodMenuController* openRecentFoods(Shell& shell) {
    shell.choose(Food);
    shell.click("Add");
    auto* menu = shell.top<FoodMenuController>(Food);
    shell.tapRow(menu->tableView(), {0, 0});
    return shell.top<FoodMenuController>(Food);
}

void openAddFood(benchmark::State& state) {
    Shell& shell = Shell::get();
    FoodMenuController* recent = openRecentFoods(shell);
    ui::TableView* table = recent->tableView();
    const QPoint first = shell.showRow(table, {0, 0});
    for (auto _ : state) {
        if (!timedStep(state, shell, [table, first] { Shell::tapNow(table->viewport(), first); }))
            break;
        const Untimed untimed(state);
        shell.click("Back");
    }
    shell.nav(Food)->popToRootViewController(false);
    shell.step([] {});
}

void saveFoodEntry(benchmark::State& state) {
    Shell& shell = Shell::get();
    for (auto _ : state) {
        {
            const Untimed untimed(state);
            FoodMenuController* recent = openRecentFoods(shell);
            shell.tapRow(recent->tableView(), {0, 0});
            // One portion, on the wheel of whole portions, as a keyboard user turns it.
            ui::PickerView* portions = shell.top<AddFoodController>(Food)->portion();
            shell.step([portions] {
                portions->setFocus(Qt::TabFocusReason);
                QTest::keyClick(portions, Qt::Key_Down);
            });
        }
        QAbstractButton* save = shell.button("Save");
        if (!timedStep(state, shell, [save] { Shell::tapNow(save); }))
            break;
    }
}

void profileShow(benchmark::State& state) {
    Shell& shell = Shell::get();
    shell.choose(Food);
    ui::TabBar* bar = shell.tabBar();
    const QPoint profile = shell.tabCentre(Profile);
    for (auto _ : state) {
        if (!timedStep(state, shell, [bar, profile] { Shell::tapNow(bar, profile); }))
            break;
        const Untimed untimed(state);
        shell.choose(Food);
    }
}

// One notch of the mouse wheel down the results of a search of the whole food catalogue.
void scrollFoodSearchResults(benchmark::State& state) {
    Shell& shell = Shell::get();
    shell.choose(Food);
    shell.click("Add");
    auto* menu = shell.top<FoodMenuController>(Food);
    shell.tapRow(menu->tableView(), {1, 1});
    auto* search = shell.top<FoodMenuController>(Food);
    shell.step([search] {
        search->searchBar()->setText(QStringLiteral("ch"));
        search->searchBarSearchButtonClicked();
    });
    ui::TableView* table = search->tableView();
    QWidget* viewport = table->viewport();
    const QPointF at = viewport->rect().center();
    for (auto _ : state) {
        if (table->contentOffset() >= table->verticalScrollBar()->maximum()) {
            const Untimed untimed(state);
            shell.step([table] { table->setContentOffset(0); });
        }
        if (!timedStep(state, shell, [viewport, at] {
                QWheelEvent wheel(at, viewport->mapToGlobal(at), QPoint(), QPoint(0, -120),
                                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
                QCoreApplication::sendEvent(viewport, &wheel);
            }))
            break;
    }
    state.counters["rows"] = table->numberOfRows(0);
    shell.nav(Food)->popToRootViewController(false);
    shell.step([] {});
}

void registerAll() {
    benchmark::RegisterBenchmark("BM_StartupToFirstFrame", BM_StartupToFirstFrame)
        ->Unit(benchmark::kMillisecond);
    const std::pair<const char*, void (*)(benchmark::State&)> interactions[] = {
        {"food_day_arrow", foodDayArrow},
        {"open_food_menu", openFoodMenu},
        {"open_add_food", openAddFood},
        {"save_food_entry", saveFoodEntry},
        {"overview_month_switch", overviewMonthSwitch},
        {"weight_month_switch", weightMonthSwitch},
        {"exercise_day_arrow", exerciseDayArrow},
        {"profile_show", profileShow},
        {"scroll_food_search_results", scrollFoodSearchResults},
    };
    for (const auto& [name, run] : interactions)
        benchmark::RegisterBenchmark((std::string("BM_Interaction/") + name).c_str(), run)
            ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    BenchDiary diary(kEndDate);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The scale the window takes on a desktop whose screen fits it twice over.
    qputenv("QT_SCALE_FACTOR", "2");
    QuorvelApplication app(argc, argv);
    ui::Animations::setEnabled(false);
    const DiaryGenerator::Counts counts = diary.fill();
    std::fprintf(stderr, "generated %d food entries, %d exercise entries, %d weighings\n",
                 counts.foods, counts.exercises, counts.weighings);
    // Someone with ten years of diary has read the welcome notice of the first two launches.
    while (WelcomeCounter::shouldShowAndCount()) {
    }
    registerAll();
    const int status = BenchDiary::run(argc, argv);
    Shell::close();
    return status;
}
