#include "ui/TableLayout.h"

#include <gtest/gtest.h>

using ui::IndexPath;
using ui::TableLayout;

TEST(TableLayoutTest, StacksSectionsAndFindsRowsButNothingOverHeadersOrFooters) {
    // Header 20, rows 40 and 60, footer 10; then an empty section with only a header; then 3 x 44.
    TableLayout layout;
    layout.addSection(20, {40, 60}, 10);
    layout.addSection(23, {}, 0);
    layout.addSection(0, {44, 44, 44}, 0);
    EXPECT_EQ(layout.rowTop({0, 1}), 60);
    EXPECT_EQ(layout.sectionTop(1), 130);
    EXPECT_EQ(layout.rowTop({2, 0}), 153);
    EXPECT_EQ(layout.contentHeight(), 153 + 132);
    EXPECT_EQ(layout.rowCount(7), 0);

    EXPECT_EQ(layout.rowAt(0), IndexPath{}); // header of section 0
    EXPECT_EQ(layout.rowAt(59), (IndexPath{0, 0}));
    EXPECT_EQ(layout.rowAt(60), (IndexPath{0, 1}));
    EXPECT_EQ(layout.rowAt(125), IndexPath{}); // footer
    EXPECT_EQ(layout.rowAt(140), IndexPath{}); // header of the empty section
    EXPECT_EQ(layout.rowAt(284), (IndexPath{2, 2}));
    EXPECT_EQ(layout.rowAt(285), IndexPath{});

    EXPECT_EQ(layout.rowsIn(100, 200), (std::vector<IndexPath>{{0, 1}, {2, 0}, {2, 1}}));
    // A window ending exactly where a row starts does not include it.
    EXPECT_TRUE(layout.rowsIn(0, 20).empty());
    EXPECT_TRUE(layout.rowsIn(300, 400).empty());

    // Empty sections sharing a top do not hide the rows of the next one.
    TableLayout empty;
    empty.addSection(0, {}, 0);
    empty.addSection(0, {}, 0);
    empty.addSection(0, {30}, 0);
    EXPECT_EQ(empty.rowAt(0), (IndexPath{2, 0}));
    EXPECT_EQ(empty.rowsIn(0, 10), std::vector<IndexPath>{(IndexPath{2, 0})});
}
