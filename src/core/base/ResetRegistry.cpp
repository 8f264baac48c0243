#include "core/base/ResetRegistry.h"

#include <vector>

namespace {

std::vector<std::function<void()>>& resets() {
    static std::vector<std::function<void()>> list;
    return list;
}

} // namespace

void ResetRegistry::add(std::function<void()> reset) {
    resets().push_back(std::move(reset));
}

void ResetRegistry::resetAll() {
    // A reset may create nothing new, but it must not see itself twice: take the list first.
    std::vector<std::function<void()>> list;
    list.swap(resets());
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        (*it)();
}
