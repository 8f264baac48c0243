#pragma once

#include <QSet>
#include <QString>

// The image names listed in data/images.txt, one a line. Every icon a catalogue names must be
// listed there, because the image drawing step makes exactly those files.
class ImageList {
public:
    // Throws std::runtime_error when the file cannot be read.
    static ImageList read(const QString& path);

    // Throws, naming `where`, when `icon` is empty or not listed.
    void require(const QString& icon, const QString& where) const;

private:
    QString path_;
    QSet<QString> names_;
};
