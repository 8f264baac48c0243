#pragma once

#include "DiaryGenerator.h"
#include "core/base/Clock.h"

#include <QDateTime>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <ctime>

// What every benchmark program over the ten-year diary starts with: a zone with clock changes,
// a private data directory and a fixed "now" at the diary's end. Make it before the
// application object, fill it after, then run the benchmarks.
class BenchDiary {
public:
    static constexpr quint32 Seed = 20261206;

    explicit BenchDiary(const QDate& endDate) : end_(endDate) {
        qputenv("TZ", "America/New_York");
        tzset();
        qputenv("QUORVEL_DATA_DIR", dir_.path().toUtf8());
        qputenv("QUORVEL_SETTINGS", (dir_.path() + "/settings.ini").toUtf8());
    }

    DiaryGenerator::Counts fill() {
        Clock::set(QDateTime(end_, QTime(9, 30)));
        return DiaryGenerator::fill(10, Seed, end_);
    }

    static int run(int argc, char** argv) {
        benchmark::Initialize(&argc, argv);
        if (benchmark::ReportUnrecognizedArguments(argc, argv))
            return 1;
        benchmark::RunSpecifiedBenchmarks();
        benchmark::Shutdown();
        return 0;
    }

private:
    QTemporaryDir dir_;
    QDate end_;
};
