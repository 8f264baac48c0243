#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/TabBar.h"
#include "ui/TabBarController.h"

#include <QPointer>
#include <QTest>

using namespace ui;

namespace {

// A screen that counts how often it was told it is about to appear.
class CountingScreen : public ViewController {
public:
    explicit CountingScreen(const QString& title, QObject* parent = nullptr)
        : ViewController(parent) {
        setTitle(title);
    }
    void viewWillAppear() override { ++appeared; }
    int appeared = 0;
};

bool isVisible(ViewController* c) {
    return c->isViewLoaded() && c->view()->isVisible();
}

} // namespace

class NavigationControllerTest : public QuorvelTest {};

TEST_F(NavigationControllerTest, PushShowsScreenWithBackButtonAndBackClickPops) {
    auto* root = new CountingScreen("Food");
    gui::ScreenStack s(root);
    const int rootAppearances = root->appeared;
    auto* menu = new CountingScreen("Food Menu", root);
    s.nav()->pushViewController(menu);

    EXPECT_EQ(s.nav()->topViewController(), menu);
    EXPECT_TRUE(isVisible(menu));
    EXPECT_FALSE(isVisible(root));
    EXPECT_EQ(menu->appeared, 1);
    NavigationBar* bar = s.nav()->navigationBar();
    EXPECT_EQ(bar->title(), "Food Menu");
    ASSERT_NE(bar->backButton(), nullptr);
    EXPECT_EQ(bar->backButton()->text(), "Food");
    EXPECT_EQ(menu->view()->geometry(), QRect(0, 0, 320, 416 - NavigationBar::kHeight));

    QTest::mouseClick(bar->backButton(), Qt::LeftButton);
    EXPECT_EQ(s.nav()->topViewController(), root);
    EXPECT_TRUE(isVisible(root));
    EXPECT_FALSE(isVisible(menu));
    EXPECT_EQ(root->appeared, rootAppearances + 1);
    EXPECT_EQ(bar->backButton(), nullptr);
}

TEST_F(NavigationControllerTest, TheBarFollowsTheShownItemAndItsOwnButtonsReplaceBack) {
    gui::ScreenStack s(new CountingScreen("Exercise"));
    auto* editor = new CountingScreen("Add");
    s.nav()->pushViewController(editor, false);
    NavigationBar* bar = s.nav()->navigationBar();
    ASSERT_NE(bar->backButton(), nullptr);
    // Changed after the push, the item shows at once.
    editor->navigationItem()->setHidesBackButton(true);
    EXPECT_EQ(bar->backButton(), nullptr);
    editor->setTitle("Edit Weight");
    EXPECT_EQ(bar->title(), "Edit Weight");
    auto* back = new BarButtonItem("Back");
    auto* save = new BarButtonItem("Save", BarButtonItem::Style::Done);
    editor->navigationItem()->setLeftBarButtonItem(back);
    editor->navigationItem()->setRightBarButtonItem(save);
    QObject::connect(back, &BarButtonItem::triggered, s.nav(),
                     [&s] { s.nav()->popViewController(false); });
    int saves = 0;
    QObject::connect(save, &BarButtonItem::triggered, [&saves] { ++saves; });
    // Buttons are found by their titles, also after a title change.
    save->setTitle("Done");
    EXPECT_EQ(bar->findChild<QAbstractButton*>("Save"), nullptr);

    // A disabled button ignores clicks; enabling it again works.
    save->setEnabled(false);
    QTest::mouseClick(bar->findChild<QAbstractButton*>("Done"), Qt::LeftButton);
    save->setEnabled(true);
    gui::click(bar, "Done");
    EXPECT_EQ(saves, 1);
    gui::click(bar, "Back");
    EXPECT_EQ(s.nav()->viewControllers().size(), 1);
}

