#pragma once

#include <QList>
#include <QString>
#include <optional>

// What one level of a catalogue menu (the food menu, the exercise menu) shows. The numbers are
// the menus' own stage numbers.
enum class MenuStage {
    MainMenu = 0,
    // A list of groups to open, such as the restaurants.
    Groups = 1,
    // The items of one group, kind, type or category.
    Items = 2,
    Recent = 3,
    // The search of the whole catalogue, empty until the user searches.
    Search = 4,
};

// One row of a menu's main menu: its texts and image, and the level it opens (stage and title;
// no stage for a row that opens a screen of its own). The choice says what the row stands for
// in its menu, the id which kind, type or category it names.
template <class Choice> struct MenuRow {
    Choice choice;
    QString name;
    QString desc;
    QString image;
    std::optional<MenuStage> opens;
    QString title;
    int id = 0;
};

// A fixed row of a main menu as a table of literals gives it; the level it opens takes the row's
// name as its title unless it has one of its own.
template <class Choice> struct FixedMenuRow {
    Choice choice;
    const char* name;
    const char* desc;
    const char* image;
    std::optional<MenuStage> opens;
    const char* title = nullptr;

    MenuRow<Choice> row() const {
        const QString shown = QString::fromLatin1(name);
        return {choice,
                shown,
                QString::fromLatin1(desc),
                QString::fromLatin1(image),
                opens,
                title ? QString::fromLatin1(title) : shown};
    }
};

// The stage of one menu level and whether it shows search results, and the rules that follow:
// which list the level shows, when its search bar shows, and what a change of the search text
// does. A menu gives its layout: the stages that list their rows under the letters A to Z (the
// others show one flat list), those of them that carry the letter index, and whether the
// catalogue search runs as the user types or only on the search button.
class MenuLevel {
public:
    struct Layout {
        QList<MenuStage> lettered;
        QList<MenuStage> indexed;
        bool searchWhileTyping = true;
    };
    static constexpr int LetterCount = 26;

    explicit MenuLevel(Layout layout) : layout_(std::move(layout)) {}

    MenuStage stage() const { return stage_; }
    // A new stage starts on its own list.
    void setStage(MenuStage stage);
    bool isSearchResult() const { return isSearchResult_; }
    void setSearchResult(bool on) { isSearchResult_ = on; }

    // The main menu's own rows (not search results).
    bool isMainMenu() const { return stage_ == MenuStage::MainMenu && !isSearchResult_; }
    // Catalogue items, which the search bar narrows: search results, a group's items and the
    // catalogue search.
    bool showsItemList() const;
    // One section of rows kept under "items": search results and every list not lettered.
    bool showsFlatList() const;
    bool showsLetterHeaders() const;
    bool showsLetterIndex() const;
    // Rows are deleted from the recent list only.
    bool canDeleteRows() const { return stage_ == MenuStage::Recent && !isSearchResult_; }
    // Sections of a list level: one for a flat list, one per letter otherwise.
    int listSectionCount() const { return showsFlatList() ? 1 : LetterCount; }
    // The key of a section's rows in the level's data: "items", or the section's letter.
    QString rowsKey(int section) const;
    // "A" for 0 to "Z" for 25, empty outside.
    static QString letter(int section);

    // What is matched: the text without blanks and commas.
    static QString cleanSearchText(const QString& text);
    // The catalogue search waits for the search button where the menu says so.
    bool searchesWhileTyping() const;
    struct SearchChange {
        bool search = false;
        // The level showed search results and goes back to its own list.
        bool restoreList = false;
        bool closeKeyboard = false;
    };
    // Takes a changed search text: two or more characters, blanks and commas aside, search.
    SearchChange searchTextChanged(const QString& text);

private:
    Layout layout_;
    MenuStage stage_ = MenuStage::MainMenu;
    bool isSearchResult_ = false;
};
