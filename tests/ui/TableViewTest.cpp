#include "ui/TableView.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/TableIndexBar.h"
#include "ui/TableViewCell.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using ui::IndexPath;
using ui::TableView;
using ui::TableViewCell;

namespace {

// Sections of named rows; records what the table asked and what the user did.
class RowsModel : public ui::TableViewDataSource, public ui::TableViewDelegate {
public:
    std::vector<std::vector<QString>> sections;
    bool editable = true;
    bool withIndex = false;
    int cellsMade = 0;
    int cellsAsked = 0;
    int headersAsked = 0;
    bool headerForSectionOne = true;
    std::vector<IndexPath> selected;
    std::vector<IndexPath> deleted;

    int numberOfSections(TableView*) override { return int(sections.size()); }
    int numberOfRows(TableView*, int s) override { return int(sections[s].size()); }
    TableViewCell* cellForRow(TableView* table, const IndexPath& path) override {
        ++cellsAsked;
        TableViewCell* cell = table->dequeueReusableCell("row");
        if (!cell) {
            ++cellsMade;
            cell = new TableViewCell("row");
        }
        cell->textLabel()->setText(sections[path.section][path.row]);
        return cell;
    }
    QStringList sectionIndexTitles(TableView*) override {
        if (!withIndex)
            return {};
        return QString("ABCDEFGHIJKLMNOPQRSTUVWXYZ").split("", Qt::SkipEmptyParts);
    }
    QString titleForHeader(TableView*, int s) override {
        return withIndex ? QString(QChar('A' + s)) : QString();
    }
    bool canEditRow(TableView*, const IndexPath&) override { return editable; }
    void commitEditingStyle(TableView*, ui::EditingStyle style, const IndexPath& path) override {
        ASSERT_EQ(style, ui::EditingStyle::Delete);
        deleted.push_back(path);
        sections[path.section].erase(sections[path.section].begin() + path.row);
    }
    QWidget* viewForHeader(TableView*, int s) override {
        ++headersAsked;
        if (s != 1 || !headerForSectionOne)
            return nullptr;
        if (!header)
            header = new QLabel("Lunch");
        return header;
    }
    int heightForHeader(TableView*, int s) override { return s == 1 && !withIndex ? 23 : -1; }
    void didSelectRow(TableView*, const IndexPath& path) override { selected.push_back(path); }

    QLabel* header = nullptr;
};

class TableViewTest : public QuorvelTest {
protected:
    void show(TableView::Style style = TableView::Style::Plain) {
        table = std::make_unique<TableView>(style);
        table->resize(320, 367);
        table->setDataSource(&model);
        table->setDelegate(&model);
        table->show();
        QApplication::processEvents();
    }
    QPoint centreOf(const IndexPath& path) const { return table->rectForRow(path).center(); }
    void swipeLeft(const IndexPath& path) { gui::swipeLeft(table.get(), path); }

    RowsModel model;
    std::unique_ptr<TableView> table;
};

std::vector<QString> names(int n, const QString& prefix) {
    std::vector<QString> out;
    for (int i = 0; i < n; ++i)
        out.push_back(prefix + QString::number(i));
    return out;
}

} // namespace

TEST_F(TableViewTest, OnlyRowsInViewBecomeCellsAndCellsAreReusedWhileScrolling) {
    model.sections = {names(7000, "Row ")};
    show();
    const int inView = int(table->indexPathsForVisibleRows().size());
    EXPECT_EQ(inView, 9); // 367 points of 44-point rows
    for (int y = 0; y < 20000; y += 150)
        table->setContentOffset(y);
    // Scrolling through hundreds of rows made hardly any new cells.
    EXPECT_LE(model.cellsMade, inView + 2);
    EXPECT_GT(model.cellsAsked, 400);
    table->scrollToRow({0, 6999});
    ASSERT_NE(table->cellForRow({0, 6999}), nullptr);
    EXPECT_EQ(table->rectForRow({0, 6999}).bottom() + 1, table->viewport()->height());
}

