#include "Gallery.h"

#include "ui/DatePicker.h"
#include "ui/ImgUtil.h"
#include "ui/PickerView.h"
#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QLabel>

namespace {

using ui::PickerView;

// Portion wheels as the add-food screen shows them: whole portions and a fraction, rows painted
// with the brown text pattern.
class PortionScene : public QWidget, ui::PickerViewDataSource, ui::PickerViewDelegate {
public:
    PortionScene() {
        resize(320, 216);
        picker_ = new PickerView(this);
        picker_->setGeometry(rect());
        picker_->setShowsSelectionIndicator(true);
        picker_->setDataSource(this);
        picker_->setDelegate(this);
        picker_->selectRow(2, 0, false);
        picker_->selectRow(2, 1, false);
    }

private:
    int numberOfComponents(PickerView*) override { return 2; }
    int numberOfRows(PickerView*, int c) override { return c == 0 ? 100 : 9; }
    int widthForComponent(PickerView*, int) override { return 70; }
    QWidget* viewForRow(PickerView*, int row, int c) override {
        static const char* fractions[] = {"-",   "1/8", "1/4", "1/3", "1/2",
                                          "2/3", "3/4", "7/8", "1/5"};
        const QString text = c == 0 ? (row == 0 ? QStringLiteral("-") : QString::number(row))
                                    : QString::fromLatin1(fractions[row]);
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignCenter);
        QFont font = label->font();
        font.setBold(true);
        font.setPixelSize(22);
        label->setFont(font);
        QPalette pal = label->palette();
        pal.setBrush(QPalette::WindowText, QBrush(ImgUtil::image("font_bg.png")));
        label->setPalette(pal);
        return label;
    }

    PickerView* picker_;
};

std::unique_ptr<QWidget> datePickerScene(ui::DatePicker::Mode mode, const QDateTime& date) {
    auto picker = std::make_unique<ui::DatePicker>(mode);
    picker->resize(320, 216);
    picker->setDate(date);
    return picker;
}

} // namespace

QUORVEL_GALLERY_SCENE("picker_portions") {
    return std::make_unique<PortionScene>();
}

QUORVEL_GALLERY_SCENE("picker_time") {
    return datePickerScene(ui::DatePicker::Mode::Time, QDateTime(QDate(2026, 12, 6), QTime(7, 45)));
}

QUORVEL_GALLERY_SCENE("picker_date") {
    return datePickerScene(ui::DatePicker::Mode::Date, QDateTime(QDate(2001, 12, 6), QTime(8, 0)));
}
