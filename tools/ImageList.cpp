#include "ImageList.h"

#include <QFile>
#include <stdexcept>

using namespace Qt::StringLiterals;

ImageList ImageList::read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error(
            u"cannot read %1: %2"_s.arg(path, file.errorString()).toStdString());
    ImageList list;
    list.path_ = path;
    const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
    for (const QString& line : lines) {
        const QString name = line.trimmed();
        if (!name.isEmpty())
            list.names_.insert(name);
    }
    return list;
}

void ImageList::require(const QString& icon, const QString& where) const {
    if (icon.isEmpty() || !names_.contains(icon))
        throw std::runtime_error(
            u"%1: icon \"%2\" is not listed in %3"_s.arg(where, icon, path_).toStdString());
}
