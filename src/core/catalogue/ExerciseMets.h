#pragma once

#include <QString>

// One intensity an exercise offers, with its METs value.
struct ExerciseMets {
    int metsID = 0;
    QString metsName;
    double mets = 0.0;
};
