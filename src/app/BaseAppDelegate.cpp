#include "app/BaseAppDelegate.h"

#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/ShortcutKeys.h"
#include "ui/ViewController.h"

BaseAppDelegate::BaseAppDelegate() = default;

BaseAppDelegate::~BaseAppDelegate() {
    // The root controller owns its views; the window goes after it.
    delete controller_;
    controller_ = nullptr;
}

void BaseAppDelegate::applicationDidFinishLaunching() {
    setApplicationProps();
    window_ = std::make_unique<QWidget>();
    window_->setObjectName(QStringLiteral("window"));
    window_->setWindowTitle(QStringLiteral("Quorvel"));
    window_->setFixedSize(ui::Metrics::ScreenWidth, ui::Metrics::ScreenHeight);
    appendControllers(window_.get());
    // Nothing to save: every change was written when it was made.
    ui::shortcutKeys::add(window_.get(), {ui::shortcutKeys::quit},
                          [window = window_.get()] { window->close(); });
    window_->show();
    window_->activateWindow();
    didShowWindow();
}

void BaseAppDelegate::setApplicationProps() {}

ui::ViewController* BaseAppDelegate::appendController() {
    return nullptr;
}

void BaseAppDelegate::didShowWindow() {}

void BaseAppDelegate::appendControllers(QWidget* window) {
    controller_ = appendController();
    if (!controller_)
        return;
    if (!controller_->parent())
        controller_->setParent(this);
    QWidget* root = controller_->view();
    root->setParent(window);
    root->setGeometry(window->rect());
}

ui::NavigationController* BaseAppDelegate::makeNavController(ui::ViewController* root,
                                                             const QColor& tint) {
    auto* nav = new ui::NavigationController(root);
    nav->setTintColor(tint);
    return nav;
}
