#include "core/backup/DiaryContents.h"

#include "core/db/SqliteConnection.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>

namespace {

const QString kFailure = QStringLiteral("Cannot read the diary");

QLocale english() {
    return QLocale(QLocale::English, QLocale::UnitedStates);
}

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(english().toString(n),
                                       QString::fromLatin1(n == 1 ? one : many));
}

// The first value of a statement over a table, or nothing when the file has no such table.
QString valueFrom(SqliteConnection& db, const QString& table, const QString& sql) {
    return db.hasTable(table) ? db.column(sql).value(0) : QString();
}

} // namespace

DiaryContents DiaryContents::read(const QString& commonPath, const QString& weightPath) {
    DiaryContents contents;
    if (QFileInfo::exists(commonPath)) {
        SqliteConnection common(commonPath, SqliteConnection::Mode::ReadOnly, kFailure);
        const QString food = QStringLiteral("saved_food");
        const QString exercise = QStringLiteral("saved_exercise");
        contents.food = valueFrom(common, food, "select count(*) from saved_food").toInt();
        contents.exercises =
            valueFrom(common, exercise, "select count(*) from saved_exercise").toInt();
        // Diary dates are local "yyyy-MM-dd HH:mm:ss" texts: their first ten characters are
        // the day, and such texts sort as the days do.
        for (const QString& table : {food, exercise}) {
            const QDate day = QDate::fromString(
                valueFrom(common, table,
                          QStringLiteral("select max(substr(date, 1, 10)) from %1").arg(table)),
                Qt::ISODate);
            if (day.isValid() && day > contents.lastEntry)
                contents.lastEntry = day;
        }
    }
    if (QFileInfo::exists(weightPath)) {
        SqliteConnection weight(weightPath, SqliteConnection::Mode::ReadOnly, kFailure);
        const QString table = QStringLiteral("weight");
        contents.weighings = valueFrom(weight, table, "select count(*) from weight").toInt();
        const QString last = valueFrom(weight, table, "select max(date) from weight");
        if (!last.isEmpty()) {
            const QDate day = QDateTime::fromSecsSinceEpoch(last.toLongLong()).date();
            if (day > contents.lastEntry)
                contents.lastEntry = day;
        }
    }
    return contents;
}

QStringList DiaryContents::counts() const {
    return {counted(food, "food entry", "food entries"),
            counted(exercises, "exercise", "exercises"),
            counted(weighings, "weighing", "weighings")};
}

QString DiaryContents::countsText() const {
    const QStringList parts = counts();
    return QStringLiteral("%1, %2 and %3").arg(parts[0], parts[1], parts[2]);
}

QString DiaryContents::text() const {
    QString text = counts().join(QStringLiteral(", "));
    if (lastEntry.isValid())
        text += QStringLiteral(", last entry ") +
                english().toString(lastEntry, QStringLiteral("d MMMM yyyy"));
    return text;
}

QJsonObject DiaryContents::toJson() const {
    QJsonObject json{{"food", food}, {"exercises", exercises}, {"weighings", weighings}};
    if (lastEntry.isValid())
        json.insert("lastEntry", lastEntry.toString(Qt::ISODate));
    return json;
}

DiaryContents DiaryContents::fromJson(const QJsonObject& json) {
    DiaryContents contents;
    contents.food = json.value("food").toInt();
    contents.exercises = json.value("exercises").toInt();
    contents.weighings = json.value("weighings").toInt();
    contents.lastEntry = QDate::fromString(json.value("lastEntry").toString(), Qt::ISODate);
    return contents;
}
