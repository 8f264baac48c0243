#pragma once

#include "ui/TableViewCell.h"

namespace ui {
class Label;
}

// A profile row: a title on the left and its value, right-aligned and grey, on the right.
class WeightLossCell : public ui::TableViewCell {
    Q_OBJECT
public:
    static constexpr int RowHeight = 40;

    // The accessory also decides where the value starts: 130 points in with one, 150 without;
    // a longer value reaches further left, up to the end of the title.
    WeightLossCell(ui::AccessoryType accessory, const QString& reuseIdentifier,
                   QWidget* parent = nullptr);

    ui::Label* lbTitle() const { return lbTitle_; }
    ui::Label* lbValue() const { return lbValue_; }
    void setTexts(const QString& title, const QString& value);
    void prepareForReuse() override;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void stateChanged() override;

private:
    void applyColours();
    void layoutLabels();

    ui::Label* lbTitle_;
    ui::Label* lbValue_;
};
