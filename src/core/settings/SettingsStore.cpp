#include "core/settings/SettingsStore.h"

#include "core/base/Paths.h"
#include "core/base/ResetRegistry.h"
#include "core/settings/SettingsCodec.h"

#include <QStringList>

namespace {

std::unique_ptr<SettingsStore>& storeSlot() {
    static std::unique_ptr<SettingsStore> store;
    return store;
}

} // namespace

SettingsStore& SettingsStore::instance() {
    auto& slot = storeSlot();
    if (!slot) {
        slot.reset(new SettingsStore());
        ResetRegistry::add(&SettingsStore::drop);
    }
    return *slot;
}

void SettingsStore::drop() {
    storeSlot().reset();
}

QSettings& SettingsStore::settings() {
    const QString path = Paths::settingsFile();
    if (!settings_ || path != path_) {
        path_ = path;
        settings_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    }
    return *settings_;
}

QVariant SettingsStore::value(const QString& key) {
    const QVariant raw = settings().value(key);
    if (!raw.isValid())
        return {};
    // A hand-edited value with commas comes back as a list of parts.
    if (raw.metaType().id() == QMetaType::QStringList)
        return raw.toStringList().join(QStringLiteral(", "));
    return SettingsCodec::decode(raw.toString());
}

bool SettingsStore::setValue(const QString& key, const QVariant& value) {
    if (!value.isValid()) {
        remove(key);
        return true;
    }
    const QString encoded = SettingsCodec::encode(value);
    if (encoded.isEmpty()) {
        qWarning("Setting \"%s\" not stored: values of type %s cannot be kept", qPrintable(key),
                 value.metaType().name());
        return false;
    }
    settings().setValue(key, encoded);
    flush();
    return true;
}

void SettingsStore::remove(const QString& key) {
    settings().remove(key);
    flush();
}

bool SettingsStore::contains(const QString& key) {
    return settings().contains(key);
}

void SettingsStore::flush() {
    settings_->sync();
    if (settings_->status() != QSettings::NoError)
        qWarning("Settings could not be written to %s", qPrintable(path_));
}
