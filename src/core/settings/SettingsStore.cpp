#include "core/settings/SettingsStore.h"

#include "core/base/Paths.h"
#include "core/base/ProcessGlobal.h"
#include "core/settings/SettingsCodec.h"

#include <QFile>
#include <QSaveFile>
#include <QStringList>

SettingsStore& SettingsStore::instance() {
    return ProcessGlobal<SettingsStore>::get();
}

void SettingsStore::drop() {
    ProcessGlobal<SettingsStore>::drop();
}

QSettings& SettingsStore::settings() {
    const QString path = Paths::settingsFile();
    if (!settings_ || path != path_) {
        path_ = path;
        open();
    }
    return *settings_;
}

void SettingsStore::open() {
    QFile file(path_);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        file.close();
        const QByteArray utf8 = SettingsCodec::fileAsUtf8(bytes);
        if (utf8 != bytes) {
            QSaveFile repaired(path_);
            if (repaired.open(QIODevice::WriteOnly) && repaired.write(utf8) == utf8.size() &&
                repaired.commit())
                qWarning("Settings file %s held lines that are not UTF-8; they were read as "
                         "Latin-1",
                         qPrintable(path_));
        }
    }
    settings_ = std::make_unique<QSettings>(path_, QSettings::IniFormat);
    // The file is read at the first access; its status is known only after that.
    (void)settings_->allKeys();
    if (settings_->status() == QSettings::FormatError)
        qWarning("Settings file %s has lines that cannot be read; they are left out",
                 qPrintable(path_));
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
    if (settings_->status() == QSettings::FormatError) {
        // A line that could not be read at open leaves this status for good, and it hides
        // whether the write went through. A written file no longer has that line, so a fresh
        // read of it is clean; then that reader takes over.
        auto fresh = std::make_unique<QSettings>(path_, QSettings::IniFormat);
        if (fresh->status() == QSettings::NoError) {
            settings_ = std::move(fresh);
            return;
        }
    }
    if (settings_->status() != QSettings::NoError)
        qWarning("Settings could not be written to %s", qPrintable(path_));
}
