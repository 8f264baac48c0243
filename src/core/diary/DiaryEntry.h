#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>

// What food and exercise diary entries share: the row id, the day, the name, the image, and
// how a row is inserted, rewritten and deleted in common.db. Entries live in the day models by
// shared pointer: make them with std::make_shared, since save() hands the entry itself to its
// day.
class DiaryEntry : public std::enable_shared_from_this<DiaryEntry> {
public:
    virtual ~DiaryEntry() = default;

    int dboId() const { return dboId_; }
    void setDboId(int id) { dboId_ = id; }
    const QDateTime& date() const { return date_; }
    void setDate(const QDateTime& date) { date_ = date; }
    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    // Image file name; empty for no image.
    const QString& kindImage() const { return kindImage_; }

    // Inserts a new entry (dboId 0) and records it in its recent list; in every case puts it
    // into its day. An entry that cannot be stored is refused (std::invalid_argument, or
    // std::logic_error when not held by a shared pointer) before anything is written.
    void save();
    // Rewrites the row, then puts the entry in its place within its day. A row deleted meanwhile
    // (on another screen) is not written again: the entry leaves its day in memory as well, so
    // that the screens show what is stored, and the answer is false.
    bool update();
    // Deletes the row; the day model removes the entry from memory.
    void remove();

    // Parameter texts of the insert (and, with the row id appended, of the update).
    virtual QStringList rowParams() const = 0;

protected:
    struct Statements {
        QString insert;
        QString update;
        QString remove;
    };

    DiaryEntry() = default;
    DiaryEntry(const DiaryEntry&) = default;
    DiaryEntry& operator=(const DiaryEntry&) = default;

    virtual const Statements& statements() const = 0;
    // Throws std::invalid_argument for an entry that must not be stored.
    virtual void checkStorable() const;
    virtual void recordRecent() = 0;
    virtual void placeInDay() = 0;
    virtual void replaceInDay() = 0;
    virtual void dropFromDay() = 0;

    template <class Entry> std::shared_ptr<Entry> self() {
        return std::static_pointer_cast<Entry>(shared_from_this());
    }

    QString name_;
    QString kindImage_;

private:
    void checkShared() const;

    int dboId_ = 0;
    QDateTime date_;
};