TEST_F(TableViewTest, TapSelectsAndTellsTheDelegateAnimatedDeselectClearsIt) {
    model.sections = {names(3, "A"), names(3, "B")};
    show();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centreOf({1, 2}));
    ASSERT_EQ(model.selected, (std::vector<IndexPath>{{1, 2}}));
    // After a reload the selection stays on its row; a reused cell never brings it along.
    table->reloadData();
    for (const IndexPath& path : table->indexPathsForVisibleRows())
        EXPECT_EQ(table->cellForRow(path)->isSelected(), path == (IndexPath{1, 2})) << path.row;
    table->deselectRow({1, 2}, true);
    EXPECT_FALSE(table->indexPathForSelectedRow().isValid());
    EXPECT_FALSE(table->cellForRow({1, 2})->isSelected());
}

TEST_F(TableViewTest, SwipeLeftShowsDeleteWhichDeletesThatRowAndATapElsewhereDismisses) {
    model.sections = {names(4, "Row ")};
    show();
    swipeLeft({0, 1});
    ASSERT_TRUE(table->deleteConfirmationRow().isValid());
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, centreOf({0, 3}));
    EXPECT_FALSE(table->deleteConfirmationRow().isValid());
    EXPECT_TRUE(model.selected.empty()) << "neither the swipe nor the dismissing tap selects";

    swipeLeft({0, 2});
    ASSERT_NE(table->deleteButton(), nullptr);
    EXPECT_TRUE(table->cellForRow({0, 2})->showingDeleteConfirmation());
    QTest::mouseClick(table->deleteButton(), Qt::LeftButton);
    EXPECT_EQ(model.deleted, (std::vector<IndexPath>{{0, 2}}));
    // The table reloaded by itself: three rows, the old row 3 now at 2.
    EXPECT_EQ(table->cellForRow({0, 2})->textLabel()->text(), "Row 3");
    EXPECT_EQ(table->deleteButton(), nullptr);
    model.editable = false;
    swipeLeft({0, 1});
    EXPECT_FALSE(table->deleteConfirmationRow().isValid());
}

TEST_F(TableViewTest, DeleteKeyOnTheSelectedRowAsksFirstAndDeletesOnTheSecondPress) {
    model.sections = {names(3, "Row ")};
    show();
    table->setFocus();
    QTest::keyClick(table.get(), Qt::Key_Down);
    QTest::keyClick(table.get(), Qt::Key_Down);
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 1}));
    QTest::keyClick(table.get(), Qt::Key_Delete);
    EXPECT_EQ(table->deleteConfirmationRow(), (IndexPath{0, 1}));
    EXPECT_TRUE(model.deleted.empty());
    QTest::keyClick(table.get(), Qt::Key_Escape);
    EXPECT_FALSE(table->deleteConfirmationRow().isValid());
    QTest::keyClick(table.get(), Qt::Key_Delete);
    QTest::keyClick(table.get(), Qt::Key_Delete);
    EXPECT_EQ(model.deleted, (std::vector<IndexPath>{{0, 1}}));
    // The row that took the deleted one's place is selected, so deleting can go on.
    EXPECT_EQ(table->indexPathForSelectedRow(), (IndexPath{0, 1}));
    EXPECT_EQ(table->cellForRow({0, 1})->textLabel()->text(), "Row 2");
    // Return on a selected row is the same as tapping it.
    QTest::keyClick(table.get(), Qt::Key_Up);
    QTest::keyClick(table.get(), Qt::Key_Return);
    EXPECT_EQ(model.selected.back(), (IndexPath{0, 0}));
}

