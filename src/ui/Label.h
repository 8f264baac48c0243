#pragma once

#include <QColor>
#include <QWidget>

namespace ui {

// A text in a rectangle with a font, a colour, an alignment, an optional shadow and an
// optional background; one line by default, truncated at the end when too long.
class Label : public QWidget {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);
    // The common case of the screens: a clear label at a frame, bold or plain, in a colour.
    static Label* make(QWidget* parent, const QRect& frame, int fontSize, bool bold,
                       const QColor& color, Qt::Alignment alignment = Qt::AlignLeft);

    QString text() const { return text_; }
    void setText(const QString& text);
    void setFontSize(int size, bool bold = false);
    QColor textColor() const { return color_; }
    void setTextColor(const QColor& color);
    Qt::Alignment alignment() const { return alignment_; }
    void setAlignment(Qt::Alignment alignment);
    // Transparent colour (the default) draws no background.
    void setBackgroundColor(const QColor& color);
    // An invalid colour draws no shadow.
    void setShadow(const QColor& color, QPoint offset = QPoint(0, 1));
    // 0 wraps onto as many lines as the height holds; 1 truncates at the end.
    void setNumberOfLines(int lines);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    QColor color_{Qt::black};
    QColor background_{Qt::transparent};
    QColor shadow_;
    QPoint shadowOffset_{0, 1};
    Qt::Alignment alignment_ = Qt::AlignLeft;
    int lines_ = 1;
};

} // namespace ui
