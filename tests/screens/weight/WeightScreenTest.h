#pragma once

#include "core/base/Clock.h"
#include "screens/weight/WeightController.h"
#include "support/Dates.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include <QCoreApplication>
#include <optional>

// The Weight tab in its navigation stack on 6 December 2026, 09:30.
class WeightScreenTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
    }
    void TearDown() override {
        // Screens left go the way they go in the application, views and all.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        stack.reset();
        QuorvelTest::TearDown();
    }
    void open() {
        weight = new WeightController;
        nav = stack.emplace(weight, QSize(320, 411)).nav();
    }
    // The tab chosen again, as after a change of the unit on My Profile.
    void reappear() {
        nav->viewWillAppear();
        gui::settle();
    }
    void click(const char* name) { gui::click(nav->view(), name); }

    WeightController* weight = nullptr;
    ui::NavigationController* nav = nullptr;
    std::optional<gui::ScreenStack> stack;
};
