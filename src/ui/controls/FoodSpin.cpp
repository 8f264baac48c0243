#include "ui/controls/FoodSpin.h"

#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/ImageButton.h"
#include "ui/controls/SpinTextFieldDelegate.h"

#include <QFontMetrics>
#include <QLabel>
#include <charconv>

namespace {

const int buttonSize = 44;
const int captionInset = 34;
const int captionRowHeight = 24;

void setTextColor(QLabel* label, const QColor& color) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, color);
    label->setPalette(palette);
}

// The number rounded exactly as printf rounds it ("%.1f" of 2.25 is "2.2"), with a point
// whatever the process locale; QString::asprintf rounds exact halves the other way.
QString fixed(float value, int decimals) {
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, static_cast<double>(value),
                                      std::chars_format::fixed, decimals);
    return QString::fromLatin1(text, static_cast<qsizetype>(result.ptr - text));
}

const QColor numberColor = QColor::fromRgbF(0.2f, 0.1f, 0.2f);
const QColor upColor(88, 167, 69);
const QColor downColor(172, 31, 36);

} // namespace

FoodSpin::FoodSpin(const QRect& frame, bool edit, QWidget* parent)
    : QWidget(parent), valueLabel_(new QLabel(this)), valueAddLabel_(new QLabel(this)),
      unitLabel_(new QLabel(this)) {
    setGeometry(frame.x(), frame.y(), std::max(frame.width(), MinWidth),
                std::max(frame.height(), MinHeight));
    valueLabel_->setObjectName("valueLabel");
    valueLabel_->setFont(ui::Metrics::font(32));
    valueLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTextColor(valueLabel_, numberColor);
    valueAddLabel_->setObjectName("valueAddLabel");
    valueAddLabel_->setFont(ui::Metrics::font(32));
    valueAddLabel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    valueAddLabel_->hide();
    unitLabel_->setObjectName("unitLabel");
    unitLabel_->setFont(ui::Metrics::font(20));
    unitLabel_->setAlignment(Qt::AlignCenter);
    unitLabel_->setWordWrap(false);
    setTextColor(unitLabel_, numberColor);
    if (edit) {
        minus_ = new ImageButton(ControlImages::image("spin_minus.png"), ImageButton::Fit::Stretch,
                                 this);
        minus_->setObjectName("minus");
        connect(minus_, &QAbstractButton::clicked, this, &FoodSpin::decValue);
        plus_ =
            new ImageButton(ControlImages::image("spin_plus.png"), ImageButton::Fit::Stretch, this);
        plus_->setObjectName("plus");
        connect(plus_, &QAbstractButton::clicked, this, &FoodSpin::incValue);
    }
    for (QLabel* label : {valueLabel_, valueAddLabel_, unitLabel_})
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
    layoutCaption();
    setStep(1);
}

void FoodSpin::setUnit(const QString& unit) {
    unitLabel_->setText(unit);
}

void FoodSpin::setUnitCountRows(int rows) {
    const int lines = std::max(rows, 1);
    unitHeight_ = lines * captionRowHeight;
    unitLabel_->setWordWrap(lines > 1);
    layoutCaption();
    layoutNumbers();
}

void FoodSpin::setNewValue(float value) {
    valueAdd_ = 0;
    setValue(value);
}

void FoodSpin::setValue(float value) {
    value_ = value;
    const int decimals = step_ < 1 ? 1 : 0;
    if (valueAdd_ != 0) {
        valueLabel_->setText(fixed(value, decimals) + '/');
        valueAddLabel_->setText((valueAdd_ > 0 ? "+" : "") + fixed(valueAdd_, decimals));
        setTextColor(valueAddLabel_, valueAdd_ > 0 ? upColor : downColor);
        valueAddLabel_->show();
    } else {
        valueLabel_->setText(fixed(value, decimals));
        valueAddLabel_->hide();
    }
    layoutNumbers();
    if (delegate_)
        delegate_->spinValueChangedTo(this, value_);
}

void FoodSpin::incValue() {
    valueAdd_ += step_;
    setValue(value_ + step_);
}

void FoodSpin::decValue() {
    if (!(value_ > 0))
        return;
    valueAdd_ -= step_;
    setValue(value_ - step_);
    // The number stops at 0; the change keeps what the press made of it.
    if (value_ < 0)
        setValue(0);
}

void FoodSpin::resizeEvent(QResizeEvent*) {
    layoutCaption();
    layoutNumbers();
}

void FoodSpin::layoutCaption() {
    unitLabel_->setGeometry(captionInset, height() - unitHeight_, width() - 2 * captionInset,
                            unitHeight_);
    if (minus_)
        minus_->setGeometry(0, height() - buttonSize, buttonSize, buttonSize);
    if (plus_)
        plus_->setGeometry(width() - buttonSize, height() - buttonSize, buttonSize, buttonSize);
}

void FoodSpin::layoutNumbers() {
    const QFontMetrics metrics(valueLabel_->font());
    const int numberWidth = metrics.horizontalAdvance(valueLabel_->text());
    const int changeWidth =
        valueAddLabel_->isHidden() ? 0 : metrics.horizontalAdvance(valueAddLabel_->text());
    const int offset = (width() - numberWidth - changeWidth) / 2;
    const int areaHeight = unitLabel_->y();
    // The number is right-aligned up to its end, the change left-aligned from there on.
    valueLabel_->setGeometry(0, 0, offset + numberWidth, areaHeight);
    valueAddLabel_->setGeometry(offset + numberWidth, 0, width() - offset - numberWidth,
                                areaHeight);
}
