#pragma once

#include "ui/StretchableImage.h"

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// Images of the resource folder by name, drawn at twice the point size.
class ImgUtil {
public:
    // Read from disk on every call; a null pixmap when the file does not exist.
    static QPixmap image(const QString& name);
    // The named image made stretchable with the given left and top caps (points).
    static ui::StretchableImage image(const QString& name, int leftCap, int topCap);
    // A new image of the size (points) filled with the stretchable form of the named image.
    static QPixmap getImageWithSize(const QSize& size, const QString& name, int capWidth,
                                    int capHeight);
    // A new image of the size (points) with the image drawn to fill it.
    static QPixmap scaleImage(const QPixmap& image, const QSize& size);
    // The application's icon, at every size drawn into the icon theme folder that lies beside
    // the resource folder (share/icons/hicolor); empty when there is none.
    static QIcon applicationIcon();

    static constexpr int pixelRatio = 2;
};
