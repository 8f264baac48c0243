#pragma once

#include "core/base/AppVars.h"
#include "core/base/RefresherDelegate.h"
#include "core/diary/SavedFoodDbo.h"
#include "core/text/ConvertUtil.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/TestEnv.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <QDateTime>
#include <QStringList>
#include <memory>
#include <string>
#include <utility>

#include "ui/NavigationController.h"

// The user's diary, read past the code under test.
inline RawDatabase diary() {
    return RawDatabase::user("common.db");
}

// The screen under the food editors in their tests: counts the refreshes it is told of.
class RecordingOwner : public ui::ViewController, public RefresherDelegate {
    Q_OBJECT
public:
    void refreshData() override { ++refreshes; }
    int refreshes = 0;
};

// A navigation stack with an owner at its root, the clock at 9:30 on 6 December 2026, and a
// catalogue holding two foods of known values: "Test stew" (250 calories, 12 g fat, 2 g fibre,
// 9 g protein, 30 g carbohydrate a "1 bowl" serving) and "Test water" (no calories, 1 g fat).
class FoodEditorFixture : public QuorvelTest {
protected:
    static constexpr int stewId = 990001;
    static constexpr int waterId = 990002;

    void SetUp() override;
    void TearDown() override;

    // Rows of a query on the user's diary, joined with line breaks.
    static std::string rows(const QString& sql) {
        return diary().lines(sql).join('\n').toStdString();
    }
    static void addCatalogueFood(int id, const QString& name, double calories, double fat,
                                 double fiber);

    // Pushes a screen onto the stack and lets it appear.
    void push(ui::ViewController* screen);
    // Clicks the button of that objectName anywhere in the stack's view.
    void click(const QString& name);
    ui::ViewController* top() const { return nav->topViewController(); }
    // Two arrow presses forward and one back over both clock changes of New York (the zone set
    // by the caller): the day, its label and the day shared with the diary follow.
    template <class Editor> void walkOverClockChanges(Editor* editor) {
        for (const auto& [from, to] : {std::pair{at(2026, 10, 31), at(2026, 11, 2)},
                                       std::pair{at(2026, 3, 7), at(2026, 3, 9)}}) {
            editor->setDate(from);
            click("right.png");
            click("right.png");
            EXPECT_EQ(editor->date(), to);
            click("left.png");
            EXPECT_EQ(editor->date(), to.addDays(-1));
            EXPECT_EQ(editor->monthLabel()->text(),
                      ConvertUtil::date2str(to.addDays(-1), ConvertUtil::LongStyle));
        }
        EXPECT_EQ(AppVars::getVars().value("food_current_date").toDateTime(), at(2026, 3, 8));
    }

    RecordingOwner* owner = nullptr;
    std::unique_ptr<ui::NavigationController> nav;
};
