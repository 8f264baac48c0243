#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/weight/DaySummaryPanelView.h"
#include "screens/weight/Details/AddEditTimeController.h"
#include "screens/weight/Details/AddEditWeightController.h"
#include "screens/weight/Details/WeighingMoment.h"
#include "screens/weight/WeighingTableCell.h"
#include "screens/weight/WeightScreenTest.h"
#include "support/DiaryEntries.h"
#include "support/QtPrinters.h"
#include "support/RawDatabase.h"
#include "support/ScopedTimeZone.h"
#include "ui/DatePicker.h"
#include "ui/Label.h"
#include "ui/TableView.h"
#include "ui/TextView.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/MonthView.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QAbstractButton>

namespace {

class WeightTabTest : public WeightScreenTest {
protected:
    template <class Screen> Screen* top() const {
        return qobject_cast<Screen*>(nav->topViewController());
    }
    AddEditWeightController* add() {
        click("Add");
        return top<AddEditWeightController>();
    }

    ui::TableView* list() const {
        return (weight->selectedIndex() == 0 ? weight->weighttable() : weight->dayTable())
            ->tableView();
    }
    // The rows of the table shown, each as "time|weight|note".
    QStringList rows() const {
        QStringList texts;
        for (int row = 0; row < list()->numberOfRows(0); ++row) {
            auto* cell = qobject_cast<WeighingTableCell*>(list()->cellForRow({0, row}));
            texts << (cell ? cell->timeText() + "|" + cell->weightText() + "|" + cell->noteText()
                           : QString("(no cell)"));
        }
        return texts;
    }
    QString summary() const {
        return weight->daysummarypanel()->weightvalueLabel()->text() + "/" +
               weight->daysummarypanel()->goalvalueLabel()->text();
    }
    // The small text of a day of the grid shown, "(none)" for a day not on it.
    QString onCalendar(const QDate& day) const {
        DateButton* button = weight->calendar()->visibleMonth()->buttonFor(day);
        return button ? button->additionalInfo() : QString("(none)");
    }
    static QStringList stored() {
        return RawDatabase::user("weight.db")
            .lines("select date, printf('%.2f', value), note from weight order by weight_s");
    }
    static QString secs(const QDateTime& moment) {
        return QString::number(moment.toSecsSinceEpoch());
    }
    static void useKilograms(bool kilograms) {
        UDefUtil::setUserDefBool(!kilograms, SettingsKeys::weightInPounds);
    }
};

} // namespace

TEST_F(WeightTabTest, ShowsDayAveragesAndTheGoalInEitherUnitWithoutChangingWhatIsStored) {
    weigh(at(2026, 12, 6, 7, 0), "80.00", "Before breakfast");
    weigh(at(2026, 12, 6, 6, 0), "81.00");
    weigh(at(2026, 12, 3, 8, 0), "80.00");
    weigh(at(2026, 11, 30, 8, 0), "90.00");
    open();
    // The weighing entered last comes first, whatever its time.
    EXPECT_EQ(rows(), QStringList({"06:00 AM|178.6 lb|", "07:00 AM|176.4 lb|Before breakfast"}));
    EXPECT_EQ(summary(), "177.5 lb/110.2 lb");
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "177.5 ");
    EXPECT_EQ(onCalendar(QDate(2026, 12, 3)), "176.4 ");
    // A neighbouring month's day at the edge of the grid carries nothing.
    EXPECT_EQ(onCalendar(QDate(2026, 11, 30)), "");

    useKilograms(true);
    reappear();
    EXPECT_EQ(rows(), QStringList({"06:00 AM|81.0 kg|", "07:00 AM|80.0 kg|Before breakfast"}));
    EXPECT_EQ(summary(), "80.5 kg/50.0 kg");
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "80.5 ");
    weight->setSelectedIndex(1);
    weight->minusDay();
    EXPECT_EQ(rows(), QStringList());
    EXPECT_EQ(summary(), " - /50.0 kg");
    EXPECT_EQ(stored().mid(0, 2),
              QStringList({secs(at(2026, 12, 6, 7, 0)) + "|80.00|Before breakfast",
                           secs(at(2026, 12, 6, 6, 0)) + "|81.00|"}));
}

