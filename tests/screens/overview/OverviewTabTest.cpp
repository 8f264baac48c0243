#include "core/base/Clock.h"
#include "core/diary/FoodDayInfo.h"
#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/exercise/Details/QuickExercise.h"
#include "screens/food/Details/QuickCalories.h"
#include "screens/overview/OverviewController.h"
#include "screens/overview/OverviewInfoPanel.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/QtPrinters.h"
#include "support/RawDatabase.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/AlertView.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/TableView.h"
#include "ui/TextField.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/MonthView.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QCoreApplication>
#include <QLabel>
#include <memory>

namespace {

const QColor kept(0, 102, 0);

class OverviewTabTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
        UDefUtil::setUserDefFloat(2000.0f, SettingsKeys::allowedCalories);
    }
    void TearDown() override {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stack.reset();
        QuorvelTest::TearDown();
    }
    void open() {
        overview = new OverviewController;
        stack = std::make_unique<gui::ScreenStack>(overview, QSize(320, 411));
        nav = stack->nav();
    }
    void click(const char* name) { gui::click(nav->view(), name); }
    ui::TableView* list() const { return overview->dayTable()->tableView(); }

    // A day of the grid shown as "small text|flag", the flag "red" or "green" when the text has
    // the flag's colour (red, or 0/102/0), "" for none; "(none)" for a day not on the grid.
    QString mark(const QDate& day) const {
        DateButton* button = overview->calendar()->visibleMonth()->buttonFor(day);
        if (!button)
            return "(none)";
        const QImage flag = button->flagImage().toImage();
        QString flagName;
        for (auto [name, colour] : {std::pair{"red", QColor(Qt::red)}, {"green", kept}})
            if (!flag.isNull() && flag == ControlImages::image(QString(name) + ".png").toImage() &&
                button->additionalInfoColor() == colour)
                flagName = name;
        return button->additionalInfo() + "|" + flagName;
    }
    // The first section from `from` on with rows; -1 for none.
    int sectionWithRows(int from = 0) const {
        for (int section = from; section < list()->numberOfSections(); ++section)
            if (list()->numberOfRows(section) > 0)
                return section;
        return -1;
    }
    void deleteRow(const ui::IndexPath& path) {
        gui::swipeLeft(list(), path);
        click("deleteButton");
    }
    // The values of a panel after its fifth key: "Allowed|Food|Burned|Net|Under or Over|left".
    static QString panel(const OverviewInfoPanel* p) {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << p->itemByIdx(i)->text();
        return texts.join('|') + "|" + p->keyByIdx(4)->text() + "|" + p->itemByIdx(4)->text();
    }
    // The header texts of the day table, "" for a section without one.
    QStringList headers() const {
        QStringList texts;
        for (int section = 0; section < list()->numberOfSections(); ++section) {
            QWidget* header = overview->viewForHeader(list(), section);
            auto* label = header ? header->findChild<QLabel*>() : nullptr;
            texts << (label ? label->text() : QString());
        }
        return texts;
    }
    static QStringList storedFood() {
        return RawDatabase::user("common.db")
            .lines("select name, printf('%.0f', result_calories) from saved_food order by id");
    }

    OverviewController* overview = nullptr;
    std::unique_ptr<gui::ScreenStack> stack;
    ui::NavigationController* nav = nullptr;
};

} // namespace

