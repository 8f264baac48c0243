#include "screens/common/MenuLevel.h"

#include <gtest/gtest.h>

namespace {

// The exercise menu's layout: flat lists only, and its catalogue search runs as the user
// types, unlike the food menu's.
TEST(MenuLevelTest, AMenuOfFlatListsSearchesWhileTypingAndComesBackToItsList) {
    MenuLevel level({{}, {}, true});
    EXPECT_TRUE(level.isMainMenu());
    EXPECT_FALSE(level.showsItemList());

    level.setStage(MenuStage::Items);
    EXPECT_TRUE(level.showsItemList());
    EXPECT_TRUE(level.showsFlatList());
    EXPECT_FALSE(level.showsLetterHeaders());
    EXPECT_EQ(level.rowsKey(3), "items");
    level.setStage(MenuStage::Recent);
    EXPECT_FALSE(level.showsItemList());
    EXPECT_TRUE(level.canDeleteRows());

    level.setStage(MenuStage::Search);
    EXPECT_TRUE(level.searchesWhileTyping());
    EXPECT_FALSE(level.searchTextChanged(" r,").search);
    const MenuLevel::SearchChange found = level.searchTextChanged("ru,");
    EXPECT_TRUE(found.search);
    EXPECT_FALSE(level.canDeleteRows());
    const MenuLevel::SearchChange back = level.searchTextChanged("r");
    EXPECT_TRUE(back.restoreList);
    EXPECT_FALSE(back.closeKeyboard);
    EXPECT_TRUE(level.searchTextChanged("").closeKeyboard);
    EXPECT_FALSE(level.isSearchResult());
}

} // namespace
