#include "ui/TableViewCell.h"

#include "ui/Animations.h"
#include "ui/BarPainter.h"
#include "ui/Metrics.h"

#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QVariantAnimation>

namespace ui {

namespace {
constexpr int accessoryWidth = 30;
constexpr int groupRadius = 9;
const QColor highlightTop{176, 156, 112};
const QColor highlightBottom{124, 106, 68};

QLabel* makeLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    label->setAutoFillBackground(false);
    // Inside a scroll area the inherited role would be Text; the colours below set WindowText.
    label->setForegroundRole(QPalette::WindowText);
    return label;
}
} // namespace

TableViewCell::TableViewCell(const QString& reuseIdentifier, QWidget* parent)
    : TableViewCell(CellStyle::Default, reuseIdentifier, parent) {}

TableViewCell::TableViewCell(CellStyle style, const QString& reuseIdentifier, QWidget* parent)
    : QWidget(parent), reuseIdentifier_(reuseIdentifier), style_(style) {
    // The table handles every press, drag and tap on its rows.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

TableViewCell::~TableViewCell() = default;

QLabel* TableViewCell::textLabel() {
    return textLabelIn(text_, 17, true);
}

QLabel* TableViewCell::detailTextLabel() {
    return textLabelIn(detail_, 14, false);
}

QLabel* TableViewCell::textLabelIn(QLabel*& slot, int pointSize, bool bold) {
    if (!slot) {
        slot = makeLabel(this);
        slot->setFont(Metrics::resized(slot->font(), pointSize, bold));
        applyTextColours();
        layoutContent();
        slot->show();
    }
    return slot;
}

QLabel* TableViewCell::imageView() {
    if (!image_) {
        image_ = makeLabel(this);
        image_->setAlignment(Qt::AlignCenter);
        layoutContent();
        image_->show();
    }
    return image_;
}

void TableViewCell::setTextColor(const QColor& colour) {
    textColor_ = colour;
    applyTextColours();
}

void TableViewCell::setAccessoryType(AccessoryType type) {
    accessory_ = type;
    layoutContent();
    update();
}

void TableViewCell::setBackgroundPixmap(const QPixmap& pixmap) {
    background_ = pixmap;
    update();
}

void TableViewCell::setBackgroundColor(const QColor& colour) {
    backgroundColor_ = colour;
    update();
}

void TableViewCell::setSelected(bool selected, bool animated) {
    if (fade_)
        fade_->stop();
    selected_ = selected;
    const int ms = animated ? Animations::duration(300) : 0;
    if (ms > 0 && !selected) {
        auto* fade = new QVariantAnimation(this);
        fade->setStartValue(selectionLevel_);
        fade->setEndValue(0.0);
        fade->setDuration(ms);
        connect(fade, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& v) { setSelectionLevel(v.toReal()); });
        fade_ = fade;
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    } else {
        setSelectionLevel(selected ? 1.0 : 0.0);
    }
    applyTextColours();
    stateChanged();
}

void TableViewCell::setShowingDeleteConfirmation(bool showing) {
    if (showingDelete_ == showing)
        return;
    showingDelete_ = showing;
    stateChanged();
}

void TableViewCell::prepareForReuse() {
    if (fade_)
        fade_->stop();
    selected_ = false;
    showingDelete_ = false;
    selectionLevel_ = 0;
    applyTextColours();
}

void TableViewCell::setGroupPosition(GroupPosition position) {
    groupPosition_ = position;
    update();
}

void TableViewCell::setSeparatorColor(const QColor& colour) {
    separatorColor_ = colour;
    update();
}

void TableViewCell::setSelectionLevel(qreal level) {
    selectionLevel_ = level;
    update();
}

void TableViewCell::stateChanged() {
    update();
}

void TableViewCell::paintContent(QPainter&, const QRect&) {}

QRect TableViewCell::contentRect() const {
    QRect r = rect().adjusted(0, 0, 0, -1);
    if (accessory_ != AccessoryType::None)
        r.setRight(r.right() - accessoryWidth);
    return r;
}

