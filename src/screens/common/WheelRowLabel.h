#pragma once

#include <QBrush>
#include <QWidget>

// A row of the number wheels (profile values, weighings): a bold centred number painted with
// the wheels' pattern, or in grey when the row cannot be chosen.
class WheelRowLabel : public QWidget {
    Q_OBJECT
public:
    WheelRowLabel(const QString& text, bool enabled, QWidget* parent = nullptr);

    QString text() const { return text_; }
    bool isChoosable() const { return enabled_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    bool enabled_;
};
