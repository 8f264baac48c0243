#include "screens/profile/Details/PickerEditorController.h"

#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/PixmapView.h"

namespace {

const int wheelHeight = 216;
const int labelBandTop = 40;
const int labelBandHeight = 56;
const int shadowBandHeight = 24;

QWidget* band(QWidget* parent, const QRect& frame) {
    auto* strip = new QWidget(parent);
    strip->setGeometry(frame);
    strip->setAutoFillBackground(true);
    QPalette palette = strip->palette();
    palette.setColor(QPalette::Window, ui::Metrics::tintColor());
    strip->setPalette(palette);
    return strip;
}

} // namespace

PickerEditorController::PickerEditorController(const QString& title, QObject* parent)
    : ProfileEditorController(title, parent) {
    setRightButton(QStringLiteral("Save"), [this] {
        if (hasChanged())
            store();
    });
}

void PickerEditorController::loadView() {
    auto* view = new QWidget;
    view->resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    view->setAutoFillBackground(true);
    QPalette palette = view->palette();
    palette.setColor(QPalette::Window, QColor::fromRgbF(0.8f, 0.8f, 0.8f));
    view->setPalette(palette);
    setView(view);

    QWidget* top = band(view, {0, labelBandTop, ui::Metrics::ScreenWidth, labelBandHeight});
    infolabel_ = ui::Label::make(top, top->rect(), 22, true, Qt::black, Qt::AlignCenter);
    infolabel_->setObjectName("infolabel");

    const int wheelTop = ui::Metrics::ContentHeight - wheelHeight;
    QWidget* bottom =
        band(view, {0, wheelTop - shadowBandHeight, ui::Metrics::ScreenWidth, shadowBandHeight});
    auto* shadow = new PixmapView(ControlImages::image("panel_shadow.png"), bottom);
    shadow->setGeometry(0, shadowBandHeight - 10, ui::Metrics::ScreenWidth, 10);

    QWidget* wheel = createWheel(view);
    wheel->setGeometry(0, wheelTop, ui::Metrics::ScreenWidth, wheelHeight);
}
