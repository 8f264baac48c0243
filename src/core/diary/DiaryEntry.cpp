#include "core/diary/DiaryEntry.h"

#include "core/db/DBManager.h"
#include "core/db/QVUtil.h"
#include "core/text/ConvertUtil.h"

#include <stdexcept>

void DiaryEntry::checkStorable() const {
    if (!date_.isValid())
        throw std::invalid_argument("A diary entry needs a date before it is stored.");
}

void DiaryEntry::checkShared() const {
    if (weak_from_this().expired())
        throw std::logic_error("A diary entry must be held by a shared pointer to be stored.");
}

void DiaryEntry::save() {
    checkStorable();
    checkShared();
    if (dboId_ == 0) {
        // The entry and its place in the recent list go in together: a failed write leaves no
        // half-saved entry that a second try would store twice.
        DBManager& db = QVUtil::commonDbc();
        int id = 0;
        db.inTransaction([&] {
            id = int(db.insertStmt(statements().insert, rowParams()));
            recordRecent();
        });
        dboId_ = id;
    }
    placeInDay();
}

bool DiaryEntry::update() {
    checkStorable();
    checkShared();
    QStringList params = rowParams();
    params.append(ConvertUtil::int2str(dboId_));
    if (QVUtil::commonDbc().executeImmediate(statements().update, params) == 0) {
        dropFromDay();
        return false;
    }
    replaceInDay();
    return true;
}

void DiaryEntry::remove() {
    QVUtil::commonDbc().executeImmediate(statements().remove, {ConvertUtil::int2str(dboId_)});
}
