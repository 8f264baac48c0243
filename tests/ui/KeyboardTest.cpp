#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"

#include "ui/AlertView.h"
#include "ui/BarButton.h"
#include "ui/BarButtonItem.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/NavigationItem.h"
#include "ui/SegmentedControl.h"
#include "ui/TabBarController.h"
#include "ui/TextField.h"
#include "ui/controls/DayBar.h"

using namespace ui;

namespace {

// An entry editor: its own day bar, a field, a segmented control, Back, and a Save that waits
// for text in the field.
class EditorScreen : public ViewController {
public:
    EditorScreen() {
        auto* back = new BarButtonItem("Back");
        QObject::connect(back, &BarButtonItem::triggered, this, [this] {
            ++backs;
            navigationController()->popViewController(false);
        });
        navigationItem()->setLeftBarButtonItem(back);
        save = new BarButtonItem("Save", BarButtonItem::Style::Done);
        save->setEnabled(false);
        QObject::connect(save, &BarButtonItem::triggered, this, [this] { ++saves; });
        navigationItem()->setRightBarButtonItem(save);
    }
    void loadView() override {
        auto* v = new QWidget;
        bar = new DayBar(v);
        bar->setDate(at(2026, 12, 6));
        field = new TextField(v);
        field->setGeometry(10, 60, 200, 30);
        QObject::connect(field, &QLineEdit::textChanged, save,
                         [this](const QString& text) { save->setEnabled(!text.isEmpty()); });
        segments = new SegmentedControl({"Lunch", "Dinner"}, v);
        segments->setGeometry(10, 100, 200, 30);
        segments->setSelectedSegmentIndex(0);
        setView(v);
    }
    BarButtonItem* save;
    DayBar* bar = nullptr;
    TextField* field = nullptr;
    SegmentedControl* segments = nullptr;
    int saves = 0;
    int backs = 0;
};

// A diary tab: a day bar, "Today" on the left and Add on the right, which pushes an editor.
class DayScreen : public ViewController {
public:
    DayScreen() {
        auto* today = new BarButtonItem("Today");
        QObject::connect(today, &BarButtonItem::triggered, this, [this] { ++todays; });
        navigationItem()->setLeftBarButtonItem(today);
        auto* add = BarButtonItem::systemAdd();
        QObject::connect(add, &BarButtonItem::triggered, this, [this] {
            navigationController()->pushViewController(new EditorScreen, false);
        });
        navigationItem()->setRightBarButtonItem(add);
    }
    void loadView() override {
        auto* v = new QWidget;
        bar = new DayBar(v);
        bar->setDate(at(2026, 12, 6));
        setView(v);
    }
    DayBar* bar = nullptr;
    int todays = 0;
};

class KeyboardTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        for (DayScreen*& s : screens) {
            s = new DayScreen;
            stacks.append(new NavigationController(s));
        }
        tabs.setViewControllers(stacks);
        tabs.view()->setParent(&window);
        window.resize(320, 460);
        tabs.view()->resize(320, 460);
        ASSERT_TRUE(gui::showActive(&window));
        // Both tabs built, the first in view.
        tabs.setSelectedIndex(1);
        tabs.setSelectedIndex(0);
    }
    NavigationController* stack(int tab) { return static_cast<NavigationController*>(stacks[tab]); }
    EditorScreen* editor(int tab) {
        return dynamic_cast<EditorScreen*>(stack(tab)->topViewController());
    }

    ScopedTimeZone zone{"UTC"};
    QWidget window;
    TabBarController tabs;
    DayScreen* screens[2];
    QList<ViewController*> stacks;
};

TEST_F(KeyboardTest, WindowKeysActOnlyInTheTabAndScreenInView) {
    gui::press(Qt::Key_Right);
    EXPECT_EQ(screens[0]->bar->date(), at(2026, 12, 7));
    EXPECT_EQ(screens[1]->bar->date(), at(2026, 12, 6)) << "the hidden tab's day stays";

    gui::press(Qt::CTRL | Qt::Key_2);
    EXPECT_EQ(tabs.selectedIndex(), 1);
    gui::press(Qt::Key_Left);
    EXPECT_EQ(screens[1]->bar->date(), at(2026, 12, 5));
    EXPECT_EQ(screens[0]->bar->date(), at(2026, 12, 7));
    gui::press(Qt::Key_Escape);
    EXPECT_EQ(screens[1]->todays, 0) << "Escape on a tab's first screen has nowhere to go";

    gui::press(Qt::Key_Plus);
    ASSERT_NE(editor(1), nullptr);
    gui::press(Qt::Key_Right);
    EXPECT_EQ(editor(1)->bar->date(), at(2026, 12, 7))
        << "the editor's day bar, not the covered one";
    EXPECT_EQ(screens[1]->bar->date(), at(2026, 12, 5));
    gui::press(Qt::CTRL | Qt::Key_N);
    EXPECT_EQ(stack(1)->viewControllers().size(), 2) << "an editor has no Add";
    editor(1)->bar->setArrowsVisible(false);
    gui::press(Qt::Key_Right);
    EXPECT_EQ(editor(1)->bar->date(), at(2026, 12, 7)) << "the keys go with the arrows";

    gui::press(Qt::Key_Escape);
    EXPECT_EQ(stack(1)->viewControllers().size(), 1) << "Escape pressed the editor's own Back";
    gui::press(Qt::CTRL | Qt::Key_N);
    EXPECT_NE(editor(1), nullptr);
}

TEST_F(KeyboardTest, ReturnSavesOnlyWhenSaveIsEnabledAndFocusedControlsKeepTheirKeys) {
    gui::press(Qt::Key_Plus);
    EditorScreen* e = editor(0);
    ASSERT_NE(e, nullptr);
    gui::press(Qt::Key_Return);
    EXPECT_EQ(e->saves, 0);

    gui::type(e->field, "12");
    gui::press(Qt::Key_Left);
    EXPECT_EQ(e->field->cursorPosition(), 1) << "the field keeps its arrow keys";
    EXPECT_EQ(e->bar->date(), at(2026, 12, 6));
    gui::press(Qt::Key_Return);
    EXPECT_EQ(e->saves, 1);

    e->segments->setFocus(Qt::TabFocusReason);
    gui::press(Qt::Key_Right);
    EXPECT_EQ(e->segments->selectedSegmentIndex(), 1);
    EXPECT_EQ(e->bar->date(), at(2026, 12, 6));

    // While an alert shows, the keys are its own: Right moves nothing, Escape closes it only.
    auto* alert = new AlertView("Error", "Please select a portion first.", "Ok");
    alert->showIn(&window);
    gui::press(Qt::Key_Right);
    gui::press(Qt::CTRL | Qt::Key_2);
    EXPECT_EQ(e->bar->date(), at(2026, 12, 6));
    EXPECT_EQ(tabs.selectedIndex(), 0);
    gui::press(Qt::Key_Escape);
    EXPECT_EQ(AlertView::current(), nullptr);
    EXPECT_EQ(editor(0), e);

    // Return on a focused bar button presses that button, not Save.
    stack(0)->navigationBar()->leftButton()->setFocus(Qt::TabFocusReason);
    gui::press(Qt::Key_Return);
    EXPECT_EQ(e->backs, 1);
    EXPECT_EQ(screens[0]->todays, 0);
}

} // namespace
