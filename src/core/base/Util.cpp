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

void Util::dictAddObject(QVariantMap& dict, const QVariant& object, const QString& key) {
    if (object.isValid())
        dict.insert(key, object);
}

QVColor Util::colorWithRGB(int r, int g, int b) {
    return QVColor{r, g, b, 1.0};
}

QVColor Util::colorWithRGBA(int r, int g, int b, double a) {
    return QVColor{r, g, b, a};
}
