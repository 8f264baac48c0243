#include "app/PlaceholderController.h"

#include <QPalette>

PlaceholderController::PlaceholderController(const QString& title, const QPixmap& icon,
                                             QObject* parent)
    : ui::ViewController(parent) {
    setTitle(title);
    setTabBarItem({title, icon});
}

void PlaceholderController::loadView() {
    auto* view = new QWidget;
    view->setObjectName(QStringLiteral("placeholder"));
    view->setAutoFillBackground(true);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, QColor(236, 232, 222));
    view->setPalette(palette);
    setView(view);
}
