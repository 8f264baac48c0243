#include "core/base/Util.h"

#include "core/base/Paths.h"
#include "core/base/ResetRegistry.h"

#include <QDir>
#include <optional>

namespace {

std::optional<QString>& cachedResourceDir() {
    static std::optional<QString> dir;
    return dir;
}

} // namespace

QString Util::bundleIdentifier() {
    return QStringLiteral("org.quorvel.Quorvel");
}

QString Util::resourcePath(const QString& name) {
    auto& dir = cachedResourceDir();
    if (!dir) {
        dir = Paths::resourceDir();
        ResetRegistry::add([] { cachedResourceDir().reset(); });
    }
    return QDir(*dir).filePath(name);
}
