#include "ui/controls/ControlImages.h"

#include "core/base/ResetRegistry.h"
#include "ui/ImgUtil.h"

#include <QHash>

namespace {

QHash<QString, QPixmap>* cache = nullptr;

QHash<QString, QPixmap>& images() {
    if (!cache) {
        cache = new QHash<QString, QPixmap>;
        // Pixmaps must go before the application object does, so the cache is dropped on reset.
        ResetRegistry::add([] {
            delete cache;
            cache = nullptr;
        });
    }
    return *cache;
}

} // namespace

QPixmap ControlImages::image(const QString& name) {
    QHash<QString, QPixmap>& all = images();
    auto it = all.find(name);
    if (it == all.end())
        it = all.insert(name, ImgUtil::image(name));
    return it.value();
}

QBrush ControlImages::pattern(const QString& name) {
    const QPixmap tile = image(name);
    if (tile.isNull())
        return QBrush(Qt::black);
    return QBrush(tile);
}
