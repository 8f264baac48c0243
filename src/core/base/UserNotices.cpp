#include "core/base/UserNotices.h"

#include "core/base/ProcessGlobal.h"

#include <utility>

namespace {

using Waiting = QList<UserNotices::Notice>;

} // namespace

void UserNotices::add(const QString& title, const QString& message) {
    ProcessGlobal<Waiting>::get().append({title, message});
}

QList<UserNotices::Notice> UserNotices::take() {
    return std::exchange(ProcessGlobal<Waiting>::get(), {});
}
