#include "screens/weight/TrendChartPainter.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

// Ten years at 80 kg with a single day at 90 kg halfway, drawn at twice the size as on a desktop,
// so that several days share each pixel column.
class DenseTrendChartTest : public ::testing::Test {
protected:
    static constexpr int scale = 2;
    const QDate first{2016, 12, 7};
    const QDate last{2026, 12, 6};
    const QDate spike = first.addDays(first.daysTo(last) / 2);
    const QSizeF size{320, 200};
    QImage image{(size * scale).toSize(), QImage::Format_ARGB32_Premultiplied};

    void SetUp() override {
        QList<DayWeight> days;
        for (QDate d = first; d <= last; d = d.addDays(1))
            days.append({d, d == spike ? 90.0 : 80.0});
        const WeightTrend trend(days);
        image.fill(Qt::white);
        QPainter p(&image);
        p.scale(scale, scale);
        TrendChartPainter::paint(p, QRectF(QPointF(0, 0), size), {&trend, first, last, 0.0, false});
    }

    // Whether a pixel carries the colour of the dots or of the trend, not grid or background.
    bool inked(int x, int y) const { return image.pixelColor(x, y).blue() < 170; }
    // The device columns in [fromX, toX) inked somewhere between rows fromY and toY.
    QList<int> inkedColumns(int fromX, int toX, int fromY, int toY) const {
        QList<int> columns;
        for (int x = fromX; x < toX; ++x) {
            for (int y = fromY; y < toY; ++y) {
                if (inked(x, y)) {
                    columns.append(x);
                    break;
                }
            }
        }
        return columns;
    }
};

} // namespace

TEST_F(DenseTrendChartTest, KeepsEveryOutlierAndTheWholeLine) {
    const int left = int(TrendChartPainter::LeftMargin * scale);
    const int right = image.width() - 10 * scale;
    const int middle = (left + right) / 2;

    // Only the day at 90 kg reaches the upper half, in the middle of the plot, one dot wide.
    const QList<int> high = inkedColumns(left, right, 0, image.height() / 2);
    ASSERT_FALSE(high.isEmpty());
    EXPECT_LE(high.last() - high.first(), 12) << high.first() << ".." << high.last();
    EXPECT_NEAR((high.first() + high.last()) / 2, middle, 4);

    // The 80 kg band with its trend runs from the first day's column to the last one's.
    const int bottom = image.height() - int(TrendChartPainter::BottomMargin * scale);
    const QList<int> low = inkedColumns(left, right, image.height() / 2, bottom);
    ASSERT_FALSE(low.isEmpty());
    EXPECT_LE(low.first(), left + 3);
    EXPECT_GE(low.last(), right - 3);
    EXPECT_EQ(low.size(), low.last() - low.first() + 1) << "a gap in the band";
}
