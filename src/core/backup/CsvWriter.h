#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Text in the comma-separated form of RFC 4180: UTF-8, CRLF after every record, and a field
// holding a comma, a quote or a line break put in quotes with its quotes doubled, so any name
// or note comes back as it was typed.
class CsvWriter {
public:
    explicit CsvWriter(const QStringList& header) { row(header); }
    void row(const QStringList& fields);
    // Writes the whole file or, on failure, leaves the old one; false with the reason.
    bool save(const QString& path, QString* error) const;
    static QString field(const QString& text);

private:
    QByteArray data_;
};
