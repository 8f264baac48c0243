#include "screens/common/MenuCell.h"

#include "ui/Label.h"
#include "ui/Metrics.h"

#include <QPainter>
#include <QTextLayout>

namespace {

constexpr int iconSize = 32;
constexpr int textLeft = 10;
constexpr int textRight = 8;
constexpr int deleteRoom = 80;
constexpr int tallRow = 60;
const QColor lightGrey(153, 153, 153);

// The text broken into at most two lines of the width, the second cut short with an ellipsis.
QString twoLines(const QString& text, const QFont& font, int width) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine first = layout.createLine();
    if (!first.isValid()) {
        layout.endLayout();
        return text;
    }
    first.setLineWidth(width);
    const int rest = first.textStart() + first.textLength();
    layout.endLayout();
    if (rest >= text.size())
        return text;
    const QString tail = QFontMetrics(font).elidedText(text.mid(rest), Qt::ElideRight, width);
    return text.left(rest).trimmed() + QLatin1Char('\n') + tail;
}

} // namespace

MenuCell::MenuCell(int type, QWidget* parent)
    : ui::TableViewCell(keyByType(type), parent), type_(type), nameLabel_(new ui::Label(this)),
      descLabel_(new ui::Label(this)) {
    nameLabel_->setObjectName(QStringLiteral("nameLabel"));
    descLabel_->setObjectName(QStringLiteral("descLabel"));
    nameLabel_->setFontSize(type == RestaurantList ? 16 : 14, type == MainMenu);
    descLabel_->setFontSize(13);
    descLabel_->setVisible(type != RestaurantList);
    applyColours();
}

QString MenuCell::keyByType(int type) {
    switch (type) {
    case MainMenu:
        return QStringLiteral("main-menu-cell");
    case ItemList:
        return QStringLiteral("food-list-cell");
    case RestaurantList:
        return QStringLiteral("rest-list-cell");
    default:
        return QStringLiteral("other-cell");
    }
}

void MenuCell::setTexts(const QString& name, const QString& desc) {
    name_ = name;
    descLabel_->setText(desc);
    placeLabels();
}

void MenuCell::setIcon(const QPixmap& icon) {
    icon_ = icon;
    placeLabels();
    update();
}

void MenuCell::resizeEvent(QResizeEvent* event) {
    ui::TableViewCell::resizeEvent(event);
    placeLabels();
}

void MenuCell::placeLabels() {
    const QRect area = contentRect();
    const int left = area.left() + (icon_.isNull() ? textLeft : textLeft + iconSize + 8);
    // The Delete button takes the right end of the row while it shows.
    const int right = area.right() - (showingDeleteConfirmation() ? deleteRoom : textRight);
    const int width = std::max(0, right - left);
    nameLabel_->setNumberOfLines(1);
    nameLabel_->setText(name_);
    if (type_ == RestaurantList || descLabel_->text().isEmpty()) {
        nameLabel_->setGeometry(left, 0, width, area.height());
        descLabel_->setGeometry(left, area.height(), width, 0);
        return;
    }
    // Name and description sit as one block in the middle of the row; a long item name takes a
    // second line where the row is tall enough, so that similar names stay apart.
    const bool wrap = type_ == ItemList && area.height() >= tallRow;
    const int nameHeight = wrap && needsTwoLines(width) ? 36 : 18;
    const int descHeight = 16;
    const int top = (area.height() - nameHeight - descHeight) / 2;
    if (nameHeight > 18) {
        nameLabel_->setNumberOfLines(0);
        nameLabel_->setText(twoLines(name_, nameLabel_->font(), width));
    }
    nameLabel_->setGeometry(left, top, width, nameHeight);
    descLabel_->setGeometry(left, top + nameHeight, width, descHeight);
}

bool MenuCell::needsTwoLines(int width) const {
    return QFontMetrics(nameLabel_->font()).horizontalAdvance(name_) > width;
}

void MenuCell::stateChanged() {
    applyColours();
    placeLabels();
    ui::TableViewCell::stateChanged();
}

void MenuCell::applyColours() {
    const bool selected = isSelected();
    nameLabel_->setTextColor(selected ? Qt::white : Qt::black);
    const QColor desc = type_ == MainMenu ? lightGrey : ui::Metrics::figureColor();
    descLabel_->setTextColor(selected ? Qt::white : desc);
}

void MenuCell::paintContent(QPainter& painter, const QRect& rect) {
    if (icon_.isNull())
        return;
    const QRect target(rect.left() + textLeft, rect.top() + (rect.height() - iconSize) / 2,
                       iconSize, iconSize);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(target, icon_);
}
