#include "core/base/AppVars.h"

#include "core/base/ProcessGlobal.h"

namespace {

// Its own type, so that no other process-wide map is taken for it.
struct Vars {
    QVariantMap map;
};

} // namespace

QVariantMap& AppVars::getVars() {
    return ProcessGlobal<Vars>::get().map;
}
