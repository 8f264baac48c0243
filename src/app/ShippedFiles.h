#pragma once

#include <QString>
#include <QStringList>

// The files the program ships beside itself: the four databases, and the images, of which the
// tab icons stand for the set. A start that cannot find them says where it looked, rather than
// failing on the first database or showing blank screens.
class ShippedFiles {
public:
    // The files missing from the resource folder, by their path inside it.
    static QStringList missing(const QString& resourceDir);
    static QString message(const QString& resourceDir, const QStringList& missing);
};