TEST_F(OverviewTabTest, MarksDaysWithWhatWasLeftAndTheFlagOfTheBoundary) {
    saved(speedyFood(at(2026, 12, 2), 1, 2100));
    saved(speedyFood(at(2026, 12, 3), 2, 2000));
    saved(speedyFood(at(2026, 12, 4), 0, 1500));
    saved(speedyExercise(at(2026, 12, 4), 300));
    saved(speedyExercise(at(2026, 12, 5), 250));
    // The Sunday and the Saturday that begin and end a later week.
    saved(speedyFood(at(2026, 12, 13), 1, 1000));
    saved(speedyFood(at(2026, 12, 19), 1, 1500));
    weigh(at(2026, 12, 1, 7, 0), "80.00");
    open();

    EXPECT_EQ(mark(QDate(2026, 12, 2)), "-100|red");
    // Nothing left is still kept in the calendar, while the panel already says "Over".
    EXPECT_EQ(mark(QDate(2026, 12, 3)), "0|green");
    EXPECT_EQ(mark(QDate(2026, 12, 4)), "800|green");
    EXPECT_EQ(mark(QDate(2026, 12, 5)), "2250|green");
    // Weighings alone, and days without anything, carry no mark.
    EXPECT_EQ(mark(QDate(2026, 12, 1)), "|");
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "|");
    EXPECT_EQ(mark(QDate(2026, 12, 13)), "1000|green");
    EXPECT_EQ(mark(QDate(2026, 12, 19)), "500|green");
    EXPECT_EQ(mark(QDate(2026, 12, 20)), "|");
    EXPECT_EQ(panel(overview->summarypanel()), "2000|0|0|0|Under|2000");

    // A touch on a day makes it the current day of both panels.
    gui::tap(overview->calendar()->visibleMonth()->buttonFor(QDate(2026, 12, 3)));
    EXPECT_EQ(overview->currDate(), at(2026, 12, 3, 8));
    EXPECT_EQ(panel(overview->summarypanel()), "2000|2000|0|2000|Over|0");
    EXPECT_EQ(panel(overview->daysummarypanel()), "2000|2000|0|2000|Over|0");
    EXPECT_EQ(mark(QDate(2026, 12, 4)), "800|green") << "the marks stay through a selection";

    // A day with exercise only lists its categories from the first section.
    gui::tap(overview->calendar()->visibleMonth()->buttonFor(QDate(2026, 12, 5)));
    overview->setSelectedIndex(1);
    ASSERT_EQ(overview->currentday()->foodInfo(), nullptr);
    EXPECT_EQ(headers().value(0).section(" : ", 1), "250");
    EXPECT_EQ(panel(overview->daysummarypanel()), "2000|0|250|-250|Under|2250");
}

TEST_F(OverviewTabTest, DeletesAndEditsEntriesOfTheDayAndTheCalendarFollows) {
    saved(speedyFood(at(2026, 12, 6), 0, 300, "Toast"));
    saved(speedyFood(at(2026, 12, 6), 2, 700, "Stew"));
    saved(speedyExercise(at(2026, 12, 6), 200));
    saved(speedyFood(at(2026, 12, 5), 2, 400, "Soup"));
    open();
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "1200|green");
    overview->setSelectedIndex(1);
    // Meals first, then the exercise categories; headers only over sections with rows.
    const QStringList titles = headers();
    ASSERT_GT(titles.size(), 4);
    EXPECT_EQ(titles.mid(0, 4), QStringList({"Breakfast : 300", "", "Dinner : 700", ""}));
    EXPECT_EQ(titles.filter(" : 200").size(), 1);
    EXPECT_EQ(list()->numberOfRows(2), 1);
    EXPECT_EQ(panel(overview->daysummarypanel()), "2000|1000|200|800|Under|1200");

    // Swiped away: the model, the file, both panels and the calendar follow at once.
    deleteRow({2, 0});
    EXPECT_EQ(list()->numberOfRows(2), 0);
    EXPECT_EQ(storedFood(), QStringList({"Toast|300", "Soup|400"}));
    EXPECT_EQ(FoodDayInfo::getFoodOn(at(2026, 12, 6))->total(), 300.0f);
    EXPECT_EQ(panel(overview->summarypanel()), "2000|300|200|100|Under|1900");
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "1900|green");

    // A tap opens the entry's editor; its save comes back to a redrawn day and calendar.
    gui::tapRow(list(), {0, 0});
    auto* speedy = qobject_cast<QuickCalories*>(nav->topViewController());
    ASSERT_NE(speedy, nullptr);
    EXPECT_TRUE(speedy->isEditMode());
    speedy->calories()->selectAll();
    gui::type(speedy->calories(), "2500");
    click("Done");
    EXPECT_EQ(nav->topViewController(), overview);
    EXPECT_EQ(storedFood(), QStringList({"Toast|2500", "Soup|400"}));
    EXPECT_EQ(headers().value(0), "Breakfast : 2500");
    EXPECT_EQ(panel(overview->daysummarypanel()), "2000|2500|200|2300|Over|-300");
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "-300|red");

    // The exercise, edited and then deleted the same way.
    const int exercise = sectionWithRows(4);
    ASSERT_GE(exercise, 4);
    gui::tapRow(list(), {exercise, 0});
    auto* speedyExercise = qobject_cast<QuickExercise*>(nav->topViewController());
    ASSERT_NE(speedyExercise, nullptr);
    speedyExercise->calories()->selectAll();
    gui::type(speedyExercise->calories(), "600");
    click("Save");
    EXPECT_EQ(panel(overview->daysummarypanel()), "2000|2500|600|1900|Under|100");
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "100|green");
    deleteRow({exercise, 0});
    EXPECT_EQ(sectionWithRows(4), -1);
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "-500|red");

    // The last entry of a past day goes with its mark; the day then lists nothing.
    overview->minusDay();
    deleteRow({2, 0});
    EXPECT_EQ(sectionWithRows(), -1);
    EXPECT_EQ(mark(QDate(2026, 12, 5)), "|");
    EXPECT_EQ(storedFood(), QStringList({"Toast|2500"}));
}

