#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "core/base/ResetRegistry.h"
#include "ui/AlertView.h"
#include "ui/Animations.h"
#include "ui/BarButtonItem.h"
#include "ui/DelayedAction.h"
#include "ui/SegmentedControl.h"
#include "ui/Toolbar.h"

#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

class SegmentedControlTest : public QuorvelTest {};

TEST_F(SegmentedControlTest, ClicksAndKeysReportOnlyRealChangesAndEditsKeepTheChoice) {
    SegmentedControl control({"Month", "Day"});
    control.resize(136, 30);
    control.show();
    QSignalSpy changed(&control, &SegmentedControl::valueChanged);

    control.setSelectedSegmentIndex(0);
    EXPECT_EQ(changed.size(), 0) << "setting from code is not a user change";
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(1).center());
    EXPECT_EQ(control.selectedSegmentIndex(), 1);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toInt(), 1);
    QTest::mouseClick(&control, Qt::LeftButton, {}, control.segmentRect(1).center());
    EXPECT_EQ(changed.size(), 1) << "the chosen segment again changes nothing";

    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(control.selectedSegmentIndex(), 0);
    QTest::keyClick(&control, Qt::Key_Left);
    EXPECT_EQ(changed.size(), 2);
    QTest::keyClick(&control, Qt::Key_Right);
    QTest::keyClick(&control, Qt::Key_Right);
    EXPECT_EQ(control.selectedSegmentIndex(), 1);
    EXPECT_EQ(changed.size(), 3);

    // Inserting and removing segments keeps the chosen one.
    control.insertSegmentWithTitle("Snacks", 9);
    control.insertSegmentWithTitle("Lunch", 1);
    ASSERT_EQ(control.titleForSegmentAtIndex(3), "Snacks");
    control.setSelectedSegmentIndex(3);
    control.insertSegmentWithTitle("Dinner", 3);
    EXPECT_EQ(control.titleForSegmentAtIndex(control.selectedSegmentIndex()), "Snacks");
    control.removeSegmentAtIndex(0);
    EXPECT_EQ(control.titleForSegmentAtIndex(control.selectedSegmentIndex()), "Snacks");
    control.removeSegmentAtIndex(control.selectedSegmentIndex());
    EXPECT_EQ(control.selectedSegmentIndex(), SegmentedControl::kNoSegment);
}

class AlertViewTest : public QuorvelTest {};

TEST_F(AlertViewTest, ShowsWithoutBlockingTheNewestIsCurrentAndButtonOrEscapeCloseIt) {
    QWidget window;
    window.resize(320, 460);
    window.show();
    auto* first = new AlertView("First", "one", "OK");
    auto* alert = new AlertView("Error", "Please select a portion first.", "Ok");
    QSignalSpy clicked(alert, &AlertView::clickedButtonAtIndex);
    first->showIn(&window);
    alert->showIn(&window);
    // Reaching this line at all means show() did not run a loop of its own.
    ASSERT_EQ(AlertView::current(), alert);
    EXPECT_EQ(alert->geometry(), window.rect());

    QPointer<AlertView> watch = alert;
    gui::click(alert, "Ok");
    EXPECT_EQ(clicked.size(), 1);
    EXPECT_EQ(AlertView::current(), first);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
    QTest::keyClick(first, Qt::Key_Escape);
    EXPECT_EQ(AlertView::current(), nullptr);
    first->dismiss(); // a second dismiss is harmless

    // The reset between cases drops alerts left open.
    QPointer<AlertView> left = new AlertView("Left", "open", "OK");
    left->showIn(&window);
    ResetRegistry::resetAll();
    EXPECT_TRUE(left.isNull());
    EXPECT_EQ(AlertView::current(), nullptr);
}

class ToolbarTest : public QuorvelTest {};

TEST_F(ToolbarTest, FlexibleSpacePushesTheFollowingItemsToTheRightEdge) {
    Toolbar bar;
    bar.resize(320, Toolbar::kHeight);
    auto* label = new QWidget;
    label->resize(80, 20);
    bar.setItems({BarButtonItem::withCustomView(label), BarButtonItem::flexibleSpace(),
                  new BarButtonItem("Save", BarButtonItem::Style::Done)});
    bar.show();
    auto* save = bar.findChild<QAbstractButton*>("Save");
    ASSERT_NE(save, nullptr);
    EXPECT_LT(label->x(), 20);
    EXPECT_GT(save->geometry().right(), 300);
}

class DelayedActionTest : public QuorvelTest {
protected:
    void TearDown() override {
        Animations::setEnabled(false);
        QuorvelTest::TearDown();
    }
};

TEST_F(DelayedActionTest, RunsAtOnceWithoutAnimationsAndNeverAfterItsContextIsGone) {
    QObject context;
    int runs = 0;
    DelayedAction::after(&context, 100, [&runs] { ++runs; });
    EXPECT_EQ(runs, 1);

    Animations::setEnabled(true);
    auto* shortLived = new QObject;
    DelayedAction::after(shortLived, 0, [&runs] { ++runs; });
    bool later = false;
    DelayedAction::after(&context, 0, [&later] { later = true; });
    EXPECT_EQ(runs, 1);
    delete shortLived;
    // Timers of the same delay run in order: once the later one ran, the first had its turn.
    ASSERT_TRUE(gui::waitFor([&later] { return later; }));
    EXPECT_EQ(runs, 1);
}

TEST_F(AlertViewTest, FocusGoesBackWhereItWasWhenTheAlertCloses) {
    QWidget window;
    window.resize(320, 460);
    auto* first = new QPushButton("first", &window);
    auto* second = new QPushButton("second", &window);
    second->move(0, 100);
    window.show();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window))
        GTEST_SKIP() << "the platform gives no window focus";
    second->setFocus();
    auto* alert = new AlertView("Error", "The calories must be greater than 0.", "Ok");
    alert->showIn(&window);
    EXPECT_TRUE(alert->button()->hasFocus());
    QTest::keyClick(alert->button(), Qt::Key_Return);
    EXPECT_TRUE(second->hasFocus()) << "not moved on to another widget";
    EXPECT_FALSE(first->hasFocus());
}
