#include "ui/TableLayout.h"

#include <algorithm>

namespace ui {

void TableLayout::clear() {
    sections_.clear();
}

void TableLayout::addSection(int headerHeight, const std::vector<int>& rowHeights,
                             int footerHeight) {
    Section s;
    s.top = contentHeight();
    s.headerHeight = std::max(0, headerHeight);
    s.footerHeight = std::max(0, footerHeight);
    s.rowTops.reserve(rowHeights.size() + 1);
    int y = s.top + s.headerHeight;
    s.rowTops.push_back(y);
    for (int h : rowHeights) {
        y += std::max(0, h);
        s.rowTops.push_back(y);
    }
    sections_.push_back(std::move(s));
}

int TableLayout::rowCount(int section) const {
    if (section < 0 || section >= sectionCount())
        return 0;
    return int(sections_[section].rowTops.size()) - 1;
}

int TableLayout::contentHeight() const {
    return sections_.empty() ? 0 : sectionBottom(sectionCount() - 1);
}

int TableLayout::sectionTop(int section) const {
    return sections_.at(section).top;
}

int TableLayout::headerHeight(int section) const {
    return sections_.at(section).headerHeight;
}

int TableLayout::rowsBottom(int section) const {
    return sections_.at(section).rowTops.back();
}

int TableLayout::sectionBottom(int section) const {
    return rowsBottom(section) + sections_.at(section).footerHeight;
}

bool TableLayout::contains(const IndexPath& path) const {
    return path.section >= 0 && path.section < sectionCount() && path.row >= 0 &&
           path.row < rowCount(path.section);
}

int TableLayout::rowTop(const IndexPath& path) const {
    return sections_.at(path.section).rowTops.at(path.row);
}

int TableLayout::rowHeight(const IndexPath& path) const {
    const auto& tops = sections_.at(path.section).rowTops;
    return tops.at(path.row + 1) - tops.at(path.row);
}

int TableLayout::sectionAt(int y) const {
    if (sections_.empty())
        return -1;
    const auto it = std::upper_bound(sections_.begin(), sections_.end(), y,
                                     [](int v, const Section& s) { return v < s.top; });
    return it == sections_.begin() ? 0 : int(it - sections_.begin()) - 1;
}

IndexPath TableLayout::rowAt(int y) const {
    if (y < 0 || y >= contentHeight())
        return {};
    // Several empty sections can share one top; the last of them is the one that covers y.
    const int section = sectionAt(y);
    const auto& tops = sections_[section].rowTops;
    if (y < tops.front() || y >= tops.back())
        return {};
    const auto it = std::upper_bound(tops.begin(), tops.end(), y);
    return {section, int(it - tops.begin()) - 1};
}

std::vector<IndexPath> TableLayout::rowsIn(int top, int bottom) const {
    std::vector<IndexPath> rows;
    if (sections_.empty() || bottom <= top)
        return rows;
    for (int s = std::max(0, sectionAt(top)); s < sectionCount(); ++s) {
        const auto& tops = sections_[s].rowTops;
        if (sections_[s].top >= bottom)
            break;
        // First row whose bottom lies below the top edge.
        auto it = std::upper_bound(tops.begin(), tops.end(), top);
        int row = std::max(0, int(it - tops.begin()) - 1);
        for (; row + 1 < int(tops.size()) && tops[row] < bottom; ++row)
            if (tops[row + 1] > tops[row])
                rows.push_back({s, row});
    }
    return rows;
}

} // namespace ui
