#pragma once

#include <QColor>
#include <QObject>
#include <QWidget>
#include <memory>

namespace ui {
class NavigationController;
class ViewController;
} // namespace ui

// Builds the single window at launch and puts the root controller into it; subclasses say
// what the root controller is. Ctrl+Q closes the window, which ends the application.
class BaseAppDelegate : public QObject {
    Q_OBJECT
public:
    BaseAppDelegate();
    ~BaseAppDelegate() override;

    // Creates the window, fills it, shows it, then gives the subclass its say.
    void applicationDidFinishLaunching();

    QWidget* window() const { return window_.get(); }
    ui::ViewController* controller() const { return controller_; }

protected:
    // First hook at launch; does nothing here.
    virtual void setApplicationProps();
    // The root controller; nothing here.
    virtual ui::ViewController* appendController();
    // Called once the window is visible.
    virtual void didShowWindow();
    void appendControllers(QWidget* window);
    ui::NavigationController* makeNavController(ui::ViewController* root, const QColor& tint);

private:
    std::unique_ptr<QWidget> window_;
    ui::ViewController* controller_ = nullptr;
};
