#pragma once

#include "ui/TableView.h"

#include <QWidget>

namespace ui {
class SearchBar;
}

// A list under a search bar that shows only where the list can be searched: one level of a
// catalogue menu. The search bar takes the keyboard's Done key, corrects nothing and wears the
// tint; a touch on the view outside the field and the list closes the keyboard.
class SearchableList : public QWidget {
    Q_OBJECT
public:
    SearchableList(ui::TableView::Style style, const QString& placeholder,
                   QWidget* parent = nullptr);
    // A list that fills the screen's view, its rows told by the data source and delegate.
    static SearchableList* fill(QWidget* view, ui::TableView::Style style,
                                const QString& placeholder, ui::TableViewDataSource* source,
                                ui::TableViewDelegate* delegate, int rowHeight);

    ui::SearchBar* searchBar() const { return searchBar_; }
    ui::TableView* tableView() const { return tableView_; }

    // Shows or removes the search bar; the list takes the rest of the height.
    void setSearchBarShown(bool shown);
    void closeKeyboard();
    // Back to the start: no search text, the first rows in view, the keyboard closed.
    void reset();
    // Closes the keyboard a moment later, once the field has taken a cleared text.
    void closeKeyboardSoon();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void layoutContent();

    ui::SearchBar* searchBar_;
    ui::TableView* tableView_;
    bool searchBarShown_ = false;
};
