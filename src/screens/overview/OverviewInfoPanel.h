#pragma once

#include <QMap>
#include <QStringList>
#include <QWidget>

class OverviewDayInfo;
namespace ui {
class Label;
}

// The strip that sums up one day against the allowance: allowed, food, burned, net and what is
// left ("Under") or exceeded ("Over"), with the day's weight beside the goal weight below them.
// It reads a day when told to and keeps no reference to it.
class OverviewInfoPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelHeight = 67;

    // Always 67 points high, whatever height the frame asks for.
    explicit OverviewInfoPanel(const QRect& frame, QWidget* parent = nullptr);

    // "Allowed:", "Food:", "Burned:", "Net:", "Under:" in display order.
    static const QStringList& keys();
    // The value label of the key at the index, or none.
    ui::Label* itemByIdx(int index) const;
    // The key label of the column at the index, or none.
    ui::Label* keyByIdx(int index) const;
    const QMap<QString, ui::Label*>& items() const { return items_; }
    ui::Label* weightvalueLabel() const { return weightvalueLabel_; }
    ui::Label* goalvalueLabel() const { return goalvalueLabel_; }

    // Fills the panel for the day; no day reads as a day with nothing logged.
    void setInfo(const OverviewDayInfo* day);

private:
    void buildColumns();
    void buildWeightBar();
    int fittingKeySize() const;

    QMap<QString, ui::Label*> items_;
    QList<ui::Label*> keyLabels_;
    ui::Label* weightvalueLabel_ = nullptr;
    ui::Label* goalvalueLabel_ = nullptr;
};
