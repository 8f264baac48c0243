#pragma once

#include <QString>

class ImageList;
class SqliteFile;

// Builds exercise.db from data/exercise_categories.csv, data/exercise_intensities.csv and
// data/exercises.csv. The diary relies on what this checks: category ids 1..N without gaps
// (category 1 holds the speedy entries and no exercise), and each exercise offering intensities
// 1, 2, 3 in that order, so an intensity's key is also its position in the exercise's list.
class ExerciseCatalogueWriter {
public:
    ExerciseCatalogueWriter(const QString& dataDir, const ImageList& images);

    // Throws std::runtime_error on bad data or a database failure.
    void write(const QString& path) const;

private:
    int writeCategories(SqliteFile& db) const;
    int writeIntensities(SqliteFile& db) const;
    void writeExercises(SqliteFile& db, int categoryCount, int intensityCount) const;

    QString dataDir_;
    const ImageList& images_;
};
