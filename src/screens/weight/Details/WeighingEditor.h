#pragma once

#include "screens/common/DayEntryEditor.h"
#include "screens/weight/Details/WeighingMoment.h"

namespace ui {
class Label;
}

// What the weight editor and its time editor share: a grey screen under the day bar with the
// large info label, wheels at the bottom, and the weighing's moment, whose day the arrows move
// while its time of day stays.
class WeighingEditor : public DayEntryEditor {
    Q_OBJECT
public:
    static constexpr int WheelHeight = 216;

    const WeighingMoment& moment() const { return moment_; }
    // The weighing's moment, taken as the one to keep while its day and time stay.
    void setDate(const QDateTime& date) override;
    ui::Label* infolabel() const { return infolabel_; }

protected:
    explicit WeighingEditor(QObject* parent);

    void loadView() override;
    void dayStepped(const QDateTime& date) override;
    // Shows the moment's day; then momentChanged().
    void setMoment(const WeighingMoment& moment);
    virtual void momentChanged() {}
    // Where the wheels go: across the bottom of the screen.
    static QRect wheelFrame();

private:
    WeighingMoment moment_;
    ui::Label* infolabel_ = nullptr;
};
