#include "Gallery.h"
#include "support/TestEnv.h"

#include "app/QuorvelAppDelegate.h"
#include "core/base/Clock.h"
#include "ui/AlertView.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/TabBarController.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <cstdio>

namespace gallery {

std::vector<Scene>& scenes() {
    static std::vector<Scene> list;
    return list;
}

Stack::Stack(ui::ViewController* root, int height) {
    host = std::make_unique<QWidget>();
    host->setFixedSize(ui::Metrics::ScreenWidth, height);
    nav = new ui::NavigationController(root, host.get());
    nav->setTintColor(ui::Metrics::tintColor());
    nav->view()->setParent(host.get());
    nav->view()->setGeometry(host->rect());
    nav->viewWillAppear();
    host->show();
    gui::settle();
}

std::unique_ptr<QWidget> shell(int tab) {
    auto screen = std::make_unique<QWidget>();
    screen->setFixedSize(ui::Metrics::ScreenWidth, ui::Metrics::ScreenHeight);
    QuorvelAppDelegate delegate;
    auto* tabs = static_cast<ui::TabBarController*>(delegate.appendController());
    tabs->setParent(screen.get());
    tabs->view()->setParent(screen.get());
    tabs->view()->setGeometry(screen->rect());
    tabs->setSelectedIndex(tab);
    return screen;
}

Phone::Phone(int tab) {
    host = shell(tab);
    nav = static_cast<ui::NavigationController*>(
        host->findChild<ui::TabBarController*>()->viewControllers().at(tab));
    host->show();
    gui::settle();
}

void Screen::push(ui::ViewController* screen) {
    nav->pushViewController(screen, false);
    gui::settle();
}

void showAlert(QWidget* screen) {
    if (ui::AlertView* alert = ui::AlertView::current())
        alert->showIn(screen);
}

} // namespace gallery

// Renders every registered scene with a fixed clock, a fresh data directory per scene, en_US and
// UTC. Usage: quorvel_gallery <output dir> [scene name filter]
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_SCALE_FACTOR", "2");
    testenv::initProcess();
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");

    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("gallery");
    const QString filter = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(outDir);

    int failures = 0;
    int rendered = 0;
    for (const gallery::Scene& scene : gallery::scenes()) {
        const QString name = QString::fromLatin1(scene.name);
        if (!filter.isEmpty() && !name.contains(filter))
            continue;
        QTemporaryDir dir;
        testenv::resetState(dir.path());
        Clock::set(gallery::december(6, 9, 30));
        std::unique_ptr<QWidget> widget = scene.make();
        if (!widget) {
            std::fprintf(stderr, "scene %s built nothing\n", scene.name);
            ++failures;
            continue;
        }
        widget->show();
        gui::settle();
        const QPixmap shot = widget->grab();
        const QString file = outDir + "/" + name + ".png";
        if (shot.isNull() || !shot.save(file)) {
            std::fprintf(stderr, "scene %s could not be saved to %s\n", scene.name,
                         qPrintable(file));
            ++failures;
        } else {
            ++rendered;
        }
        widget.reset();
        gui::settle();
    }
    std::printf("gallery: %d rendered, %d failed\n", rendered, failures);
    return failures == 0 ? 0 : 1;
}
