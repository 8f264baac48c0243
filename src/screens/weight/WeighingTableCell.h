#pragma once

#include "core/weight/Weighing.h"
#include "ui/controls/FastTableViewCell.h"

#include <optional>

// One weighing in a row: its time of day in bold, the weight on the right (not while Delete
// shows, when the note takes less room) and the note under them on one line.
class WeighingTableCell : public FastTableViewCell {
    Q_OBJECT
public:
    static constexpr int RowHeight = 43;

    explicit WeighingTableCell(const QString& reuseIdentifier, QWidget* parent = nullptr);

    const std::optional<Weighing>& info() const { return info_; }
    // Keeps the weighing and redraws.
    void setInfo(const Weighing& info);

    // The texts as drawn: the time, the weight (empty while Delete shows) and the note.
    QString timeText() const;
    QString weightText() const;
    QString noteText() const;

    void drawContentView(QPainter& painter, const QRect& rect) override;

private:
    std::optional<Weighing> info_;
};
