#pragma once

#include "RefresherDelegate.h"
#include "TestEnv.h"
#include "ViewController.h"

#include <QDateTime>
#include <QStringList>
#include <memory>
#include <string>

namespace ui {
class NavigationController;
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

    static QDateTime at(int y, int m, int d, int h = 0, int min = 0);
    // Rows of a query on the user's diary, read past the code under test: columns joined with
    // "|", rows with line breaks.
    static std::string rows(const QString& sql);
    static void addCatalogueFood(int id, const QString& name, double calories, double fat,
                                 double fiber);

    // Pushes a screen onto the stack and lets it appear.
    void push(ui::ViewController* screen);
    // Clicks the button of that objectName anywhere in the stack's view.
    void click(const QString& name);
    ui::ViewController* top() const;

    RecordingOwner* owner = nullptr;
    std::unique_ptr<ui::NavigationController> nav;
};
