#include "ui/VersUtil.h"

#include "ui/TableViewCell.h"

#include <QAbstractButton>
#include <QLabel>

void VersUtil::cellSetText(ui::TableViewCell* cell, const QString& text) {
    cell->textLabel()->setText(text);
}

void VersUtil::cellSetTextColor(ui::TableViewCell* cell, const QColor& colour) {
    cell->setTextColor(colour);
}

void VersUtil::cellSetTextAligment(ui::TableViewCell* cell, Qt::Alignment alignment) {
    cell->textLabel()->setAlignment(alignment | Qt::AlignVCenter);
}

void VersUtil::cellSetFont(ui::TableViewCell* cell, const QFont& font) {
    cell->textLabel()->setFont(font);
}

void VersUtil::cellSetImage(ui::TableViewCell* cell, const QPixmap& image) {
    cell->imageView()->setPixmap(image);
    cell->layoutContent();
}

void VersUtil::buttonSetFont(QAbstractButton* button, const QFont& font) {
    button->setFont(font);
}
