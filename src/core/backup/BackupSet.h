#pragma once

#include "core/backup/DiaryContents.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

// One backup set: a folder with copies of common.db, weight.db and the settings file, and a
// manifest.json, written last, that lists every file with its size and SHA-256 digest, says
// when and why the set was made and what the diary held. A folder is named after the moment
// and the reason ("2026-12-06_093000-daily"), so the names sort as the sets were made.
class BackupSet {
public:
    enum class Kind { Daily, Manual, BeforeUpgrade, BeforeRestore };

    struct File {
        QString name;
        qint64 bytes = 0;
        QString sha256;
    };

    // The diary files every set holds, and the name the settings file takes in a set.
    static const QStringList& databases();
    static QString settingsName();
    static QString manifestName();

    // The set in the folder: one with a manifest, or a folder named as a set whose manifest
    // is missing (an incomplete set). None for any other folder.
    static std::optional<BackupSet> at(const QString& dir);
    static QString folderName(const QDateTime& created, Kind kind);

    const QString& path() const { return path_; }
    Kind kind() const { return kind_; }
    const QDateTime& created() const { return created_; }
    const DiaryContents& contents() const { return contents_; }
    const QList<File>& files() const { return files_; }
    bool hasManifest() const { return hasManifest_; }
    bool holds(const QString& file) const;
    // Made later; of two made at the same moment by the program's clock, the one written last.
    bool isNewerThan(const BackupSet& other) const;

    // A daily set kept as the one of its week once it is past the newest seven.
    bool isWeekly() const { return weekly_; }
    void setWeekly(bool weekly) { weekly_ = weekly; }

    // "6 December 2026, 09:30" in local time.
    QString title() const;
    // "Daily", "Weekly", "Manual", "Before upgrade", "Before restore".
    QString kindLabel() const;
    // What keeps the set from being restored: "is incomplete: ..." or "is damaged: ...";
    // empty when every file is there, as it was written, and a sound database.
    QString problem() const;

    // Writes the manifest of the files now in the folder.
    void writeManifest(Kind kind, const QDateTime& created, const DiaryContents& contents);

private:
    explicit BackupSet(QString path) : path_(std::move(path)) {}
    void readManifest();
    QString fileProblem(const File& file) const;

    QString path_;
    Kind kind_ = Kind::Manual;
    QDateTime created_;
    // When the folder's manifest was written, by the file system's clock.
    QDateTime written_;
    DiaryContents contents_;
    QList<File> files_;
    bool hasManifest_ = false;
    QString manifestProblem_;
    bool weekly_ = false;

    friend class BackupWriter;
};
