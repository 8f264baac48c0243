#include "core/base/Clock.h"

#include <optional>

namespace {

std::optional<QDateTime>& fixedNow() {
    static std::optional<QDateTime> value;
    return value;
}

bool& envRead() {
    static bool read = false;
    return read;
}

} // namespace

QDateTime Clock::now() {
    if (!envRead()) {
        envRead() = true;
        const QString text = qEnvironmentVariable("QUORVEL_NOW");
        if (!text.isEmpty()) {
            const QDateTime parsed = QDateTime::fromString(text, Qt::ISODate);
            if (parsed.isValid())
                fixedNow() = parsed;
            else
                qWarning("QUORVEL_NOW is not an ISO 8601 time: %s", qPrintable(text));
        }
    }
    return fixedNow() ? *fixedNow() : QDateTime::currentDateTime();
}

void Clock::set(const QDateTime& fixed) {
    envRead() = true;
    fixedNow() = fixed;
}

void Clock::reset() {
    envRead() = false;
    fixedNow().reset();
}
