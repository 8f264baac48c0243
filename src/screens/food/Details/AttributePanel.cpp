#include "screens/food/Details/AttributePanel.h"

#include "ui/Label.h"

#include <QFontMetrics>

AttributePanel::AttributePanel(const QRect& frame, int fontSize, QWidget* parent)
    : QWidget(parent),
      nameLabel_(ui::Label::make(this, QRect(), fontSize, false, QColor(60, 50, 60))),
      valueLabel_(
          ui::Label::make(this, QRect(), fontSize, true, QColor(60, 50, 60), Qt::AlignRight)) {
    nameLabel_->setObjectName("nameLabel");
    valueLabel_->setObjectName("valueLabel");
    setGeometry(frame);
    measure();
}

void AttributePanel::setName(const QString& name) {
    nameLabel_->setText(name);
    measure();
}

void AttributePanel::setValue(const QString& value) {
    valueLabel_->setText(value);
    measure();
}

QString AttributePanel::name() const {
    return nameLabel_->text();
}

QString AttributePanel::value() const {
    return valueLabel_->text();
}

void AttributePanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    measure();
}

void AttributePanel::measure() {
    const int nameWidth = QFontMetrics(nameLabel_->font()).horizontalAdvance(nameLabel_->text());
    const int valueWidth = QFontMetrics(valueLabel_->font()).horizontalAdvance(valueLabel_->text());
    nameLabel_->setGeometry(0, 0, std::min(nameWidth + 1, width()), height());
    const int w = std::min(valueWidth + 1, width());
    valueLabel_->setGeometry(width() - w, 0, w, height());
}