TEST_F(OverviewTabTest, EntriesWhoseItemLeftTheCatalogueAreReportedNotOpened) {
    storeFood("2026-12-06 00:00:00", 1, 150, 999999, "Old stew");
    storeExercise("2026-12-06 00:00:00", 999999, 100, "Old climb");
    open();
    overview->setSelectedIndex(1);
    const ui::IndexPath food{1, 0};
    const ui::IndexPath exercise{sectionWithRows(4), 0};
    ASSERT_EQ(list()->numberOfRows(food.section), 1);
    ASSERT_GE(exercise.section, 4);
    for (const auto& [path, message] :
         {std::pair{food, "This food is no longer in the food database."},
          std::pair{exercise, "This exercise is no longer in the exercise database."}}) {
        gui::tapRow(list(), path);
        ui::AlertView* alert = ui::AlertView::current();
        ASSERT_NE(alert, nullptr) << message;
        EXPECT_EQ(alert->title(), "Error");
        EXPECT_EQ(alert->message(), message);
        alert->dismiss();
        EXPECT_EQ(nav->topViewController(), overview);
    }
    // They can still be deleted.
    deleteRow(exercise);
    deleteRow(food);
    EXPECT_EQ(storedFood(), QStringList());
    EXPECT_EQ(sectionWithRows(), -1);
}

// Where the arrows and the day bar take the calendar is CalendarViewTest's; here, that the marks
// and panels of the month shown follow.
TEST_F(OverviewTabTest, TodayMonthPagingAndTheSameMonthOfAnotherYear) {
    saved(speedyFood(at(2025, 12, 10), 0, 500));
    saved(speedyFood(at(2026, 12, 6), 0, 1200));
    saved(speedyFood(at(2027, 1, 1), 0, 100));
    open();
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "800|green");

    click("forwardMonth");
    EXPECT_EQ(mark(QDate(2027, 1, 1)), "1900|green");
    EXPECT_EQ(panel(overview->summarypanel()), "2000|100|0|100|Under|1900");
    for (int i = 0; i < 13; ++i)
        click("backMonth");
    EXPECT_EQ(mark(QDate(2025, 12, 10)), "1500|green");

    click("Today");
    EXPECT_EQ(overview->currDate(), at(2026, 12, 6, 8));
    EXPECT_EQ(mark(QDate(2026, 12, 6)), "800|green");
    EXPECT_EQ(panel(overview->summarypanel()), "2000|1200|0|1200|Under|800");

    // From the day view, a year back is another month although its number is the same.
    overview->setSelectedIndex(1);
    overview->setCurrDate(at(2025, 12, 10));
    EXPECT_EQ(mark(QDate(2025, 12, 10)), "1500|green");
    // The day arrows cross into the next month, whose days are marked at once.
    overview->setCurrDate(at(2026, 12, 31));
    click("plusDay");
    EXPECT_EQ(mark(QDate(2027, 1, 1)), "1900|green");
    EXPECT_EQ(panel(overview->daysummarypanel()), "2000|100|0|100|Under|1900");
}
