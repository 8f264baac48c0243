#include "AppIcon.h"
#include "ImageSpec.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>
#include <cstdio>
#include <cstring>

// Renders the application's image set at 2x, or its icon for the desktop's icon theme.
// Usage: quorvel_imagegen <output dir> [file of extra icon names, one a line]
//        quorvel_imagegen --app-icon <hicolor dir> <icon name>
namespace {

QStringList readNames(const QString& path) {
    QStringList names;
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly | QIODevice::Text))
        return names;
    QTextStream in(&file);
    while (!in.atEnd()) {
        const QString line = in.readLine().trimmed();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!line.endsWith(QLatin1String(".png"))) {
            std::fprintf(stderr, "skipping %s: only .png names can be drawn\n", qPrintable(line));
            continue;
        }
        names << line;
    }
    return names;
}

bool render(const ImageSpec& recipe, const QString& dir) {
    constexpr int ratio = 2;
    QImage image(recipe.size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(ratio);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        recipe.draw(p, QSizeF(recipe.size));
    }
    const QString file = dir + "/" + recipe.name;
    if (!image.save(file, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc == 4 && std::strcmp(argv[1], "--app-icon") == 0)
        return writeAppIcon(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3])) ? 0
                                                                                              : 1;
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output dir> [icon names file]\n", argv[0]);
        std::fprintf(stderr, "       %s --app-icon <hicolor dir> <icon name>\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(dir)) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(dir));
        return 1;
    }
    ImageList images;
    addChromeImages(images);
    addCalendarImages(images);
    addIconImages(images, readNames(argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString()));
    int failed = 0;
    for (const ImageSpec& recipe : images)
        failed += render(recipe, dir) ? 0 : 1;
    std::printf("images: %zu drawn, %d failed\n", images.size() - failed, failed);
    return failed == 0 ? 0 : 1;
}
