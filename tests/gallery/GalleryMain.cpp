#include "Gallery.h"
#include "support/TestEnv.h"

#include "core/base/Clock.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"

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

Stack::Stack(ui::ViewController* root, int height) : host(std::make_unique<QWidget>()) {
    host->setFixedSize(ui::Metrics::ScreenWidth, height);
    nav = new ui::NavigationController(root, host.get());
    nav->setTintColor(ui::Metrics::tintColor());
    nav->view()->setParent(host.get());
    nav->view()->setGeometry(host->rect());
    nav->viewWillAppear();
    host->show();
    QApplication::processEvents();
}

void Stack::push(ui::ViewController* screen) {
    nav->pushViewController(screen, false);
    QApplication::processEvents();
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
        Clock::set(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
        std::unique_ptr<QWidget> widget = scene.make();
        if (!widget) {
            std::fprintf(stderr, "scene %s built nothing\n", scene.name);
            ++failures;
            continue;
        }
        widget->show();
        QApplication::processEvents();
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
        QApplication::processEvents();
    }
    std::printf("gallery: %d rendered, %d failed\n", rendered, failures);
    return failures == 0 ? 0 : 1;
}
