#pragma once

#include <QString>
#include <stdexcept>
#include <utility>

// A failure carried with a short name and a reason, for the user and the log; what() joins
// the two as "name: reason".
class NamedException : public std::runtime_error {
public:
    NamedException(QString name, QString reason)
        : std::runtime_error((name + ": " + reason).toStdString()), name_(std::move(name)),
          reason_(std::move(reason)) {}

    const QString& name() const { return name_; }
    const QString& reason() const { return reason_; }

private:
    QString name_;
    QString reason_;
};
