#pragma once

#include <QWidget>

namespace ui {
class Label;
}

// One nutrient line: its name at the left, its amount at the right, each as wide as its text.
class AttributePanel : public QWidget {
    Q_OBJECT
public:
    AttributePanel(const QRect& frame, int fontSize, QWidget* parent = nullptr);

    void setName(const QString& name);
    void setValue(const QString& value);
    QString name() const;
    QString value() const;

    ui::Label* nameLabel() const { return nameLabel_; }
    ui::Label* valueLabel() const { return valueLabel_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void measure();

    ui::Label* nameLabel_;
    ui::Label* valueLabel_;
};
