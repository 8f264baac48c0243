#include "support/LogCapture.h"

#include <algorithm>

namespace {
LogCapture* current = nullptr;
} // namespace

LogCapture::LogCapture() : outer_(current) {
    current = this;
    previous_ = qInstallMessageHandler(&LogCapture::handle);
}

LogCapture::~LogCapture() {
    qInstallMessageHandler(previous_);
    current = outer_;
}

void LogCapture::handle(QtMsgType, const QMessageLogContext&, const QString& message) {
    current->lines_ << message;
}

bool LogCapture::contains(const QString& part) const {
    return std::any_of(lines_.begin(), lines_.end(),
                       [&](const QString& line) { return line.contains(part); });
}
