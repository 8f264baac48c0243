#pragma once

#include "ui/controls/QVXViewController.h"

#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QStringList>
#include <functional>

class DayBar;
class RefresherDelegate;
namespace ui {
class BarButtonItem;
class Label;
class SegmentedControl;
} // namespace ui

// The base of the screens that record one diary entry for a day (food, speedy food, exercise,
// speedy exercise, weight): "Back" and a save button in the navigation bar, the day bar at the
// top, an optional segmented row, and the end of a save (the owner refreshes, the tab goes
// back to its first screen).
//
// The day: a new entry takes the tab's day from the shared variable when it appears, and every
// change of its day is written back there, so the tab follows the editor even without a save.
// An existing entry keeps its day: its arrows are hidden and the variable is left alone, unless
// the editor lets an entry's day move (a weighing). An editor without a variable key (the
// weight editor, whose tab keeps its own date) only shows the day, and may take the arrows'
// steps in its own way.
class DayEntryEditor : public QVXViewController {
    Q_OBJECT
public:
    ~DayEntryEditor() override;

    bool isEditMode() const { return isEditMode_; }
    void setEditMode(bool editMode);
    // Told to refresh after a save; it outlives this screen.
    RefresherDelegate* owner() const { return owner_; }
    void setOwner(RefresherDelegate* owner) { owner_ = owner; }

    QDateTime date() const { return date_; }
    virtual void setDate(const QDateTime& date);
    // One calendar day on or back.
    void plusDay();
    void minusDay();

    DayBar* dayBar() const { return dayBar_; }
    ui::Label* monthLabel() const;
    ui::BarButtonItem* saveButton() const { return save_; }

    // The save button's action.
    virtual void doSave() = 0;
    // Back one screen, saving nothing.
    void doBack();

    void viewWillAppear() override;

protected:
    DayEntryEditor(bool editMode, const QString& dateKey, const QString& saveTitle,
                   QObject* parent);

    // The screen under the navigation bar with the day bar at its top; subclasses add to it.
    void loadView() override;
    // A tinted toolbar with a segmented control across the screen at y.
    ui::SegmentedControl* addSegmentedRow(const QStringList& titles, int y,
                                          const QString& caption = {}, int controlWidth = 304);
    // Keeps the day arrows of an existing entry.
    void setEntryDayMovable(bool movable);
    // An arrow moved the day: `date` is the same wall time on the new day. Taken as it is here.
    virtual void dayStepped(const QDateTime& date);
    // Writes a new entry or updates the edited one, then finishes the save.
    template <class Entry> void store(Entry& entry) {
        const auto writes = [&] {
            if (isEditMode_)
                entry.update();
            else
                entry.save();
        };
        if (written(writes))
            finishSave();
    }
    // Runs the writes of a save. When the database refuses them (a full disk, a locked or
    // read-only file) the user is told why and the screen stays as it is, with everything
    // typed, to save again; false then.
    bool written(const std::function<void()>& writes);
    // The owner refreshes and the tab returns to its first screen.
    void finishSave();
    // Makes this screen the widget's delegate until the screen goes: a view torn down after
    // its screen must not call back into it.
    template <class Widget, class Delegate> void attachDelegate(Widget* widget, Delegate* screen) {
        widget->setDelegate(screen);
        detachers_.append([guard = QPointer<Widget>(widget)] {
            if (guard)
                guard->setDelegate(nullptr);
        });
    }

private:
    bool arrowsShown() const { return !isEditMode_ || entryDayMovable_; }

    bool isEditMode_;
    bool entryDayMovable_ = false;
    QString dateKey_;
    RefresherDelegate* owner_ = nullptr;
    QDateTime date_;
    DayBar* dayBar_ = nullptr;
    ui::BarButtonItem* save_;
    QList<std::function<void()>> detachers_;
};
