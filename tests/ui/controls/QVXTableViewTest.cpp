#include "support/TestEnv.h"

#include "ui/TableView.h"
#include "ui/TableViewCell.h"
#include "ui/controls/FastTableViewCell.h"
#include "ui/controls/FastTableViewCellView.h"
#include "ui/controls/QVXTableView.h"
#include "ui/controls/QVXTableViewDataSource.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <map>

namespace {

// Two sections; section 0 has no header until told otherwise.
class HeaderOwner : public QVXTableViewDataSource {
public:
    std::map<int, int> asked;
    bool headerForFirst = false;

    int numberOfSections(ui::TableView*) override { return 2; }
    int numberOfRows(ui::TableView*, int) override { return 3; }
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath&) override {
        ui::TableViewCell* cell = table->dequeueReusableCell("cell");
        return cell ? cell : new ui::TableViewCell("cell");
    }
    int heightForHeader(ui::TableView*, int) override { return 23; }
    QWidget* tableViewForHeaderInSection(QVXTableView*, int section) override {
        ++asked[section];
        if (section == 0 && !headerForFirst)
            return nullptr;
        auto* header = new QWidget;
        header->resize(320, 23);
        return header;
    }
};

class QVXTableViewTest : public QuorvelTest {
protected:
    HeaderOwner owner;
    QVXTableView table{QRect(0, 44, 320, 200), &owner};
};

TEST_F(QVXTableViewTest, BuiltHeadersAreKeptUntilAReloadAbsentOnesAreAskedForAgain) {
    ui::TableView* list = table.tableView();
    QPointer<QWidget> first = owner.viewForHeader(list, 1);
    EXPECT_NE(first, nullptr);
    EXPECT_EQ(owner.viewForHeader(list, 1), first);
    EXPECT_EQ(owner.asked[1], 1);
    const int askedAbsent = owner.asked[0];
    EXPECT_EQ(owner.viewForHeader(list, 0), nullptr);
    owner.headerForFirst = true;
    EXPECT_NE(owner.viewForHeader(list, 0), nullptr);
    EXPECT_EQ(owner.asked[0], askedAbsent + 2);

    table.reloadData();
    QWidget* rebuilt = owner.viewForHeader(list, 1);
    EXPECT_EQ(owner.asked[1], 2);
    EXPECT_TRUE(first.isNull());
    // Reloading only the inner list keeps the cache.
    list->reloadData();
    EXPECT_EQ(owner.viewForHeader(list, 1), rebuilt);
    // Shown, the inner list follows its frame.
    table.show();
    table.setGeometry(0, 0, 320, 323);
    EXPECT_EQ(list->geometry(), QRect(0, 0, 320, 323));
}

class FilledCell : public FastTableViewCell {
public:
    int draws = 0;
    FilledCell() : FastTableViewCell("fast") {}
    void drawContentView(QPainter& painter, const QRect& rect) override {
        ++draws;
        painter.fillRect(rect, Qt::red);
    }
};

TEST_F(QVXTableViewTest, FastCellDrawsAllButItsLastLine) {
    FilledCell cell;
    cell.resize(320, 44);
    cell.show();
    EXPECT_EQ(cell.contentDrawingView()->geometry(), QRect(0, 0, 320, 43));
    QImage image(cell.size(), QImage::Format_ARGB32);
    image.fill(Qt::white);
    cell.render(&image);
    EXPECT_GT(cell.draws, 0);
    EXPECT_EQ(QColor(image.pixel(160, 42)), QColor(Qt::red));
    EXPECT_NE(QColor(image.pixel(160, 43)), QColor(Qt::red));
    // Selecting the cell draws it again.
    QApplication::processEvents();
    const int before = cell.draws;
    cell.setSelected(true);
    QApplication::processEvents();
    EXPECT_GT(cell.draws, before);
}

} // namespace
