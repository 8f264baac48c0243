#include "screens/food/Details/FoodMenuSectionHeaders.h"

#include "screens/common/MenuLevel.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/PixmapView.h"

FoodMenuSectionHeaders::~FoodMenuSectionHeaders() {
    for (const QPointer<QWidget>& header : std::as_const(headers_))
        delete header.data();
}

QWidget* FoodMenuSectionHeaders::getSectionByKey(int section) {
    const QString key = QString::number(section);
    if (QWidget* known = headers_.value(key))
        return known;
    auto* header = new PixmapView(ControlImages::image(QStringLiteral("section2.png")));
    header->setObjectName(QStringLiteral("section%1").arg(key));
    header->resize(ui::Metrics::ScreenWidth, Height);
    ui::Label* label = ui::Label::make(header, QRect(10, 0, 20, Height), 16, true, Qt::white);
    label->setObjectName(QStringLiteral("letter"));
    label->setShadow(QColor(191, 191, 191), QPoint(0, 1));
    label->setText(MenuLevel::letter(section));
    headers_.insert(key, header);
    return header;
}
