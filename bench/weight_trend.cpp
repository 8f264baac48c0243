// The Weight tab's trend over a generated ten-year diary: computing the trend and drawing the
// whole diary ("All") as the chart shows it at 2x, from the days the screen holds, and the same
// with the days read from the database first.

#include "BenchDiary.h"
#include "core/weight/WeightDataStore.h"
#include "core/weight/WeightTrend.h"
#include "screens/weight/TrendChartPainter.h"
#include "screens/weight/TrendView.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {

const QDate kEndDate(2026, 12, 6);
// The chart's size on the phone, drawn at the desktop's default scale.
const QSize kChartSize(320, 367 - TrendView::BarHeight - TrendView::RangesHeight -
                                TrendView::SummaryHeight);
const int kScale = 2;

void drawAll(const QList<WeighingDay>& days, QImage& image) {
    const WeightTrend trend = WeightTrend::fromDays(days);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(kScale, kScale);
    TrendChartPainter::paint(p, QRectF(QPointF(0, 0), kChartSize),
                             {&trend, trend.firstDay(), kEndDate, 76.0, true});
}

void BM_WeightTrend(benchmark::State& state) {
    const QList<WeighingDay> days = WeightDataStore::loadAllWeights();
    QImage image(kChartSize * kScale, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        drawAll(days, image);
        benchmark::DoNotOptimize(image.constBits());
    }
    state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(BM_WeightTrend)->Unit(benchmark::kMillisecond);

void BM_WeightTrendWithLoad(benchmark::State& state) {
    QImage image(kChartSize * kScale, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        drawAll(WeightDataStore::loadAllWeights(), image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WeightTrendWithLoad)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    BenchDiary diary(kEndDate);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::fprintf(stderr, "generated %d weighings\n", diary.fill().weighings);
    return BenchDiary::run(argc, argv);
}
