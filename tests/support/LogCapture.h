#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Collects every message logged (qDebug, qWarning, ...) while it lives instead of printing it.
// Captures may nest: the inner one collects until it goes.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QStringList& lines() const { return lines_; }
    // Whether some line holds the text.
    bool contains(const QString& part) const;

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message);

    QStringList lines_;
    LogCapture* outer_;
    QtMessageHandler previous_;
};
