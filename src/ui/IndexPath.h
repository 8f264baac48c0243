#pragma once

namespace ui {

// A row of a sectioned table: section first, then the row inside it.
struct IndexPath {
    int section = -1;
    int row = -1;

    bool isValid() const { return section >= 0 && row >= 0; }
    friend bool operator==(const IndexPath&, const IndexPath&) = default;
    friend auto operator<=>(const IndexPath&, const IndexPath&) = default;
};

} // namespace ui
