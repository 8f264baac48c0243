#pragma once

#include "support/gui/Gui.h"

#include "ui/NavigationController.h"

#include <QDateTime>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

// A gallery scene builds one screen in one state; the gallery renders it to <name>.png at 2x.
namespace gallery {

using SceneFactory = std::function<std::unique_ptr<QWidget>()>;

struct Scene {
    const char* name;
    SceneFactory make;
};

std::vector<Scene>& scenes();

// Registers a scene; gallery files keep theirs in arrays of these.
struct Registrar {
    Registrar(const char* name, SceneFactory make) { scenes().push_back({name, std::move(make)}); }
};

// A time in December 2026, the gallery's month; its day is the 6th, its clock at 9:30.
inline QDateTime december(int day, int hour = 0, int minute = 0) {
    return QDateTime(QDate(2026, 12, day), QTime(hour, minute));
}

// The phone screen with the application's five tabs, the given one chosen.
std::unique_ptr<QWidget> shell(int tab);

// A screen grabbed whole with a navigation stack on it.
struct Screen {
    std::unique_ptr<QWidget> host;
    ui::NavigationController* nav = nullptr;

    // Pushes without a slide and lets the screen settle.
    void push(ui::ViewController* screen);
    template <class C> C* root() const { return static_cast<C*>(nav->viewControllers().first()); }
    template <class C> C* top() const { return static_cast<C*>(nav->topViewController()); }
    // The screen, which takes the stack's widgets with it.
    std::unique_ptr<QWidget> take() { return std::move(host); }
};

// A tinted navigation stack over root on a phone-wide screen: 416 points high above the tab bar,
// 460 for the screens that hide it.
struct Stack : Screen {
    explicit Stack(ui::ViewController* root, int height = 416);
};

// The whole phone, shown, on one of its tabs; the stack is that tab's.
struct Phone : Screen {
    explicit Phone(int tab);
};

// The alert the last action raised, shown over the screen.
void showAlert(QWidget* screen);

// Registers scenes that each build a fresh screen S (after prepare, when given, has filled the
// diary), let act (a callable or a member of S) set its state and shoot it.
template <class S> struct Shots {
    template <class Act> Registrar operator()(const char* name, void (*prepare)(), Act act) const {
        return Registrar(name, [prepare, act] {
            if (prepare)
                prepare();
            S screen;
            std::invoke(act, screen);
            return screen.take();
        });
    }
    template <class Act> Registrar operator()(const char* name, Act act) const {
        return (*this)(name, nullptr, act);
    }
};

// The act of leaving a screen as it opens.
inline constexpr auto asOpened = [](auto&) {};

// A list menu on a stack: rows chosen and searches typed on its top level.
template <class Menu> struct MenuScreen : Stack {
    using Stack::Stack;
    Menu* level() const { return top<Menu>(); }
    void choose(const ui::IndexPath& path) {
        level()->didSelectRow(level()->tableView(), path);
        gui::settle();
    }
    void search(const QString& text) {
        level()->searchBar()->setText(text);
        level()->searchBarTextDidChange(text);
        gui::settle();
    }
};

// The act of choosing a row of the screen's list (on a menu, of its top level).
inline auto choosing(ui::IndexPath path) {
    return [path](auto& screen) { screen.choose(path); };
}

// The act of choosing a row on a menu's top level and typing into the search of the level it
// opens.
inline auto searching(ui::IndexPath path, QString text) {
    return [path, text](auto& menu) {
        menu.choose(path);
        menu.search(text);
    };
}

} // namespace gallery
