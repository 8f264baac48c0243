#pragma once

#include "core/base/AppVars.h"
#include "core/base/RefresherDelegate.h"
#include "core/diary/SavedFoodDbo.h"
#include "support/Dates.h"
#include "support/DiaryEntries.h"
#include "support/RawDatabase.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/Label.h"
#include "ui/ViewController.h"

#include <optional>
#include <string>

class FoodController;

// The user's diary, read past the code under test.
inline RawDatabase diary() {
    return RawDatabase::user("common.db");
}

// Rows of a query on the user's diary, joined with line breaks.
inline std::string rows(const QString& sql) {
    return diary().lines(sql).join('\n').toStdString();
}

// The screen under the food editors in their tests: counts the refreshes it is told of.
class RecordingOwner : public ui::ViewController, public RefresherDelegate {
    Q_OBJECT
public:
    void refreshData() override { ++refreshes; }
    int refreshes = 0;
};

// The clock at 9:30 on 6 December 2026 and a stack of screens over a root, shown at a size; the
// stack goes before the case's state does.
class ScreenFixture : public QuorvelTest {
protected:
    void SetUp() override;
    void TearDown() override;
    void show(ui::ViewController* root, QSize size = {320, 416}) { stack.emplace(root, size); }

    void click(const QString& name) { stack->click(name); }
    ui::ViewController* top() const { return stack->top(); }

    std::optional<gui::ScreenStack> stack;
};

// The Food tab on its stack.
class FoodTabFixture : public ScreenFixture {
protected:
    void SetUp() override;
    ui::TableView* dayList() const;
    QString panelValue(int index) const;

    FoodController* food = nullptr;
};

// An owner at the root of a full-screen stack, and a catalogue holding two foods of known values:
// "Test stew" (250 calories, 12 g fat, 2 g fibre, 9 g protein, 30 g carbohydrate a "1 bowl"
// serving) and "Test water" (no calories, 1 g fat).
class FoodEditorFixture : public ScreenFixture {
protected:
    static constexpr int stewId = 990001;
    static constexpr int waterId = 990002;

    void SetUp() override;
    static void addCatalogueFood(int id, const QString& name, double calories, double fat,
                                 double fiber);

    RecordingOwner* owner = nullptr;
};
