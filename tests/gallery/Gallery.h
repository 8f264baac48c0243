#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

namespace ui {
class NavigationController;
class ViewController;
} // namespace ui

// A gallery scene builds one screen in one state; the gallery renders it to <name>.png at 2x.
namespace gallery {

using SceneFactory = std::function<std::unique_ptr<QWidget>()>;

struct Scene {
    const char* name;
    SceneFactory make;
};

std::vector<Scene>& scenes();

// The phone screen with the application's five tabs, the given one chosen.
std::unique_ptr<QWidget> shell(int tab);

// A tinted navigation stack over root on a phone-wide screen: 416 points high above the tab bar,
// 460 for the screens that hide it.
struct Stack {
    explicit Stack(ui::ViewController* root, int height = 416);
    // Pushes without a slide and lets the screen settle.
    void push(ui::ViewController* screen);
    // The screen, which takes the stack's widgets with it.
    std::unique_ptr<QWidget> take() { return std::move(host); }

    std::unique_ptr<QWidget> host;
    ui::NavigationController* nav;
};

struct Registrar {
    Registrar(const char* name, SceneFactory make) { scenes().push_back({name, std::move(make)}); }
};

} // namespace gallery

#define QUORVEL_GALLERY_CONCAT2(a, b) a##b
#define QUORVEL_GALLERY_CONCAT(a, b) QUORVEL_GALLERY_CONCAT2(a, b)
#define QUORVEL_GALLERY_SCENE(sceneName)                                                           \
    static std::unique_ptr<QWidget> QUORVEL_GALLERY_CONCAT(gallery_scene_, __LINE__)();            \
    static const gallery::Registrar QUORVEL_GALLERY_CONCAT(gallery_registrar_, __LINE__)(          \
        sceneName, &QUORVEL_GALLERY_CONCAT(gallery_scene_, __LINE__));                             \
    static std::unique_ptr<QWidget> QUORVEL_GALLERY_CONCAT(gallery_scene_, __LINE__)()
