#include "FoodEditorFixture.h"

#include "core/base/Clock.h"
#include "core/base/Paths.h"
#include "core/catalogue/FoodSimpleDbo.h"
#include "ui/NavigationController.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QTest>
#include <sqlite3.h>

QStringList dbRun(const QString& file, const QString& sql, bool write) {
    sqlite3* db = nullptr;
    const QString path = Paths::dataDir() + "/" + file;
    QStringList out;
    // The diary is copied into place by its first use: before that it holds no rows.
    if (!write && !QFileInfo::exists(path))
        return out;
    const int flags = write ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY;
    if (sqlite3_open_v2(path.toUtf8().constData(), &db, flags, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        ADD_FAILURE() << "cannot open " << path.toStdString();
        return out;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sqlite3_errmsg(db) << " in " << sql.toStdString();
    } else {
        while (sqlite3_step(stmt) == SQLITE_ROW) {
            QStringList columns;
            for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                columns << QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
            out << columns.join('|');
        }
    }
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return out;
}

SavedFoodPtr saveSpeedy(const QDateTime& day, int meal, float calories, const QString& name) {
    auto entry = std::make_shared<SavedFoodDbo>();
    entry->setFoodTypeId(meal);
    entry->setName(name);
    entry->setResultCalories(calories);
    entry->setDate(day);
    entry->getKindImage();
    entry->save();
    return entry;
}

void FoodEditorFixture::SetUp() {
    QuorvelTest::SetUp();
    Clock::set(at(2026, 12, 6, 9, 30));
    // The first catalogue read puts the writable copy in place.
    FoodSimpleDbo::getFoodTypes();
    addCatalogueFood(stewId, "Test stew", 250, 12, 2);
    addCatalogueFood(waterId, "Test water", 0, 1, 0);
    owner = new RecordingOwner;
    nav = std::make_unique<ui::NavigationController>(owner);
    nav->view()->resize(320, 460);
    nav->view()->show();
    QApplication::processEvents();
}

void FoodEditorFixture::TearDown() {
    if (nav)
        delete nav->view();
    nav.reset();
    QuorvelTest::TearDown();
}

void FoodEditorFixture::addCatalogueFood(int id, const QString& name, double calories, double fat,
                                         double fiber) {
    dbRun("food.db",
          QString("insert into food_items (id, name, l_name, type_id, kind_id, restaurant_id) "
                  "values (%1, '%2', '%3', 0, 0, 0)")
              .arg(id)
              .arg(name, name.toLower().remove(' ')),
          true);
    dbRun("food.db",
          QString("insert into nutrition_values (food_item_id, serving_size, serving_size_gms, "
                  "calories, total_fat, cholesterol, sodium, protein, calcium, iron, "
                  "carbohydrate_dietary_fiber, total_carbohydrate, food_points) values "
                  "(%1, '1 bowl', 300, %2, %3, 0, 0, 9, 0, 0, %4, 30, 0)")
              .arg(id)
              .arg(calories)
              .arg(fat)
              .arg(fiber),
          true);
}

void FoodEditorFixture::push(ui::ViewController* screen) {
    nav->pushViewController(screen, false);
    QApplication::processEvents();
}

void FoodEditorFixture::click(const QString& name) {
    auto* button = nav->view()->findChild<QAbstractButton*>(name);
    ASSERT_NE(button, nullptr) << name.toStdString();
    ASSERT_TRUE(button->isVisible()) << name.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}
