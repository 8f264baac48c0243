#include "ProfileScreenFixture.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/profile/Details/ActivitySelectController.h"
#include "screens/profile/Details/GenderSelectController.h"
#include "screens/profile/Details/UnitsController.h"
#include "screens/profile/Details/WeightLossController.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/ImageButton.h"

namespace {

class ProfileListTest : public ProfileScreenFixture {
protected:
    // The rows of a choice list that carry the checkmark.
    static QList<ui::IndexPath> checked(ui::TableView* table) {
        QList<ui::IndexPath> marked;
        for (int s = 0; s < table->numberOfSections(); ++s)
            for (int r = 0; r < table->numberOfRows(s); ++r)
                if (table->cellForRow({s, r})->accessoryType() == ui::AccessoryType::Checkmark)
                    marked.append({s, r});
        return marked;
    }
};

} // namespace

TEST_F(ProfileListTest, FreshInstallThenMetricUnitsTappedAndLeftWithBack) {
    EXPECT_EQ(shown(), QStringList({"(in, lb)", "Female", "25", " 5' 6\"", "Sedentary", "110.2 lb",
                                    "110.2 lb", "No Diet Plan", "1588"}));

    auto* units = open<UnitsController>(0, 0);
    ASSERT_NE(units, nullptr);
    EXPECT_EQ(checked(units->tableView()), QList<ui::IndexPath>({{0, 1}, {1, 0}}));
    gui::tapRow(units->tableView(), {0, 0});
    gui::tapRow(units->tableView(), {1, 1});
    EXPECT_EQ(checked(units->tableView()), QList<ui::IndexPath>({{0, 0}, {1, 1}}));
    clickBar("Back"); // the taps stored their choices already
    EXPECT_EQ(stored(SettingsKeys::heightInCm), QVariant(true));
    EXPECT_EQ(stored(SettingsKeys::weightInPounds), QVariant(false));
    EXPECT_EQ(shown().mid(0, 7), QStringList({"(cm, kg)", "Female", "25", "170.0 cm", "Sedentary",
                                              "50.0 kg", "50.0 kg"}));

    // Back to feet and inches with Done: the ends of the centimetre range show as 97 and 24 in.
    open<UnitsController>(0, 0);
    gui::tapRow(units->tableView(), {0, 1});
    UDefUtil::setUserDefFloat(250, SettingsKeys::height);
    clickBar("Done");
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 2}), " 8' 1\"");
    UDefUtil::setUserDefFloat(60, SettingsKeys::height);
    profile->viewWillAppear();
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 2}), " 2' 0\"");
}

TEST_F(ProfileListTest, GenderAndJobTypeKeepOneCheckmarkAndUnknownLevelsReadAsTheFirst) {
    auto* gender = open<GenderSelectController>(1, 0);
    ASSERT_NE(gender, nullptr);
    EXPECT_EQ(checked(gender->tableView()), QList<ui::IndexPath>({{0, 0}}));
    gui::tapRow(gender->tableView(), {0, 1});
    EXPECT_EQ(checked(gender->tableView()), QList<ui::IndexPath>({{0, 1}}));
    EXPECT_EQ(stored(SettingsKeys::sex), QVariant(false));
    clickBar("Back");
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 0}), "Male");

    // The level stored before the editor first appears is the one marked.
    UDefUtil::setUserDefInt(3, SettingsKeys::activity);
    auto* jobs = open<ActivitySelectController>(1, 3);
    ASSERT_NE(jobs, nullptr);
    EXPECT_EQ(checked(jobs->tableView()), QList<ui::IndexPath>({{0, 3}}));
    gui::tapRow(jobs->tableView(), {0, 1});
    EXPECT_EQ(checked(jobs->tableView()), QList<ui::IndexPath>({{0, 1}}));
    EXPECT_EQ(stored(SettingsKeys::activity), QVariant(1));
    clickBar("Back");
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 3}), "Lightly Active");

    UDefUtil::setUserDefInt(7, SettingsKeys::activity);
    profile->viewWillAppear();
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 3}), "Sedentary");
    open<ActivitySelectController>(1, 3);
    EXPECT_EQ(checked(jobs->tableView()), QList<ui::IndexPath>({{0, 0}}));
}

TEST_F(ProfileListTest, AdjustmentIsKeptUntilTheAllowanceMoves) {
    UDefUtil::setUserDefFloat(200, SettingsKeys::allowedCaloriesAdd);
    profile->viewWillAppear();
    EXPECT_EQ(valueIn(profile->profilemenu(), {2, 3}), "1788/+200");

    auto* plan = open<WeightLossController>(2, 3);
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(valueIn(plan->tbWeightLoss(), {1, 1}), "No Diet Plan");
    EXPECT_EQ(valueIn(plan->tbWeightLoss(), {2, 0}), "- days");
    EXPECT_FLOAT_EQ(plan->calories()->value(), 1787.7251f);
    EXPECT_EQ(plan->calories()->valueAdd(), 200.0f);
    clickBar("Done");
    EXPECT_EQ(stored(SettingsKeys::allowedCalories), QVariant(1587.7251f));
    EXPECT_EQ(stored(SettingsKeys::allowedCaloriesAdd), QVariant(200.0f));

    // Back forgets the presses; Done stores them as the adjustment.
    open<WeightLossController>(2, 3);
    gui::tap(plan->calories()->plusButton());
    clickBar("Back");
    EXPECT_EQ(stored(SettingsKeys::allowedCaloriesAdd), QVariant(200.0f));
    open<WeightLossController>(2, 3);
    gui::tap(plan->calories()->plusButton());
    clickBar("Done");
    EXPECT_EQ(stored(SettingsKeys::allowedCaloriesAdd), QVariant(201.0f));
    EXPECT_EQ(valueIn(profile->profilemenu(), {2, 3}), "1789/+201");

    gui::tapRow(open<ActivitySelectController>(1, 3)->tableView(), {0, 4});
    clickBar("Back");
    EXPECT_EQ(valueIn(profile->profilemenu(), {2, 3}), "2117");
    EXPECT_EQ(stored(SettingsKeys::allowedCaloriesAdd), QVariant(0));
}
