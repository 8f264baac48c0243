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
    // The editor's day bar moves a new entry's day, and the diary's day with it.
    template <class Editor> void expectDayBarMovesTheDay(Editor* editor) {
        click("plusDay");
        click("plusDay");
        click("minusDay");
        EXPECT_EQ(editor->date().date(), QDate(2026, 12, 7));
        EXPECT_EQ(editor->monthLabel()->text(), "December 7, 2026");
        EXPECT_EQ(AppVars::getVars().value("food_current_date").toDate(), QDate(2026, 12, 7));
    }

    RecordingOwner* owner = nullptr;
    std::unique_ptr<ui::NavigationController> nav;
};
