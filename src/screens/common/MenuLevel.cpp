#include "screens/common/MenuLevel.h"

#include "core/catalogue/SearchText.h"

namespace {
const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}

void MenuLevel::setStage(MenuStage stage) {
    stage_ = stage;
    isSearchResult_ = false;
}

bool MenuLevel::showsItemList() const {
    return isSearchResult_ || stage_ == MenuStage::Items || stage_ == MenuStage::Search;
}

bool MenuLevel::showsFlatList() const {
    return isSearchResult_ || (stage_ != MenuStage::MainMenu && !layout_.lettered.contains(stage_));
}

bool MenuLevel::showsLetterHeaders() const {
    return !isSearchResult_ && layout_.lettered.contains(stage_);
}

bool MenuLevel::showsLetterIndex() const {
    return !isSearchResult_ && layout_.indexed.contains(stage_);
}

QString MenuLevel::rowsKey(int section) const {
    return showsFlatList() ? QStringLiteral("items") : letter(section);
}

QString MenuLevel::letter(int section) {
    return section >= 0 && section < alphabet.size() ? QString(alphabet.at(section)) : QString();
}

QString MenuLevel::cleanSearchText(const QString& text) {
    return SearchText::clean(text);
}

bool MenuLevel::searchesWhileTyping() const {
    return stage_ != MenuStage::Search || layout_.searchWhileTyping;
}

MenuLevel::SearchChange MenuLevel::searchTextChanged(const QString& text) {
    const QString cleaned = cleanSearchText(text);
    const bool wasSearchResult = isSearchResult_;
    isSearchResult_ = cleaned.size() >= 2;
    SearchChange change;
    change.search = isSearchResult_;
    change.restoreList = !isSearchResult_ && wasSearchResult;
    change.closeKeyboard = cleaned.isEmpty();
    return change;
}
