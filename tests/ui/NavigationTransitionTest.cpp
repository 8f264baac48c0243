#include "support/TestEnv.h"

#include "ui/Animations.h"
#include "ui/BarButton.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/SlideTransition.h"
#include "ui/TabBar.h"

#include <QPointer>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

namespace {

ViewController* screen(const QString& title, QObject* parent = nullptr) {
    auto* c = new ViewController(parent);
    c->setTitle(title);
    return c;
}

} // namespace

// The slides as the application runs them, with animations on.
class NavigationTransitionTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Animations::setEnabled(true);
        nav = new NavigationController(screen("Food"));
        nav->view()->resize(320, 416);
        nav->view()->show();
    }
    void TearDown() override {
        delete nav;
        Animations::setEnabled(false);
        QuorvelTest::TearDown();
    }
    SlideTransition* transition() const { return nav->findChild<SlideTransition*>(); }
    NavigationController* nav = nullptr;
};

TEST_F(NavigationTransitionTest, PoppedScreenLivesUntilItHasSlidOut) {
    QPointer<ViewController> menu = screen("Food Menu");
    nav->pushViewController(menu, false);
    nav->popViewController(true);
    ASSERT_TRUE(transition()->isRunning());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(menu.isNull()) << "its view is still on screen, sliding out";
    EXPECT_TRUE(menu->view()->isVisible());

    QSignalSpy finished(transition(), &SlideTransition::finished);
    ASSERT_TRUE(finished.wait(5000));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(menu.isNull());
    EXPECT_EQ(nav->topViewController()->view()->pos(), QPoint(0, 0));
}

TEST_F(NavigationTransitionTest, PushDuringASlideEndsTheFirstSlideCleanly) {
    ViewController* first = screen("First", nav);
    ViewController* second = screen("Second", nav);
    nav->pushViewController(first, true);
    nav->pushViewController(second, true);
    QSignalSpy finished(transition(), &SlideTransition::finished);
    ASSERT_TRUE(finished.wait(5000));
    EXPECT_TRUE(second->view()->isVisible());
    EXPECT_EQ(second->view()->pos(), QPoint(0, 0));
    EXPECT_FALSE(first->view()->isVisible());
    EXPECT_EQ(nav->navigationBar()->backButton()->text(), "First");
}

class TabBarTest : public QuorvelTest {};

TEST_F(TabBarTest, ArrowKeysAndClicksAskForTabsTheControllerThenChooses) {
    TabBar bar;
    bar.resize(320, TabBar::kHeight);
    bar.setItems({{"Overview", {}}, {"Food", {}}, {"Weight", {}}});
    bar.show();
    QSignalSpy activated(&bar, &TabBar::tabActivated);
    QTest::keyClick(&bar, Qt::Key_Left);
    EXPECT_EQ(activated.size(), 0) << "nothing left of the first tab";
    QTest::keyClick(&bar, Qt::Key_Right);
    ASSERT_EQ(activated.size(), 1);
    EXPECT_EQ(activated[0][0].toInt(), 1);
    EXPECT_EQ(bar.selectedIndex(), 0) << "the controller decides what is shown";
    EXPECT_EQ(bar.tabAt(QPoint(319, 10)), 2);
}
