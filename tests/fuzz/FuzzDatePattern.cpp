// Date texts read with the program's patterns, patterns read from outside, and the date that
// begins a stored diary row.

#include "FuzzCheck.h"
#include "core/dates/DatePattern.h"
#include "core/diary/DiaryRowDay.h"

#include <QLocale>
#include <cstdint>
#include <cstdlib>
#include <ctime>

namespace {

const QStringList& programPatterns() {
    // "Z" is left out: it writes the local offset, whatever offset it read.
    static const QStringList patterns{"yyyy-MM-dd HH:mm:ss",
                                      "yyyy-MM-dd HH:mm",
                                      "yyyy-MM-dd H:m",
                                      "yyyy-MM-dd",
                                      "MMMM yyyy",
                                      "EEE",
                                      "hh:mm aa",
                                      "W"};
    return patterns;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A zone with daylight saving, where some wall times do not exist and some exist twice.
    setenv("TZ", "America/New_York", 1);
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text = fuzzText(data, size);
    const QLocale usa(QStringLiteral("en_US"));

    // What a program pattern reads, it writes as a text that reads as the same moment.
    for (const QString& pattern : programPatterns()) {
        const QDateTime date = DatePattern::parse(text, pattern, usa);
        if (!date.isValid())
            continue;
        const QString written = DatePattern::format(date, pattern, usa);
        FUZZ_CHECK(DatePattern::parse(written, pattern, usa) == date, text + " / " + pattern);
    }

    // An offset read is one a zone can have.
    const QDateTime offset = DatePattern::parse(text, QStringLiteral("Z"), usa);
    if (offset.isValid())
        FUZZ_CHECK(std::abs(offset.secsTo(QDateTime(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC))) <=
                       18 * 3600,
                   text);

    // Before the first line break a pattern, after it a text: neither may break the reader.
    const qsizetype cut = text.indexOf(QLatin1Char('\n'));
    if (cut >= 0) {
        const QString pattern = text.left(cut);
        const QDateTime date = DatePattern::parse(text.mid(cut + 1), pattern, usa);
        if (date.isValid())
            (void)DatePattern::format(date, pattern, usa);
        (void)DatePattern::format(QDateTime(QDate(2026, 3, 8), QTime(2, 30)), pattern, usa);
    }

    // A diary row's day is the date its text begins with, or none.
    const QDate day = DiaryRowDay::storedDate(text.toUtf8());
    if (day.isValid())
        FUZZ_CHECK(text.startsWith(day.toString(QStringLiteral("yyyy-MM-dd"))), text);
    return 0;
}
