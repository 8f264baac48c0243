#include "ProfileScreenFixture.h"

#include "core/settings/SettingsKeys.h"
#include "core/settings/UDefUtil.h"
#include "screens/common/WheelRowLabel.h"
#include "screens/profile/Details/ActivitySelectController.h"
#include "screens/profile/Details/EditAgeController.h"
#include "screens/profile/Details/EditDietPlanController.h"
#include "screens/profile/Details/EditHeightController.h"
#include "screens/profile/Details/EditWeightController.h"
#include "screens/profile/Details/GenderSelectController.h"
#include "screens/profile/Details/UnitsController.h"
#include "ui/DatePicker.h"

namespace {

class ProfileWheelsTest : public ProfileScreenFixture {
protected:
    template <class Editor> QString label(Editor* editor) const {
        return editor->infolabel()->text();
    }
    void useMetric(bool metric) {
        UDefUtil::setUserDefBool(metric, SettingsKeys::heightInCm);
        UDefUtil::setUserDefBool(!metric, SettingsKeys::weightInPounds);
    }
};

} // namespace

TEST_F(ProfileWheelsTest, HeightWheelsKeepTheStoredHeightAndStopAtEightFeetTwo) {
    auto* height = open<EditHeightController>(1, 2);
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(gui::selectedRows(height->picker()), QList<int>({3, 6}));
    EXPECT_EQ(label(height), " 5' 6\"");
    clickBar("Save"); // 66 inches would read back as 169 cm
    EXPECT_FALSE(stored(SettingsKeys::height).isValid());

    open<EditHeightController>(1, 2);
    gui::turn(height->picker(), 0, 3);
    gui::turn(height->picker(), 1, 5);
    EXPECT_EQ(gui::selectedRows(height->picker()), QList<int>({6, 2}));
    EXPECT_EQ(label(height), " 8' 2\"");
    gui::turn(height->picker(), 0, -1);
    gui::turn(height->picker(), 1, 9);
    gui::turn(height->picker(), 0, 1);
    EXPECT_EQ(label(height), " 8' 11\"");
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::height), QVariant(250.0f));

    useMetric(true);
    open<EditHeightController>(1, 2);
    EXPECT_EQ(gui::selectedRows(height->picker()), QList<int>({190}));
    gui::turn(height->picker(), 0, -70);
    EXPECT_EQ(label(height), " 180 cm");
    clickBar("Save");
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 2}), "180.0 cm");
}

TEST_F(ProfileWheelsTest, WeightWheelsStayInsideTheirRowsInBothUnits) {
    auto* weight = open<EditWeightController>(2, 1);
    ASSERT_NE(weight, nullptr);
    EXPECT_EQ(weight->title(), "Goal Weight");
    EXPECT_EQ(gui::selectedRows(weight->picker()), QList<int>({110 - 66, 2}));
    EXPECT_EQ(label(weight), " 110.2 lb");
    clickBar("Save"); // 110.2 lb would read back as 49985.84 g
    EXPECT_FALSE(stored(SettingsKeys::goalWeight).isValid());

    open<EditWeightController>(2, 0);
    EXPECT_EQ(weight->title(), "Start Weight");
    gui::turn(weight->picker(), 1, 3);
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::startWeight), QVariant(110.5f * 1000 * 0.453592f));

    // 300.9 kg is 663.4 lb and 66.0 lb is 29.94 kg: each opens on the nearest end.
    UDefUtil::setUserDefFloat(300900, SettingsKeys::startWeight);
    open<EditWeightController>(2, 0);
    EXPECT_EQ(gui::selectedRows(weight->picker()), QList<int>({661 - 66, 9}));
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::startWeight), QVariant(300900.0f));
    useMetric(true);
    UDefUtil::setUserDefFloat(29937, SettingsKeys::startWeight);
    open<EditWeightController>(2, 0);
    EXPECT_EQ(gui::selectedRows(weight->picker()), QList<int>({0, 0}));
    EXPECT_EQ(label(weight), " 30.0 kg");
    gui::turn(weight->picker(), 0, 270);
    gui::turn(weight->picker(), 1, 9);
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::startWeight), QVariant(300900.0f));
}

