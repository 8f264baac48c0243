#include "ui/controls/QVXTableView.h"

#include "ui/TableView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/QVXTableViewDataSource.h"

QVXTableView::QVXTableView(const QRect& frame, QVXTableViewDataSource* owner, QWidget* parent)
    : PixmapView(ControlImages::image("background.png"), parent),
      tableView_(new ui::TableView(ui::TableView::Style::Plain, this)), delegate_(owner) {
    setGeometry(frame);
    tableView_->setGeometry(0, 0, frame.width(), frame.height());
    tableView_->setBackgroundColor(Qt::transparent);
    tableView_->setSeparatorColor(QColor::fromRgbF(0.57f, 0.63f, 0.675f));
    tableView_->setDataSource(owner);
    tableView_->setDelegate(owner);
}

QVXTableView::~QVXTableView() {
    for (const QPointer<QWidget>& header : std::as_const(sections_))
        delete header.data();
}

QVXTableView* QVXTableView::enclosing(const ui::TableView* table) {
    return table ? qobject_cast<QVXTableView*>(table->parentWidget()) : nullptr;
}

void QVXTableView::reloadData() {
    const QHash<QString, QPointer<QWidget>> old = std::exchange(sections_, {});
    tableView_->reloadData();
    // The list lets go of its old headers once it has reloaded.
    for (const QPointer<QWidget>& header : old)
        delete header.data();
}

void QVXTableView::deselect() {
    tableView_->deselectRow(tableView_->indexPathForSelectedRow(), true);
}

QWidget* QVXTableView::viewForHeaderInSection(ui::TableView*, int section) {
    const QString key = QString::asprintf("%i", section);
    const QPointer<QWidget> cached = sections_.value(key);
    if (cached)
        return cached;
    QWidget* header = delegate_ ? delegate_->tableViewForHeaderInSection(this, section) : nullptr;
    if (header)
        sections_.insert(key, header);
    return header;
}

void QVXTableView::resizeEvent(QResizeEvent* event) {
    PixmapView::resizeEvent(event);
    tableView_->setGeometry(0, 0, width(), height());
}
