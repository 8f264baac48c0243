#include "screens/common/DiarySectionHeader.h"

#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/PixmapView.h"

#include <QLabel>

QWidget* DiarySectionHeader::make(int section, const QString& name, const QString& info,
                                  const QBrush& color) {
    auto* header = new PixmapView(ControlImages::image(QStringLiteral("section2.png")));
    header->setOpacity(0.9);
    header->resize(ui::Metrics::ScreenWidth, Height);
    // A pattern colour needs a brush, which the plain label of the toolkit does not take.
    auto* label = new QLabel(QStringLiteral("%1 : %2").arg(name, info), header);
    label->setObjectName(QStringLiteral("header%1").arg(section));
    label->setGeometry(5, 2, 250, 18);
    label->setFont(ui::Metrics::font(14, true));
    QPalette palette = label->palette();
    palette.setBrush(QPalette::WindowText, color);
    label->setPalette(palette);
    return header;
}

QBrush DiarySectionHeader::color() {
    return ControlImages::pattern(QStringLiteral("font_bg.png"));
}
