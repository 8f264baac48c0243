#pragma once

#include <QString>
#include <QtGlobal>

// One row of the weight table: a weight in kilograms at a moment, with the user's note.
class Weighing {
public:
    // A new weighing starts without a note.
    Weighing(int wId, qint64 time, float weight) : wId_(wId), time_(time), weight_(weight) {}

    int wId() const { return wId_; }
    // Seconds since 1970.
    qint64 time() const { return time_; }
    float weight() const { return weight_; }
    const QString& note() const { return note_; }
    void setNote(const QString& note) { note_ = note; }

private:
    int wId_;
    qint64 time_;
    float weight_;
    QString note_;
};