TEST_F(TableViewTest, IndexTitleJumpsToItsSection) {
    for (int s = 0; s < 26; ++s)
        model.sections.push_back(names(5, QString(QChar('A' + s))));
    model.withIndex = true;
    model.headerForSectionOne = false;
    show();
    ui::TableIndexBar* bar = table->indexBar();
    ASSERT_TRUE(bar->isVisible());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->titleCentre(12));
    // Section M's header sits at the top edge with its first row right under it.
    EXPECT_EQ(table->rectForRow({12, 0}).top(), 22);
    EXPECT_EQ(table->cellForRow({12, 0})->textLabel()->text(), "M0");
    // Rows give way to the index strip.
    EXPECT_LE(table->rectForRow({12, 0}).right(), table->viewport()->width() - bar->width());
}

TEST_F(TableViewTest, AnAbsentHeaderIsAskedAgainAndAShownOneStaysUntilReload) {
    model.sections = {names(1, "A"), names(1, "B")};
    show();
    ASSERT_NE(model.header, nullptr);
    EXPECT_TRUE(model.header->isVisible());
    const int asked = model.headersAsked;
    table->resize(320, 300); // a layout pass without a reload
    QApplication::processEvents();
    EXPECT_EQ(model.headersAsked, asked);
    table->reloadData();
    EXPECT_GT(model.headersAsked, asked);
    // The table never deletes a header view it was lent, even one scrolled out of view.
    QPointer<QLabel> header = model.header;
    model.sections = {names(40, "A"), names(1, "B")};
    table->reloadData();
    table->setContentOffset(0);
    ASSERT_FALSE(header->isVisible());
    table.reset();
    EXPECT_FALSE(header.isNull());
    delete header.data();
}

TEST_F(TableViewTest, GroupedRowsAreInsetKnowTheirPlaceAndTheFooterFollowsThem) {
    model.sections = {names(1, "A"), names(3, "B")};
    model.headerForSectionOne = false;
    show(TableView::Style::Grouped);
    EXPECT_GT(table->rectForRow({0, 0}).left(), 0);
    EXPECT_EQ(table->cellForRow({0, 0})->groupPosition(), ui::GroupPosition::Single);
    EXPECT_EQ(table->cellForRow({1, 1})->groupPosition(), ui::GroupPosition::Middle);
    EXPECT_EQ(table->cellForRow({1, 2})->groupPosition(), ui::GroupPosition::Bottom);
    const int rowsHeight = table->contentHeight();
    auto* footer = new QWidget;
    footer->resize(320, 130);
    table->setTableFooterView(footer);
    EXPECT_EQ(table->contentHeight(), rowsHeight + 130);
    EXPECT_EQ(footer->geometry().top(), rowsHeight);
}

TEST_F(TableViewTest, SelectedRowsShowWhiteText) {
    model.sections = {names(3, "WWWWWWWWWWWW")};
    show();
    table->selectRow({0, 1});
    // Count the text pixels of the label as drawn: dark before, white after selection.
    auto inked = [&](const IndexPath& path, QColor colour) {
        const QImage img = table->cellForRow(path)->textLabel()->grab().toImage();
        int n = 0;
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                n += img.pixelColor(x, y) == colour ? 1 : 0;
        return n;
    };
    EXPECT_GT(inked({0, 1}, Qt::white), 50);
    EXPECT_EQ(inked({0, 0}, Qt::white), 0);
}

TEST_F(TableViewTest, ADragMovesTheListWithTheFingerAndAFlickCarriesItOn) {
    model.sections = {names(200, "Row ")};
    show();
    // Up by 250 points in ten moves 16 ms apart, then a rest before letting go.
    gui::drag(table->viewport(), {160, 300}, {160, 50}, 10, 16, 150);
    EXPECT_EQ(table->contentOffset(), 250);
    EXPECT_TRUE(model.selected.empty());
    // The same drag let go while moving glides on; a touch during a glide would stop it.
    gui::drag(table->viewport(), {160, 300}, {160, 50}, 10, 16, 0);
    EXPECT_GT(table->contentOffset(), 500 + 200);
    // Down past the top stops at the first row.
    gui::drag(table->viewport(), {160, 50}, {160, 360}, 10, 4, 0);
    EXPECT_EQ(table->contentOffset(), 0);
}