QPainterPath TableViewCell::outlinePath() const {
    QPainterPath path;
    const QRectF r = QRectF(rect()).adjusted(
        0.5, 0.5, -0.5,
        groupPosition_ == GroupPosition::Top || groupPosition_ == GroupPosition::Middle ? 0.5
                                                                                        : -0.5);
    const bool roundTop =
        groupPosition_ == GroupPosition::Top || groupPosition_ == GroupPosition::Single;
    const bool roundBottom =
        groupPosition_ == GroupPosition::Bottom || groupPosition_ == GroupPosition::Single;
    const qreal rt = roundTop ? groupRadius : 0;
    const qreal rb = roundBottom ? groupRadius : 0;
    path.moveTo(r.left(), r.top() + rt);
    if (rt > 0)
        path.arcTo(QRectF(r.left(), r.top(), 2 * rt, 2 * rt), 180, -90);
    path.lineTo(r.right() - rt, r.top());
    if (rt > 0)
        path.arcTo(QRectF(r.right() - 2 * rt, r.top(), 2 * rt, 2 * rt), 90, -90);
    path.lineTo(r.right(), r.bottom() - rb);
    if (rb > 0)
        path.arcTo(QRectF(r.right() - 2 * rb, r.bottom() - 2 * rb, 2 * rb, 2 * rb), 0, -90);
    path.lineTo(r.left() + rb, r.bottom());
    if (rb > 0)
        path.arcTo(QRectF(r.left(), r.bottom() - 2 * rb, 2 * rb, 2 * rb), 270, -90);
    path.closeSubpath();
    return path;
}

void TableViewCell::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const bool grouped = groupPosition_ != GroupPosition::None;
    QPainterPath shape;
    if (grouped) {
        shape = outlinePath();
        p.setClipPath(shape);
    }
    if (!background_.isNull())
        p.drawPixmap(rect(), background_);
    else if (backgroundColor_.alpha() > 0)
        p.fillRect(rect(), backgroundColor_);
    if (selectionLevel_ > 0) {
        p.setOpacity(selectionLevel_);
        p.fillRect(rect(), BarPainter::vertical(rect(), {{0, highlightTop}, {1, highlightBottom}}));
        p.setOpacity(1);
    }
    paintContent(p, contentRect());

    const QColor mark = selected_ ? QColor(Qt::white) : QColor(120, 110, 90);
    const QPointF c(width() - accessoryWidth / 2.0, height() / 2.0);
    // The Delete button takes the accessory's place while it shows.
    const AccessoryType shown = showingDelete_ ? AccessoryType::None : accessory_;
    if (shown == AccessoryType::DisclosureIndicator) {
        p.setPen(QPen(mark, 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.drawPolyline(QPolygonF({c + QPointF(-3, -5), c + QPointF(2, 0), c + QPointF(-3, 5)}));
    } else if (shown == AccessoryType::Checkmark) {
        p.setPen(QPen(selected_ ? QColor(Qt::white) : QColor(64, 86, 134), 2.5, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({c + QPointF(-6, 0), c + QPointF(-2, 5), c + QPointF(6, -6)}));
    }
    p.setClipping(false);
    if (grouped) {
        p.setPen(QPen(separatorColor_, 1));
        p.setBrush(Qt::NoBrush);
        p.drawPath(shape);
    } else {
        p.setPen(QPen(separatorColor_, 1));
        p.drawLine(QPointF(0, height() - 0.5), QPointF(width(), height() - 0.5));
    }
}

void TableViewCell::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutContent();
}

void TableViewCell::layoutContent() {
    const QRect r = contentRect();
    int x = r.left() + 10;
    if (image_ && image_->pixmap().isNull() == false) {
        const QSize s = image_->pixmap().deviceIndependentSize().toSize();
        image_->setGeometry(x - 2, r.top() + (r.height() - s.height()) / 2, s.width(), s.height());
        x += s.width() + 8;
    } else if (image_) {
        image_->setGeometry(0, 0, 0, 0);
    }
    const int w = std::max(0, r.right() - x - 4);
    if (style_ == CellStyle::Subtitle && detail_) {
        const int half = r.height() / 2;
        if (text_)
            text_->setGeometry(x, r.top() + 3, w, half - 3);
        detail_->setGeometry(x, r.top() + half, w, half - 3);
    } else {
        if (text_)
            text_->setGeometry(x, r.top(), w, r.height());
        if (detail_)
            detail_->setGeometry(x, r.top(), w, r.height());
    }
}

void TableViewCell::applyTextColours() {
    auto paint = [this](QLabel* label, const QColor& colour) {
        if (!label)
            return;
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, selected_ ? QColor(Qt::white) : colour);
        label->setPalette(pal);
    };
    paint(text_, textColor_);
    paint(detail_, detailColor_);
}

} // namespace ui
