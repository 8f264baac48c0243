#include "core/base/AppVars.h"

#include "core/base/ResetRegistry.h"

#include <memory>

namespace {

std::unique_ptr<QVariantMap>& varsSlot() {
    static std::unique_ptr<QVariantMap> vars;
    return vars;
}

} // namespace

QVariantMap& AppVars::getVars() {
    auto& slot = varsSlot();
    if (!slot) {
        slot = std::make_unique<QVariantMap>();
        ResetRegistry::add([] { varsSlot().reset(); });
    }
    return *slot;
}