TEST_F(WeightTabTest, AddsEditsAndDeletesWeighingsFromBothViews) {
    open();
    // The first weighing proposes 70 kg at the present time; 176.4 lb is stored to the
    // hundredth of a kilogram.
    AddEditWeightController* editor = add();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->title(), "Add Weight");
    EXPECT_EQ(editor->infolabel()->text(), " 154.3 lb");
    EXPECT_EQ(editor->timelabel()->text(), "09:30 AM");
    gui::turn(editor->selector(), 0, 176 - 154);
    gui::turn(editor->selector(), 1, 1);
    EXPECT_EQ(editor->infolabel()->text(), " 176.4 lb");
    gui::type(editor->noteView(), "Morning");
    click("Save");
    EXPECT_EQ(stored(), QStringList({secs(at(2026, 12, 6, 9, 30)) + "|80.01|Morning"}));
    EXPECT_EQ(nav->topViewController(), weight);
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "176.4 ");

    // From the day view: the next one starts at the last weight; then the first is edited and
    // keeps its note.
    weight->setSelectedIndex(1);
    editor = add();
    EXPECT_EQ(editor->infolabel()->text(), " 176.4 lb");
    gui::turn(editor->selector(), 1, 2);
    click("Save");
    EXPECT_EQ(rows(), QStringList({"09:30 AM|176.6 lb|", "09:30 AM|176.4 lb|Morning"}));
    gui::tapRow(list(), {0, 1});
    editor = top<AddEditWeightController>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->title(), "Edit Weight");
    click("Save");
    EXPECT_EQ(stored().value(0), secs(at(2026, 12, 6, 9, 30)) + "|80.01|Morning");

    // Swiped away in the month view; the day keeps the other weighing's average.
    weight->setSelectedIndex(0);
    gui::swipeLeft(list(), {0, 0});
    click("deleteButton");
    EXPECT_EQ(rows(), QStringList({"09:30 AM|176.4 lb|Morning"}));
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "176.4 ");
    gui::swipeLeft(list(), {0, 0});
    click("deleteButton");
    EXPECT_EQ(stored(), QStringList());
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "");
}

TEST_F(WeightTabTest, SavesTheLoadedWeightAndNoteUntilAWheelIsTurned) {
    useKilograms(true);
    weigh(at(2026, 12, 6, 7, 0), "80.46", "Scale at the gym");
    weigh(at(2026, 12, 6, 8, 0), "500.00");
    weigh(at(2026, 12, 6, 9, 0), "29.94");
    open();
    const auto openRow = [&](int row) {
        gui::tapRow(list(), {0, row});
        return top<AddEditWeightController>();
    };
    // Wheels show the nearest tenth, or the end of the wheels a weight lies past.
    EXPECT_EQ(openRow(0)->infolabel()->text(), " 30.0 kg");
    click("Back");
    EXPECT_EQ(openRow(2)->infolabel()->text(), " 80.5 kg");
    click("Save");
    EXPECT_EQ(stored().value(0), secs(at(2026, 12, 6, 7, 0)) + "|80.46|Scale at the gym");

    // A new time saved from the time editor keeps the weight.
    useKilograms(false);
    reappear();
    EXPECT_EQ(openRow(1)->infolabel()->text(), " 999.9 lb");
    click("timelabel");
    auto* time = top<AddEditTimeController>();
    ASSERT_NE(time, nullptr);
    gui::turn(time->dateselector()->picker(), 0, 1);
    EXPECT_EQ(time->infolabel()->text(), "09:00 AM");
    click("Save");
    EXPECT_EQ(stored().value(1), secs(at(2026, 12, 6, 9, 0)) + "|500.00|");

    // Nor does a unit switch while the editor is open: 176.4 lb shows as 80.0 kg.
    AddEditWeightController* editor = add();
    EXPECT_EQ(editor->infolabel()->text(), " 66.0 lb");
    gui::turn(editor->selector(), 0, 176 - 66);
    gui::turn(editor->selector(), 1, 4);
    useKilograms(true);
    editor->viewWillAppear();
    EXPECT_EQ(editor->infolabel()->text(), " 80.0 kg");
    click("Save");
    EXPECT_EQ(stored().value(3), secs(at(2026, 12, 6, 9, 30)) + "|80.01|");
}

