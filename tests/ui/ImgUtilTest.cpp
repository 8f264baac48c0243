#include "ui/ImgUtil.h"
#include "support/TestEnv.h"

#include <QImage>
#include <QPainter>

namespace {

// Writes a 2x test image into the images folder of a private resource directory:
// 10 x 10 points, red left cap of 4 points, blue right part, a green top band of 3 points.
class ImgUtilTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        saved_ = qgetenv("QUORVEL_RESOURCE_DIR");
        qputenv("QUORVEL_RESOURCE_DIR", dataDir().toUtf8());
        QDir(dataDir()).mkpath("images");
        QImage img(20, 20, QImage::Format_ARGB32);
        img.fill(Qt::blue);
        QPainter p(&img);
        p.fillRect(0, 0, 8, 20, Qt::red);
        p.fillRect(0, 0, 20, 6, Qt::green);
        p.end();
        img.save(dataDir() + "/images/caps.png");
    }
    void TearDown() override {
        qputenv("QUORVEL_RESOURCE_DIR", saved_);
        QuorvelTest::TearDown();
    }
    // Colour at a point position of a 2x pixmap.
    static QColor at(const QPixmap& pixmap, qreal x, qreal y) {
        return pixmap.toImage().pixelColor(int(x * 2), int(y * 2));
    }

private:
    QByteArray saved_;
};

} // namespace

TEST_F(ImgUtilTest, ReadsImagesAtTwiceThePointSizeAndNothingForMissingFiles) {
    const QPixmap image = ImgUtil::image("caps.png");
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.devicePixelRatio(), 2.0);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(10, 10));
    EXPECT_TRUE(ImgUtil::image("missing.png").isNull());
    // Read from disk on every call: a replaced file shows at once.
    QImage small(4, 4, QImage::Format_ARGB32);
    small.fill(Qt::black);
    small.save(dataDir() + "/images/caps.png");
    EXPECT_EQ(ImgUtil::image("caps.png").deviceIndependentSize(), QSizeF(2, 2));
}

TEST_F(ImgUtilTest, StretchingKeepsTheCapsAndStretchesOnlyTheMiddle) {
    const QPixmap wide = ImgUtil::getImageWithSize(QSize(100, 40), "caps.png", 4, 3);
    EXPECT_EQ(wide.deviceIndependentSize(), QSizeF(100, 40));
    // The red cap keeps its 4 points; the green top band keeps its 3 points.
    EXPECT_EQ(at(wide, 3.5, 20), QColor(Qt::red));
    EXPECT_EQ(at(wide, 4.5, 20), QColor(Qt::blue));
    EXPECT_EQ(at(wide, 50, 2.5), QColor(Qt::green));
    EXPECT_EQ(at(wide, 99.5, 39.5), QColor(Qt::blue));
    // A plain scale stretches everything: the red part grows with the width.
    const QPixmap scaled = ImgUtil::scaleImage(ImgUtil::image("caps.png"), QSize(100, 40));
    EXPECT_EQ(scaled.deviceIndependentSize(), QSizeF(100, 40));
    EXPECT_EQ(at(scaled, 30, 20), QColor(Qt::red));
    EXPECT_EQ(at(scaled, 50, 20), QColor(Qt::blue));
    EXPECT_TRUE(ImgUtil::getImageWithSize(QSize(0, 10), "caps.png", 4, 3).isNull());
    EXPECT_TRUE(ImgUtil::scaleImage(ImgUtil::image("caps.png"), QSize(10, 0)).isNull());
    // A missing image still gives the canvas, with nothing drawn on it.
    const QPixmap none = ImgUtil::getImageWithSize(QSize(10, 10), "missing.png", 1, 1);
    EXPECT_EQ(at(none, 5, 5).alpha(), 0);
}
