#include "core/backup/BackupSet.h"

#include "core/db/DBException.h"
#include "core/db/DurableFile.h"
#include "core/db/SqliteConnection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>
#include <QRegularExpression>
#include <array>

namespace {

constexpr int kFormat = 1;
const QString kNamePattern = QStringLiteral("yyyy-MM-dd_HHmmss");

struct KindName {
    BackupSet::Kind kind;
    const char* name;
    const char* label;
};
constexpr std::array<KindName, 4> kKinds = {{
    {BackupSet::Kind::Daily, "daily", "Daily"},
    {BackupSet::Kind::Manual, "manual", "Manual"},
    {BackupSet::Kind::BeforeUpgrade, "upgrade", "Before upgrade"},
    {BackupSet::Kind::BeforeRestore, "restore", "Before restore"},
}};

const KindName& kindName(BackupSet::Kind kind) {
    for (const KindName& k : kKinds)
        if (k.kind == kind)
            return k;
    return kKinds[1];
}

std::optional<BackupSet::Kind> kindNamed(const QString& name) {
    for (const KindName& k : kKinds)
        if (name == QLatin1String(k.name))
            return k.kind;
    return std::nullopt;
}

QString sha256Of(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

// The tables a file must have to be the diary file of that name.
QStringList tablesOf(const QString& database) {
    if (database == QLatin1String("weight.db"))
        return {QStringLiteral("weight")};
    return {QStringLiteral("saved_food"), QStringLiteral("saved_exercise")};
}

} // namespace

const QStringList& BackupSet::databases() {
    static const QStringList names{QStringLiteral("common.db"), QStringLiteral("weight.db")};
    return names;
}

QString BackupSet::settingsName() {
    return QStringLiteral("settings.ini");
}

QString BackupSet::manifestName() {
    return QStringLiteral("manifest.json");
}

QString BackupSet::folderName(const QDateTime& created, Kind kind) {
    return created.toLocalTime().toString(kNamePattern) + QLatin1Char('-') +
           QLatin1String(kindName(kind).name);
}

std::optional<BackupSet> BackupSet::at(const QString& dir) {
    static const QRegularExpression named(
        QStringLiteral("^(\\d{4}-\\d{2}-\\d{2}_\\d{6})-([a-z]+)(-\\d+)?$"));
    BackupSet set(QDir(dir).absolutePath());
    const QRegularExpressionMatch match = named.match(QFileInfo(dir).fileName());
    const std::optional<Kind> kind = match.hasMatch() ? kindNamed(match.captured(2)) : std::nullopt;
    if (QFileInfo::exists(QDir(dir).filePath(manifestName()))) {
        set.readManifest();
    } else if (kind) {
        set.manifestProblem_ = QStringLiteral("is incomplete: its list of files is missing");
    } else {
        return std::nullopt;
    }
    if (!set.created_.isValid() && kind) {
        set.kind_ = *kind;
        set.created_ = QDateTime::fromString(match.captured(1), kNamePattern);
    }
    if (!set.created_.isValid())
        set.created_ = QFileInfo(dir).lastModified();
    return set;
}

void BackupSet::readManifest() {
    hasManifest_ = true;
    QFile file(QDir(path_).filePath(manifestName()));
    written_ = QFileInfo(file).lastModified();
    QJsonParseError error{};
    const QJsonObject json = file.open(QIODevice::ReadOnly)
                                 ? QJsonDocument::fromJson(file.readAll(), &error).object()
                                 : QJsonObject();
    const std::optional<Kind> kind = kindNamed(json.value("kind").toString());
    const QDateTime created = QDateTime::fromString(json.value("created").toString(), Qt::ISODate);
    if (json.value("format").toInt() != kFormat || !kind || !created.isValid()) {
        manifestProblem_ = QStringLiteral("is damaged: its list of files cannot be read");
        return;
    }
    kind_ = *kind;
    created_ = created.toLocalTime();
    contents_ = DiaryContents::fromJson(json.value("contents").toObject());
    for (const QJsonValue& value : json.value("files").toArray()) {
        const QJsonObject entry = value.toObject();
        files_.append({entry.value("name").toString(),
                       static_cast<qint64>(entry.value("bytes").toDouble(-1)),
                       entry.value("sha256").toString()});
    }
}

void BackupSet::writeManifest(Kind kind, const QDateTime& created, const DiaryContents& contents) {
    kind_ = kind;
    created_ = created;
    contents_ = contents;
    files_.clear();
    QJsonArray files;
    for (const QString& name : databases() + QStringList{settingsName()}) {
        const QString path = QDir(path_).filePath(name);
        if (!QFileInfo::exists(path))
            continue;
        const File entry{name, QFileInfo(path).size(), sha256Of(path)};
        files_.append(entry);
        files.append(QJsonObject{
            {"name", entry.name}, {"bytes", double(entry.bytes)}, {"sha256", entry.sha256}});
    }
    const QJsonObject json{
        {"format", kFormat},
        {"kind", QLatin1String(kindName(kind).name)},
        {"created", created.toOffsetFromUtc(created.offsetFromUtc()).toString(Qt::ISODateWithMs)},
        {"contents", contents.toJson()},
        {"files", files}};
    const QString path = QDir(path_).filePath(manifestName());
    QFile file(path);
    const QByteArray bytes = QJsonDocument(json).toJson();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw DBException(QStringLiteral("Backup Failed"),
                          QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
    file.close();
    DurableFile::sync(path, QStringLiteral("Backup Failed"));
    written_ = QFileInfo(path).lastModified();
    hasManifest_ = true;
    manifestProblem_.clear();
}

bool BackupSet::isNewerThan(const BackupSet& other) const {
    if (created_ != other.created_)
        return created_ > other.created_;
    return written_ > other.written_;
}

bool BackupSet::holds(const QString& file) const {
    for (const File& f : files_)
        if (f.name == file)
            return true;
    return false;
}

QString BackupSet::title() const {
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(created_.toLocalTime(), QStringLiteral("d MMMM yyyy, HH:mm"));
}

QString BackupSet::kindLabel() const {
    if (weekly_)
        return QStringLiteral("Weekly");
    return QLatin1String(kindName(kind_).label);
}

QString BackupSet::fileProblem(const File& file) const {
    // Only the files a set is made of are looked at: a name from the manifest never leads
    // outside the folder.
    if (!databases().contains(file.name) && file.name != settingsName())
        return QStringLiteral("is damaged: it lists a file it cannot hold");
    const QFileInfo info(QDir(path_).filePath(file.name));
    if (!info.exists())
        return QStringLiteral("is incomplete: %1 is missing").arg(file.name);
    if (info.size() != file.bytes || sha256Of(info.filePath()) != file.sha256)
        return QStringLiteral("is damaged: %1 is not as it was written").arg(file.name);
    return QString();
}

QString BackupSet::problem() const {
    if (!manifestProblem_.isEmpty())
        return manifestProblem_;
    for (const QString& name : databases())
        if (!holds(name))
            return QStringLiteral("is incomplete: it holds no %1").arg(name);
    for (const File& file : files_)
        if (const QString problem = fileProblem(file); !problem.isEmpty())
            return problem;
    // Sound bytes can still be a damaged database when the diary already was when it was
    // copied.
    for (const QString& name : databases()) {
        try {
            SqliteConnection db(QDir(path_).filePath(name), SqliteConnection::Mode::ReadOnly, name);
            if (const QString problem = db.integrityProblem(); !problem.isEmpty())
                return QStringLiteral("is damaged: %1 fails its check (%2)").arg(name, problem);
            for (const QString& table : tablesOf(name))
                if (!db.hasTable(table))
                    return QStringLiteral("is damaged: %1 has no %2 table").arg(name, table);
        } catch (const DBException& failure) {
            return QStringLiteral("is damaged: %1 cannot be opened (%2)")
                .arg(name, failure.reason());
        }
    }
    return QString();
}
