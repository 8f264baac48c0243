#pragma once

#include <QString>

// One intensity an exercise offers, with its METs value.
struct ExerciseMets {
    // The effort level's key, the same for one name across the catalogue; an exercise need not
    // offer every level, so this is not always the position in the exercise's list.
    int metsID = 0;
    QString metsName;
    double mets = 0.0;
};