TEST_F(NavigationControllerTest, PoppedScreensWithoutParentAreDeletedOthersSurvive) {
    auto* root = new CountingScreen("Weight");
    gui::ScreenStack s(root);
    QPointer<ViewController> kept = new CountingScreen("Kept", root);
    QPointer<ViewController> owned = new CountingScreen("Owned");
    QPointer<ViewController> third = new CountingScreen("Third");
    s.nav()->pushViewController(kept, false);
    s.nav()->pushViewController(owned, false);
    s.nav()->pushViewController(third, false);
    EXPECT_EQ(s.nav()->viewControllers().size(), 4);

    s.nav()->popToRootViewController(false);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(s.nav()->topViewController(), root);
    EXPECT_TRUE(kept);
    EXPECT_FALSE(owned);
    EXPECT_FALSE(third);
    EXPECT_EQ(s.nav()->popViewController(false), nullptr);

    // A kept screen can be pushed again and shows its view.
    s.nav()->pushViewController(kept, false);
    EXPECT_TRUE(isVisible(kept));
}

TEST_F(NavigationControllerTest, ViewsSetWhileBuiltOrLaterAreShownWithTheirChildren) {
    // Screens set their view first and then fill it, as the menus and editors do.
    class FillingScreen : public ViewController {
    public:
        using ViewController::ViewController;
        QWidget* child = nullptr;

    protected:
        void loadView() override {
            setView(new QWidget);
            child = new QWidget(view());
        }
    };
    auto* root = new CountingScreen("Food");
    gui::ScreenStack s(root);
    auto* menu = new FillingScreen(root);
    s.nav()->pushViewController(menu, false);
    ASSERT_NE(menu->child, nullptr);
    EXPECT_TRUE(menu->child->isVisible());

    QWidget* first = menu->view();
    auto* second = new QWidget;
    menu->setView(second);
    EXPECT_TRUE(second->isVisible());
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(second->size(), QSize(320, 416 - NavigationBar::kHeight));
}

TEST_F(NavigationControllerTest, TitleViewTakesThePlaceOfTheTitle) {
    auto* root = new CountingScreen("Overview");
    auto* segments = new QWidget;
    segments->resize(136, 30);
    root->navigationItem()->setTitleView(segments);
    gui::ScreenStack s(root);
    EXPECT_EQ(segments->parentWidget(), s.nav()->navigationBar());
    EXPECT_EQ(segments->geometry().center().x(), 320 / 2 - 1);

    // Covered by another screen the title view leaves the bar, and comes back after the pop.
    s.nav()->pushViewController(new CountingScreen("Details"), false);
    EXPECT_NE(segments->parentWidget(), s.nav()->navigationBar());
    s.nav()->popViewController(false);
    EXPECT_EQ(segments->parentWidget(), s.nav()->navigationBar());
    EXPECT_TRUE(segments->isVisible());
}

class TabBarControllerTest : public QuorvelTest {};

TEST_F(TabBarControllerTest, ClicksSwitchTabsAndHiddenBottomBarGivesRoomToPushedScreen) {
    TabBarController tabs;
    QList<CountingScreen*> roots;
    QList<ViewController*> navs;
    for (const char* title : {"Overview", "Food", "Exercise"}) {
        roots.append(new CountingScreen(title));
        navs.append(new NavigationController(roots.last()));
    }
    tabs.setViewControllers(navs);
    QWidget* window = tabs.view();
    window->resize(320, 460);
    window->show();
    TabBar* bar = tabs.tabBar();
    EXPECT_EQ(roots[0]->appeared, 1);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(tabs.selectedIndex(), 2);
    EXPECT_TRUE(navs[2]->view()->isVisible());
    EXPECT_FALSE(navs[0]->view()->isVisible());
    EXPECT_EQ(navs[2]->view()->height(), 460 - TabBar::kHeight);

    auto* editor = new CountingScreen("Add Exercise");
    editor->setHidesBottomBarWhenPushed(true);
    auto* nav = static_cast<NavigationController*>(navs[2]);
    nav->pushViewController(editor, false);
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(nav->view()->height(), 460);

    nav->popViewController(false);
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(nav->view()->height(), 460 - TabBar::kHeight);
    EXPECT_EQ(roots[2]->appeared, 2);

    // Choosing the shown tab again takes its stack back to the root.
    nav->pushViewController(new CountingScreen("Exercise Menu"), false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    EXPECT_EQ(nav->topViewController(), roots[2]);
    EXPECT_EQ(roots[2]->appeared, 3);
    EXPECT_EQ(roots[0]->appeared, 1);
}
