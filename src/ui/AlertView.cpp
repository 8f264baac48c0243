#include "ui/AlertView.h"

#include "core/base/ResetRegistry.h"
#include "ui/BarPainter.h"
#include "ui/Metrics.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QList>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <memory>

namespace ui {

namespace {

constexpr int kPanelWidth = 284;
constexpr int kInset = 12;
constexpr int kButtonHeight = 43;

std::unique_ptr<QList<QPointer<AlertView>>>& openAlertsSlot() {
    static std::unique_ptr<QList<QPointer<AlertView>>> slot;
    return slot;
}

QList<QPointer<AlertView>>& openAlerts() {
    auto& slot = openAlertsSlot();
    if (!slot) {
        slot = std::make_unique<QList<QPointer<AlertView>>>();
        // Alerts left open by one test must not be found by the next.
        ResetRegistry::add([] {
            std::unique_ptr<QList<QPointer<AlertView>>> open = std::move(openAlertsSlot());
            for (const QPointer<AlertView>& a : *open)
                delete a.data();
        });
    }
    return *slot;
}

QWidget* defaultHost() {
    if (QWidget* active = QApplication::activeWindow())
        return active;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<AlertView*>(w))
            return w;
    return nullptr;
}

} // namespace

AlertView::AlertView(const QString& title, const QString& message, const QString& buttonTitle)
    : QWidget(nullptr), panel_(new QWidget(this)), title_(new QLabel(title, panel_)),
      scroll_(new QScrollArea(panel_)), message_(new QLabel(message)),
      button_(new QPushButton(buttonTitle, panel_)) {
    setObjectName(QStringLiteral("alert"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFocusPolicy(Qt::StrongFocus);
    panel_->setObjectName(QStringLiteral("alertPanel"));

    QFont titleFont;
    titleFont.setPixelSize(17);
    titleFont.setBold(true);
    title_->setFont(titleFont);
    title_->setObjectName(QStringLiteral("alertTitle"));
    QFont messageFont;
    messageFont.setPixelSize(15);
    message_->setFont(messageFont);
    message_->setObjectName(QStringLiteral("alertMessage"));
    for (QLabel* l : {title_, message_}) {
        l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        l->setWordWrap(true);
        l->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    }
    scroll_->setWidget(message_);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll_->setStyleSheet(QStringLiteral(
        "QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"
        "QScrollBar:vertical { background: transparent; width: 5px; margin: 0; }"
        "QScrollBar::handle:vertical { background: rgba(255,255,255,120); border-radius: 2px;"
        " min-height: 20px; }"
        "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }"
        "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }"));
    scroll_->viewport()->setAutoFillBackground(false);

    button_->setObjectName(buttonTitle);
    button_->setDefault(true);
    button_->setCursor(Qt::PointingHandCursor);
    QFont buttonFont;
    buttonFont.setPixelSize(17);
    buttonFont.setBold(true);
    button_->setFont(buttonFont);
    button_->setStyleSheet(QStringLiteral(
        "QPushButton { color: white; border: 1px solid rgba(255,255,255,150); border-radius: 8px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgba(255,255,255,110),"
        " stop:0.5 rgba(255,255,255,45), stop:0.51 rgba(255,255,255,20), stop:1"
        " rgba(255,255,255,40)); }"
        "QPushButton:pressed { background: rgba(0,0,0,60); }"
        "QPushButton:focus { border: 2px solid white; }"));
    connect(button_, &QPushButton::clicked, this, &AlertView::dismiss);
}

AlertView::~AlertView() {
    if (const auto& open = openAlertsSlot())
        open->removeAll(this);
}

QString AlertView::title() const {
    return title_->text();
}

QString AlertView::message() const {
    return message_->text();
}

QString AlertView::buttonTitle() const {
    return button_->text();
}

AlertView* AlertView::current() {
    QList<QPointer<AlertView>>& open = openAlerts();
    open.removeAll(nullptr);
    return open.isEmpty() ? nullptr : open.last().data();
}

void AlertView::show() {
    showIn(defaultHost());
}

void AlertView::showIn(QWidget* host) {
    host_ = host;
    previousFocus_ = QApplication::focusWidget();
    if (host) {
        setParent(host);
        setGeometry(host->rect());
        host->installEventFilter(this);
    } else {
        setWindowTitle(title());
        resize(Metrics::ScreenWidth, Metrics::ScreenHeight);
    }
    openAlerts().removeAll(this);
    openAlerts().append(this);
    layoutPanel();
    QWidget::show();
    raise();
    button_->setFocus(Qt::OtherFocusReason);
}

void AlertView::dismiss() {
    if (closing_)
        return;
    closing_ = true;
    openAlerts().removeAll(this);
    if (host_)
        host_->removeEventFilter(this);
    // Hand the focus back rather than letting it wander to the next widget in the chain.
    if (previousFocus_ && previousFocus_->isVisible())
        previousFocus_->setFocus(Qt::OtherFocusReason);
    else if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
    hide();
    emit clickedButtonAtIndex(0);
    deleteLater();
}

bool AlertView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == host_ && event->type() == QEvent::Resize) {
        setGeometry(host_->rect());
        layoutPanel();
    }
    return QWidget::eventFilter(watched, event);
}

void AlertView::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        dismiss();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void AlertView::layoutPanel() {
    const int inner = kPanelWidth - 2 * kInset;
    const int titleHeight = title_->text().isEmpty() ? 0 : title_->heightForWidth(inner);
    const int messageHeight = message_->text().isEmpty() ? 0 : message_->heightForWidth(inner);
    const int fixed = kInset + titleHeight + 8 + 14 + kButtonHeight + kInset;
    const int maxPanel = std::max(fixed + 40, height() - 40);
    const int scrollHeight = std::min(messageHeight, maxPanel - fixed);
    const int panelHeight = fixed + scrollHeight;

    panel_->setGeometry((width() - kPanelWidth) / 2, (height() - panelHeight) / 2, kPanelWidth,
                        panelHeight);
    title_->setGeometry(kInset, kInset, inner, titleHeight);
    message_->setFixedSize(
        inner - (scrollHeight < messageHeight ? 8 : 0),
        message_->heightForWidth(inner - (scrollHeight < messageHeight ? 8 : 0)));
    scroll_->setGeometry(kInset, kInset + titleHeight + 8, inner, scrollHeight);
    button_->setGeometry(kInset, panelHeight - kInset - kButtonHeight, inner, kButtonHeight);
}

void AlertView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0, 0, 0, 110));
    const QRectF r = QRectF(panel_->geometry()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath path;
    path.addRoundedRect(r, 10, 10);
    p.fillPath(path, BarPainter::vertical(
                         r, {{0.0, QColor(62, 78, 120, 250)}, {1.0, QColor(20, 32, 72, 250)}}));
    // A gloss behind the title.
    QPainterPath gloss;
    gloss.addRoundedRect(QRectF(r.left() + 1, r.top() + 1, r.width() - 2, 34), 9, 9);
    p.fillPath(gloss, QColor(255, 255, 255, 28));
    p.setPen(QPen(QColor(255, 255, 255, 220), 2));
    p.drawPath(path);
}

} // namespace ui