TEST_F(WeightTabTest, MovesDaysAndMonthsAndShowsEachMonthsOwnAverages) {
    weigh(at(2025, 12, 6, 8, 0), "90.00");
    weigh(at(2026, 12, 6, 8, 0), "80.00");
    weigh(at(2027, 1, 2, 8, 0), "70.00");
    open();
    // A year back is the same month number with other weighings; "Today" brings this year's.
    for (int i = 0; i < 12; ++i)
        click("backMonth");
    EXPECT_EQ(onCalendar(QDate(2025, 12, 6)), "198.4 ");
    click("Today");
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "176.4 ");
    EXPECT_EQ(rows(), QStringList({"08:00 AM|176.4 lb|"}));

    // The day arrows cross into the next month, which the calendar follows.
    weight->setSelectedIndex(1);
    weight->setCurrDate(at(2026, 12, 31));
    click("plusDay");
    click("plusDay");
    EXPECT_EQ(rows(), QStringList({"08:00 AM|154.3 lb|"}));
    EXPECT_EQ(summary(), "154.3 lb/110.2 lb");
    EXPECT_EQ(onCalendar(QDate(2027, 1, 2)), "154.3 ");

    // The editor's arrows move the screen at once, even back into December in the month view,
    // and it stays there without a save.
    weight->setSelectedIndex(0);
    add();
    click("minusDay");
    click("minusDay");
    EXPECT_EQ(weight->currDate(), at(2026, 12, 31, 8));
    click("Back");
    EXPECT_EQ(stored().size(), 3);
    EXPECT_EQ(weight->calendar()->visibleMonth()->pressedButton()->date(), at(2026, 12, 31, 8));
    EXPECT_EQ(onCalendar(QDate(2026, 12, 6)), "176.4 ");
}

TEST_F(WeightTabTest, KeepsTheTimeOfDayAcrossClockChanges) {
    const ScopedTimeZone zone("America/New_York");
    // 1:30 comes twice on 1 November, in summer time and then in standard time; each keeps its
    // own moment until its day or time is changed.
    const QDateTime first = at(2026, 11, 1, 0, 30).addSecs(3600);
    const QDateTime second = first.addSecs(3600);
    for (const QDateTime& repeated : {first, second}) {
        WeighingMoment moment(repeated);
        moment.stepDays(1);
        EXPECT_EQ(moment.moment(), at(2026, 11, 2, 1, 30));
        moment.stepDays(-1);
        EXPECT_EQ(moment.moment(), repeated);
    }
    WeighingMoment moment;
    // 2:30 is skipped on 8 March: the first moment after it, and 2:30 again the next day.
    moment = WeighingMoment(at(2026, 3, 7, 2, 30));
    moment.stepDays(1);
    EXPECT_EQ(moment.moment(), at(2026, 3, 8, 3, 0));
    moment.stepDays(1);
    EXPECT_EQ(moment.moment(), at(2026, 3, 9, 2, 30));

    // A weighing added at 2:30 on the skipped day is stored at 3:00, not at no date.
    Clock::set(at(2026, 3, 9, 2, 30));
    weigh(first, "80.00");
    weigh(second, "81.00");
    open();
    weight->setSelectedIndex(1);
    click("minusDay");
    add();
    click("Save");
    EXPECT_EQ(stored().value(2), secs(at(2026, 3, 8, 3, 0)) + "|81.00|");
    EXPECT_EQ(rows(), QStringList({"03:00 AM|178.6 lb|"}));

    // An untouched time keeps its moment, either repeated hour; seconds past 2038 are written
    // whole.
    weight->setCurrDate(first);
    for (int row = 0; row < 2; ++row) {
        gui::tapRow(list(), {0, row});
        click("timelabel");
        click("Back");
        click("Save");
    }
    EXPECT_EQ(stored().mid(0, 2), QStringList({secs(first) + "|80.00|", secs(second) + "|81.00|"}));
    weight->setCurrDate(at(2040, 1, 15));
    add();
    click("Save");
    EXPECT_EQ(stored().value(3), secs(at(2040, 1, 15, 2, 30)) + "|81.00|");
}
