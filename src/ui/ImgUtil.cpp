#include "ui/ImgUtil.h"

#include "core/base/Util.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>

QPixmap ImgUtil::image(const QString& name) {
    if (name.isEmpty())
        return {};
    const QString path = Util::resourcePath(QStringLiteral("images/") + name);
    if (!QFileInfo(path).isFile())
        return {};
    QPixmap pixmap(path);
    pixmap.setDevicePixelRatio(pixelRatio);
    return pixmap;
}

ui::StretchableImage ImgUtil::image(const QString& name, int leftCap, int topCap) {
    return ui::StretchableImage(image(name), leftCap, topCap);
}

namespace {
QPixmap blank(const QSize& size) {
    QPixmap out(size * ImgUtil::pixelRatio);
    out.setDevicePixelRatio(ImgUtil::pixelRatio);
    out.fill(Qt::transparent);
    return out;
}
} // namespace

QPixmap ImgUtil::getImageWithSize(const QSize& size, const QString& name, int capWidth,
                                  int capHeight) {
    if (size.isEmpty())
        return {};
    QPixmap out = blank(size);
    QPainter p(&out);
    image(name, capWidth, capHeight).draw(p, QRectF(QPointF(0, 0), QSizeF(size)));
    return out;
}

QPixmap ImgUtil::scaleImage(const QPixmap& source, const QSize& size) {
    if (size.isEmpty())
        return {};
    QPixmap out = blank(size);
    if (!source.isNull()) {
        QPainter p(&out);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(QRectF(QPointF(0, 0), QSizeF(size)), source, QRectF(source.rect()));
    }
    return out;
}

QIcon ImgUtil::applicationIcon() {
    QIcon icon;
    const QDir theme(Util::resourcePath(QStringLiteral("../icons/hicolor")));
    const QString file = QStringLiteral("apps/") + Util::bundleIdentifier() + ".png";
    for (const QString& size : theme.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (QFileInfo(theme.filePath(size + "/" + file)).isFile())
            icon.addFile(theme.filePath(size + "/" + file));
    return icon;
}
