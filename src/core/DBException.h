#pragma once

#include <QString>
#include <stdexcept>

// A database failure with the name and reason the user and the log are shown.
// The screens do not catch it; the application shell reports it and quits cleanly.
class DBException : public std::runtime_error {
public:
    DBException(QString name, QString reason)
        : std::runtime_error((name + ": " + reason).toStdString()), name_(std::move(name)),
          reason_(std::move(reason)) {}

    const QString& name() const { return name_; }
    const QString& reason() const { return reason_; }

private:
    QString name_;
    QString reason_;
};
