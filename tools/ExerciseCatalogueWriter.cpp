#include "ExerciseCatalogueWriter.h"

#include "CsvTable.h"
#include "ImageList.h"
#include "SqliteFile.h"

#include <QDir>
#include <QSet>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

const char* const schema = R"sql(
create table exercise_categories (id INTEGER PRIMARY KEY, name TEXT, icon TEXT, desc TEXT);
create table exercise_items (id INTEGER PRIMARY KEY, name TEXT, l_name TEXT,
                             exercise_category_id INTEGER);
create table intensity (intensity_s INTEGER PRIMARY KEY, name TEXT);
-- The key keeps one row per exercise and level, and its index returns an exercise's levels
-- in level order.
create table exercise_intensity (exercise_items_s INTEGER, intensity_s INTEGER, mets REAL,
                                 primary key (exercise_items_s, intensity_s));
create index exercise_items_by_category on exercise_items (exercise_category_id);
)sql";

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

} // namespace

ExerciseCatalogueWriter::ExerciseCatalogueWriter(const QString& dataDir, const ImageList& images)
    : dataDir_(dataDir), images_(images) {}

void ExerciseCatalogueWriter::write(const QString& path) const {
    SqliteFile db(path);
    db.exec(QString::fromUtf8(schema));
    const int categories = writeCategories(db);
    writeExercises(db, categories, writeIntensities(db));
    db.close();
}

int ExerciseCatalogueWriter::writeCategories(SqliteFile& db) const {
    const CsvTable table = CsvTable::read(QDir(dataDir_).filePath(u"exercise_categories.csv"_s));
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.integer(r, u"id"_s) != r + 1)
            fail(table.where(r) + u": category ids must run 1, 2, 3 in file order"_s);
        if (table.isEmpty(r, u"name"_s))
            fail(table.where(r) + u": empty name"_s);
        images_.require(table.field(r, u"icon"_s), table.where(r));
        db.run(u"insert into exercise_categories (id, name, icon, desc) values (?, ?, ?, ?)"_s,
               {r + 1, table.field(r, u"name"_s), table.field(r, u"icon"_s),
                table.field(r, u"desc"_s)});
    }
    if (table.rowCount() < 2)
        fail(u"exercise_categories.csv: needs the speedy category and at least one more"_s);
    return table.rowCount();
}

QStringList ExerciseCatalogueWriter::writeIntensities(SqliteFile& db) const {
    const CsvTable table = CsvTable::read(QDir(dataDir_).filePath(u"exercise_intensities.csv"_s));
    QStringList columns;
    for (int r = 0; r < table.rowCount(); ++r) {
        if (table.integer(r, u"id"_s) != r + 1 || table.isEmpty(r, u"name"_s))
            fail(table.where(r) + u": intensity ids must run 1, 2, 3 and have names"_s);
        db.run(u"insert into intensity (intensity_s, name) values (?, ?)"_s,
               {r + 1, table.field(r, u"name"_s)});
        columns.append(table.field(r, u"name"_s).toLower());
    }
    return columns;
}

void ExerciseCatalogueWriter::writeExercises(SqliteFile& db, int categoryCount,
                                             const QStringList& levelColumns) const {
    const CsvTable table = CsvTable::read(QDir(dataDir_).filePath(u"exercises.csv"_s));
    QSet<int> ids;
    QSet<QString> names;
    for (int r = 0; r < table.rowCount(); ++r) {
        const QString where = table.where(r);
        const int id = table.integer(r, u"id"_s);
        const int category = table.integer(r, u"category"_s);
        const QString name = table.field(r, u"name"_s);
        if (id < 1 || ids.contains(id))
            fail(where + u": exercise ids must be positive and distinct"_s);
        if (category < 2 || category > categoryCount)
            fail(where + u": category %1 is not an exercise category"_s.arg(category));
        if (name.isEmpty() || names.contains(name.toLower()))
            fail(where + u": exercise names must be given and distinct"_s);
        ids.insert(id);
        names.insert(name.toLower());
        // The exercise search compares the lower-case name with what the person typed as is.
        db.run(u"insert into exercise_items (id, name, l_name, exercise_category_id)"
               " values (?, ?, ?, ?)"_s,
               {id, name, name.toLower(), category});

        // An exercise offers the levels it has a METs value for, easiest first; the level's
        // key is its intensity id, so one name always means one effort.
        int levels = 0;
        double easier = 0.0;
        for (int level = 1; level <= levelColumns.size(); ++level) {
            const QString column = levelColumns[level - 1];
            if (table.isEmpty(r, column))
                continue;
            const double mets = table.number(r, column, 0.0);
            if (mets <= easier)
                fail(where + u": METs values must be positive and rise with the effort"_s);
            db.run(u"insert into exercise_intensity (exercise_items_s, intensity_s, mets)"
                   " values (?, ?, ?)"_s,
                   {id, level, mets});
            easier = mets;
            ++levels;
        }
        if (levels == 0)
            fail(where + u": an exercise needs at least one METs value"_s);
    }
}
