#pragma once

#include "ui/TableViewCell.h"

namespace ui {
class Label;
}

// A row of a catalogue menu (the food menu, the exercise menu): a name and a description line,
// styled by the kind of list: the main menu's rows with their icons, the rows of item lists over
// the cell background, and the food menu's restaurant rows.
class MenuCell : public ui::TableViewCell {
    Q_OBJECT
public:
    enum Type { MainMenu = 0, ItemList = 1, RestaurantList = 2 };

    explicit MenuCell(int type, QWidget* parent = nullptr);

    // The reuse identifier of a cell type.
    static QString keyByType(int type);

    int type() const { return type_; }
    ui::Label* nameLabel() const { return nameLabel_; }
    ui::Label* descLabel() const { return descLabel_; }
    // A row without a description shows its name in the middle.
    void setTexts(const QString& name, const QString& desc);
    // The row's icon (main menu only); a null pixmap shows none.
    void setIcon(const QPixmap& icon);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void stateChanged() override;
    void paintContent(QPainter& painter, const QRect& rect) override;

private:
    void applyColours();
    void placeLabels();
    // Whether the name is too long for one line of the width.
    bool needsTwoLines(int width) const;

    int type_;
    ui::Label* nameLabel_;
    ui::Label* descLabel_;
    QPixmap icon_;
    QString name_;
};
