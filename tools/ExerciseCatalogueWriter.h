#pragma once

#include <QString>
#include <QStringList>

class ImageList;
class SqliteFile;

// Builds exercise.db from data/exercise_categories.csv, data/exercise_intensities.csv and
// data/exercises.csv. The diary relies on what this checks: category ids 1..N without gaps
// (category 1 holds the speedy entries and no exercise). Each exercise offers one or more of the
// effort levels (one METs column each, named after the level), easiest first, METs rising; a
// level's key is its intensity id, so it is not always the level's position in the list.
class ExerciseCatalogueWriter {
public:
    ExerciseCatalogueWriter(const QString& dataDir, const ImageList& images);

    // Throws std::runtime_error on bad data or a database failure.
    void write(const QString& path) const;

private:
    int writeCategories(SqliteFile& db) const;
    // The intensity names in id order, lower-cased: the METs columns of exercises.csv.
    QStringList writeIntensities(SqliteFile& db) const;
    void writeExercises(SqliteFile& db, int categoryCount, const QStringList& levelColumns) const;

    QString dataDir_;
    const ImageList& images_;
};
