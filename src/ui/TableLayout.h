#pragma once

#include "ui/IndexPath.h"

#include <vector>

namespace ui {

// Vertical geometry of a sectioned table in points: each section is a header, its rows and a
// footer, stacked from y = 0. Lookups are binary searches, so long lists stay cheap to scroll.
class TableLayout {
public:
    void clear();
    // Appends a section below the last one.
    void addSection(int headerHeight, const std::vector<int>& rowHeights, int footerHeight);

    int sectionCount() const { return int(sections_.size()); }
    int rowCount(int section) const;
    int contentHeight() const;

    int sectionTop(int section) const;
    int headerHeight(int section) const;
    // Bottom of the section's last row (the footer starts here).
    int rowsBottom(int section) const;
    int sectionBottom(int section) const;
    int rowTop(const IndexPath& path) const;
    int rowHeight(const IndexPath& path) const;
    bool contains(const IndexPath& path) const;

    // The row covering y, or an invalid path over a header, a footer or nothing.
    IndexPath rowAt(int y) const;
    // Every row that overlaps [top, bottom), in order.
    std::vector<IndexPath> rowsIn(int top, int bottom) const;
    // The section covering y (clamped to the first and last), -1 without sections.
    int sectionAt(int y) const;

private:
    struct Section {
        int top = 0;
        int headerHeight = 0;
        std::vector<int> rowTops; // one more than the rows: the last is the rows' bottom
        int footerHeight = 0;
    };
    std::vector<Section> sections_;
};

} // namespace ui
