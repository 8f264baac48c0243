#include "CsvTable.h"

#include <QFile>
#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

[[noreturn]] void fail(const QString& message) {
    throw std::runtime_error(message.toStdString());
}

// Splits one record starting at `pos`; advances `pos` past its line end and counts the lines
// it spans (a quoted field may hold a line break).
QStringList nextRecord(const QString& text, qsizetype& pos, int& line, const QString& source) {
    QStringList fields;
    QString field;
    bool quoted = false;
    bool wasQuoted = false;
    const int startLine = line;
    while (pos < text.size()) {
        const QChar c = text.at(pos++);
        if (quoted) {
            if (c == u'"') {
                if (pos < text.size() && text.at(pos) == u'"') {
                    field += u'"';
                    ++pos;
                } else {
                    quoted = false;
                }
            } else {
                if (c == u'\n')
                    ++line;
                field += c;
            }
        } else if (c == u'"') {
            if (!field.isEmpty() || wasQuoted)
                fail(u"%1:%2: stray quote"_s.arg(source).arg(startLine));
            quoted = true;
            wasQuoted = true;
        } else if (c == u',') {
            fields << field;
            field.clear();
            wasQuoted = false;
        } else if (c == u'\n') {
            ++line;
            fields << field;
            return fields;
        } else if (c != u'\r') {
            if (wasQuoted)
                fail(u"%1:%2: text after a closing quote"_s.arg(source).arg(startLine));
            field += c;
        }
    }
    if (quoted)
        fail(u"%1:%2: unterminated quote"_s.arg(source).arg(startLine));
    fields << field;
    return fields;
}

} // namespace

CsvTable CsvTable::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(u"cannot read %1: %2"_s.arg(path, file.errorString()));
    return parse(QString::fromUtf8(file.readAll()), path);
}

CsvTable CsvTable::parse(const QString& text, const QString& sourceName) {
    CsvTable table;
    table.source_ = sourceName;
    qsizetype pos = 0;
    int line = 1;
    const QStringList header = nextRecord(text, pos, line, sourceName);
    for (int i = 0; i < header.size(); ++i) {
        if (header[i].isEmpty() || table.columns_.contains(header[i]))
            fail(u"%1:1: empty or repeated column name"_s.arg(sourceName));
        table.columns_.insert(header[i], i);
    }
    while (pos < text.size()) {
        const int startLine = line;
        QStringList fields = nextRecord(text, pos, line, sourceName);
        if (fields.size() == 1 && fields[0].isEmpty())
            continue; // blank line
        if (fields.size() != header.size())
            fail(u"%1:%2: %3 fields, the header has %4"_s.arg(sourceName)
                     .arg(startLine)
                     .arg(fields.size())
                     .arg(header.size()));
        table.rows_.push_back(std::move(fields));
        table.lines_.push_back(startLine);
    }
    return table;
}

int CsvTable::columnIndex(const QString& column) const {
    const auto it = columns_.constFind(column);
    if (it == columns_.constEnd())
        fail(u"%1: no column \"%2\""_s.arg(source_, column));
    return it.value();
}

QString CsvTable::field(int row, const QString& column) const {
    return rows_.at(static_cast<size_t>(row)).at(columnIndex(column));
}

double CsvTable::number(int row, const QString& column, double empty) const {
    const QString text = field(row, column);
    if (text.isEmpty())
        return empty;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        fail(u"%1: \"%2\" is not a number (%3)"_s.arg(where(row), text, column));
    return value;
}

int CsvTable::integer(int row, const QString& column) const {
    const QString text = field(row, column);
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok)
        fail(u"%1: \"%2\" is not a whole number (%3)"_s.arg(where(row), text, column));
    return value;
}

QString CsvTable::where(int row) const {
    return u"%1:%2"_s.arg(source_).arg(lines_.at(static_cast<size_t>(row)));
}
