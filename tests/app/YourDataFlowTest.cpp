#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "app/QuorvelAppDelegate.h"
#include "core/backup/BackupFolder.h"
#include "core/base/Clock.h"
#include "screens/food/FoodController.h"
#include "screens/profile/Details/RestoreListController.h"
#include "screens/profile/ProfileController.h"
#include "screens/profile/WeightLossCell.h"
#include "ui/AlertView.h"
#include "ui/FolderDialog.h"
#include "ui/Label.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"
#include "ui/TableView.h"
#include "ui/controls/QVXTableView.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {

class YourDataFlowTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
        saved(speedyFood(at(2026, 12, 6), 0, 300, "Porridge"));
        saved(speedyFood(at(2026, 12, 6), 0, 150, "Toast"));
        app = std::make_unique<QuorvelAppDelegate>();
        app->applicationDidFinishLaunching();
        ui::AlertView::current()->dismiss(); // the welcome notice
        tabs = app->tabBarController();
    }
    void TearDown() override {
        app.reset();
        QuorvelTest::TearDown();
    }

    ui::NavigationController* stack(int tab) const {
        return qobject_cast<ui::NavigationController*>(tabs->viewControllers().at(tab));
    }
    ProfileController* profile() const {
        return qobject_cast<ProfileController*>(stack(4)->viewControllers().first());
    }
    int breakfastRows() const {
        auto* food = qobject_cast<FoodController*>(stack(1)->viewControllers().first());
        return food->dayTable()->tableView()->numberOfRows(0);
    }
    // Taps a row of the "Your Data" section.
    void tapYourData(int row) const { gui::tapRow(profile()->profilemenu(), {3, row}); }
    // The open alert's title and message; it is closed with the button of that title.
    static QString answer(const QString& button) {
        ui::AlertView* alert = ui::AlertView::current();
        if (!alert)
            return "(no alert)";
        const QString text = alert->title() + ": " + alert->message();
        gui::click(alert, button);
        return text;
    }

    std::unique_ptr<QuorvelAppDelegate> app;
    ui::TabBarController* tabs = nullptr;
};

} // namespace

TEST_F(YourDataFlowTest, BackUpDeleteRestoreFromTheListAndSeeTheEntryBackThenExport) {
    // Later than the start's daily set.
    Clock::set(at(2026, 12, 6, 9, 45));
    tabs->setSelectedIndex(4);
    tapYourData(0);
    EXPECT_EQ(answer("OK"), "Backed Up: The backup of 6 December 2026, 09:45 holds 2 food "
                            "entries, 0 exercises, 0 weighings, last entry 6 December 2026.");
    profile()->profilemenu()->scrollToRow({3, 0});
    auto* first = qobject_cast<WeightLossCell*>(profile()->profilemenu()->cellForRow({3, 0}));
    EXPECT_EQ(first->lbValue()->text(), "6 Dec, 09:45");

    tabs->setSelectedIndex(1);
    ASSERT_EQ(breakfastRows(), 2);
    auto* list = gui::find<ui::TableView>(stack(1)->view(), "Day table");
    list->showDeleteConfirmation({0, 0});
    gui::tap(list->deleteButton());
    ASSERT_EQ(breakfastRows(), 1);

    // The start's daily set and the one made on request, newest first.
    Clock::set(at(2026, 12, 6, 10, 0));
    tabs->setSelectedIndex(4);
    tapYourData(1);
    auto* backups = qobject_cast<RestoreListController*>(stack(4)->topViewController());
    ASSERT_NE(backups, nullptr);
    ASSERT_EQ(backups->sets().size(), 2);
    EXPECT_EQ(backups->sets().at(0).kindLabel(), "Manual");
    EXPECT_EQ(backups->sets().at(1).kindLabel(), "Daily");
    EXPECT_EQ(backups->tableView()->cellForRow({0, 0})->detailTextLabel()->text(),
              "2 food entries, 0 exercises, 0 weighings, last entry 6 December 2026");

    gui::tapRow(backups->tableView(), {0, 0});
    EXPECT_TRUE(answer("Cancel").startsWith("Restore This Backup?"));
    EXPECT_EQ(BackupFolder::sets().size(), 2);
    gui::tapRow(backups->tableView(), {0, 0});
    answer("Restore");
    EXPECT_EQ(answer("OK"), "Restored: Your diary is back as it was on 6 December 2026, 09:45. "
                            "The diary as it was before is the backup of 6 December 2026, 10:00.");
    EXPECT_EQ(stack(4)->topViewController(), profile());

    tabs->setSelectedIndex(1);
    EXPECT_EQ(breakfastRows(), 2);

    const QString folder = dataDir() + "/csv";
    QDir().mkpath(folder);
    ui::FolderDialog::setNextAnswer(folder);
    tabs->setSelectedIndex(4);
    tapYourData(2);
    EXPECT_TRUE(answer("OK").startsWith("Exported: Wrote 2 food entries, 0 exercises and 0 "
                                        "weighings to food.csv"));
    EXPECT_TRUE(QFileInfo::exists(folder + "/weighings.csv"));
}
