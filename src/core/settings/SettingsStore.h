#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>
#include <memory>

template <class T> class ProcessGlobal;

// The persistent key-value store of the user's settings: an INI file at Paths::settingsFile()
// whose values keep their types across runs. One per process, created on first use and
// re-opened when the settings path changes; writes go to disk at once.
class SettingsStore {
public:
    static SettingsStore& instance();
    // Forgets the open file; the next use re-reads it from disk.
    static void drop();

    // Invalid when the key is absent.
    QVariant value(const QString& key);
    // Values of a type the store cannot keep are refused with a warning; returns whether stored.
    bool setValue(const QString& key, const QVariant& value);
    void remove(const QString& key);
    bool contains(const QString& key);

private:
    friend class ProcessGlobal<SettingsStore>;
    SettingsStore() = default;
    QSettings& settings();
    void open();
    void flush();

    std::unique_ptr<QSettings> settings_;
    QString path_;
};
