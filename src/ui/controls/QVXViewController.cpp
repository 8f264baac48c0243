#include "ui/controls/QVXViewController.h"

#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/PixmapView.h"

QVXViewController::QVXViewController(QObject* parent) : ui::ViewController(parent) {}

void QVXViewController::loadView() {
    auto* view = new PixmapView(ControlImages::image("background.png"));
    view->resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    setView(view);
}
