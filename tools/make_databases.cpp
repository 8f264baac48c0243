// Builds the four shipped databases from the CSV sources:
//   make_databases DATA_DIR OUT_DIR
// Each file is written under a temporary name and renamed when complete, so a failed run
// never leaves a half-built database where the application would pick it up.

#include "DiarySchemaWriter.h"
#include "ExerciseCatalogueWriter.h"
#include "FoodCatalogueWriter.h"
#include "ImageList.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <exception>
#include <functional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

void build(const QDir& out, const QString& name, const std::function<void(const QString&)>& write) {
    const QString final = out.filePath(name);
    const QString partial = final + u".part"_s;
    try {
        write(partial);
    } catch (...) {
        QFile::remove(partial);
        throw;
    }
    if (QFile::exists(final) && !QFile::remove(final))
        throw std::runtime_error(("cannot replace " + final).toStdString());
    if (!QFile::rename(partial, final))
        throw std::runtime_error(("cannot rename " + partial).toStdString());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s DATA_DIR OUT_DIR\n", argv[0]);
        return 2;
    }
    const QString dataDir = QString::fromLocal8Bit(argv[1]);
    const QDir out(QString::fromLocal8Bit(argv[2]));
    try {
        if (!out.exists() && !QDir().mkpath(out.path()))
            throw std::runtime_error(("cannot create " + out.path()).toStdString());
        const ImageList images = ImageList::read(QDir(dataDir).filePath(u"images.txt"_s));
        const FoodCatalogueWriter food(dataDir, images);
        const ExerciseCatalogueWriter exercise(dataDir, images);
        build(out, u"food.db"_s, [&](const QString& p) { food.write(p); });
        build(out, u"exercise.db"_s, [&](const QString& p) { exercise.write(p); });
        build(out, u"common.db"_s, &DiarySchemaWriter::writeCommon);
        build(out, u"weight.db"_s, &DiarySchemaWriter::writeWeight);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_databases: %s\n", e.what());
        return 1;
    }
    return 0;
}
