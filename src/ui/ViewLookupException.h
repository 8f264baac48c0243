#pragma once

#include <QString>
#include <stdexcept>

namespace ui {

// A view that a screen built itself could not be found again: a programming fault, carried
// with a name and a reason like the database failures.
class ViewLookupException : public std::runtime_error {
public:
    ViewLookupException(QString name, QString reason)
        : std::runtime_error((name + ": " + reason).toStdString()), name_(std::move(name)),
          reason_(std::move(reason)) {}

    const QString& name() const { return name_; }
    const QString& reason() const { return reason_; }

private:
    QString name_;
    QString reason_;
};

} // namespace ui