TEST_F(ProfileWheelsTest, DietPlanOpensOnTheStoredPlanInBothUnits) {
    UDefUtil::setUserDefDouble(1 / 2.2, SettingsKeys::intensity);
    auto* plan = open<EditDietPlanController>(2, 2);
    ASSERT_NE(plan, nullptr);
    EXPECT_EQ(gui::selectedRows(plan->picker()), QList<int>({2}));
    EXPECT_EQ(label(plan), "Lose 1 lb/week");
    clickBar("Back");
    useMetric(true);
    open<EditDietPlanController>(2, 2);
    EXPECT_EQ(gui::selectedRows(plan->picker()), QList<int>({2}));
    EXPECT_EQ(label(plan), "Lose 1/2 kg/week");
    clickBar("Back");

    // A quarter of a kilogram shows as half a pound, but saving it untouched keeps the quarter.
    UDefUtil::setUserDefDouble(0.25, SettingsKeys::intensity);
    useMetric(false);
    open<EditDietPlanController>(2, 2);
    EXPECT_EQ(gui::selectedRows(plan->picker()), QList<int>({1}));
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::intensity), QVariant(0.25));
    open<EditDietPlanController>(2, 2);
    gui::turn(plan->picker(), 0, 2);
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::intensity), QVariant(1.5 / 2.2));
    open<EditDietPlanController>(2, 2);
    gui::turn(plan->picker(), 0, -3);
    EXPECT_EQ(label(plan), "No Diet Plan");
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::intensity), QVariant(0.0));
    EXPECT_EQ(valueIn(profile->profilemenu(), {2, 2}), "No Diet Plan");
}

TEST_F(ProfileWheelsTest, BirthdayWheelsStopAtToday) {
    ScopedTimeZone zone("America/New_York");
    auto* age = open<EditAgeController>(1, 1);
    ASSERT_NE(age, nullptr);
    EXPECT_EQ(age->pvAge()->date(), QDateTime(QDate(2001, 12, 6), QTime(0, 0)));
    EXPECT_EQ(label(age), "December 6, 2001");
    gui::turn(age->pvAge()->picker(), 2, 30);
    EXPECT_EQ(label(age), "December 6, 2026");
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::dateBirth),
              QVariant(QDateTime(QDate(2026, 12, 6), QTime(0, 0))));
    EXPECT_EQ(valueIn(profile->profilemenu(), {1, 1}), "0");
}

// The worked profile reached the way a user reaches it: a man of 40, 180 cm and 80 kg, moderately
// active, losing a pound a week; then his plan in kilograms. The allowances of other profiles are
// CalorieBudgetTest's.
TEST_F(ProfileWheelsTest, WorkedProfileThroughTheEditors) {
    gui::tapRow(open<UnitsController>(0, 0)->tableView(), {0, 0});
    gui::tapRow(stack->top<UnitsController>()->tableView(), {1, 1});
    clickBar("Done");
    gui::tapRow(open<GenderSelectController>(1, 0)->tableView(), {0, 1});
    clickBar("Back");
    gui::turn(open<EditAgeController>(1, 1)->pvAge()->picker(), 2, -15);
    clickBar("Save");
    gui::turn(open<EditHeightController>(1, 2)->picker(), 0, 10);
    clickBar("Save");
    gui::turn(open<EditWeightController>(2, 0)->picker(), 0, 30);
    clickBar("Save");
    gui::tapRow(open<ActivitySelectController>(1, 3)->tableView(), {0, 2});
    clickBar("Back");
    gui::tapRow(open<UnitsController>(0, 0)->tableView(), {1, 0});
    clickBar("Done");
    gui::turn(open<EditDietPlanController>(2, 2)->picker(), 0, 2);
    clickBar("Save");
    EXPECT_EQ(shown(), QStringList({"(cm, lb)", "Male", "40", "180.0 cm", "Moderately Active",
                                    "176.4 lb", "110.2 lb", "Lose 1.00 lb/week", "2035"}));

    // A pound a week opens on half a kilogram; a row less is a quarter.
    useMetric(true);
    gui::turn(open<EditDietPlanController>(2, 2)->picker(), 0, -1);
    clickBar("Save");
    EXPECT_EQ(stored(SettingsKeys::intensity), QVariant(0.25));
    EXPECT_EQ(valueIn(profile->profilemenu(), {2, 2}), "Lose 0.25 kg/week");
}
