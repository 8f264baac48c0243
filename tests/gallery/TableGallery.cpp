#include "Gallery.h"

#include "ui/ImageView.h"
#include "ui/ImgUtil.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

using ui::IndexPath;
using ui::TableView;
using ui::TableViewCell;

// A menu in the grouped style: icons, two lines and disclosure marks.
class MenuScene : public QWidget, ui::TableViewDataSource, ui::TableViewDelegate {
public:
    MenuScene() {
        resize(320, 367);
        auto* background = new ui::ImageView("background.png", this);
        background->setGeometry(rect());
        table_ = new TableView(TableView::Style::Grouped, this);
        table_->setGeometry(rect());
        table_->setBackgroundColor(Qt::transparent);
        table_->setRowHeight(44);
        table_->setDataSource(this);
        table_->setDelegate(this);
        table_->selectRow({1, 0});
        table_->showDeleteConfirmation({2, 1});
    }

private:
    struct Item {
        const char* name;
        const char* desc;
        const char* icon;
    };
    static const std::vector<std::vector<Item>>& items() {
        static const std::vector<std::vector<Item>> list = {
            {{"Recent Food Items", "Pick recently consumed items", "recent.png"},
             {"Speedy Food Calories", "Enter only calories", "quick_add.png"}},
            {{"Browse Restaurants", "Browse food from restaurants", "restaurant.png"},
             {"Search Database", "Search food database", "database.png"}},
            {{"Fruit", "Apples, berries and more", "type_fruits.png"},
             {"Vegetables", "Fresh and cooked", "type_vegetables.png"},
             {"Drinks", "Juices, soda, coffee", "type_beverages.png"}},
        };
        return list;
    }
    int numberOfSections(TableView*) override { return int(items().size()); }
    int numberOfRows(TableView*, int s) override { return int(items()[s].size()); }
    QString titleForHeader(TableView*, int s) override {
        return s == 2 ? QStringLiteral("Food kinds") : QString();
    }
    bool canEditRow(TableView*, const IndexPath& path) override { return path.section == 2; }
    TableViewCell* cellForRow(TableView* table, const IndexPath& path) override {
        TableViewCell* cell = table->dequeueReusableCell("main-menu-cell");
        if (!cell)
            cell = new TableViewCell(ui::CellStyle::Subtitle, "main-menu-cell");
        const Item& item = items()[path.section][path.row];
        QFont font = cell->textLabel()->font();
        font.setPixelSize(14);
        cell->textLabel()->setFont(font);
        cell->textLabel()->setText(QString::fromLatin1(item.name));
        cell->detailTextLabel()->setText(QString::fromLatin1(item.desc));
        QPixmap icon = ImgUtil::image(QString::fromLatin1(item.icon));
        if (icon.isNull())
            icon = ImgUtil::image("recent.png");
        cell->imageView()->setPixmap(icon);
        cell->layoutContent();
        cell->setAccessoryType(ui::AccessoryType::DisclosureIndicator);
        return cell;
    }

    TableView* table_;
};

// A long list in the plain style with letter headers, the A-Z index and custom row drawing.
class LetterScene : public QWidget, ui::TableViewDataSource, ui::TableViewDelegate {
public:
    LetterScene() {
        resize(320, 367);
        auto* background = new ui::ImageView("background.png", this);
        background->setGeometry(rect());
        table_ = new TableView(TableView::Style::Plain, this);
        table_->setGeometry(rect());
        table_->setBackgroundColor(Qt::transparent);
        table_->setSeparatorColor(QColor::fromRgbF(0.57f, 0.63f, 0.675f));
        table_->setDataSource(this);
        table_->setDelegate(this);
        table_->selectRow({1, 1});
    }

private:
    static const std::vector<std::vector<const char*>>& names() {
        static const std::vector<std::vector<const char*>> list = {
            {"Applebee's", "Arby's", "Au Bon Pain"},
            {"Baja Fresh", "Bob Evans", "Boston Market", "Burger King"},
            {"Carl's Jr.", "Chick-fil-A", "Chipotle"},
        };
        return list;
    }
    int numberOfSections(TableView*) override { return 26; }
    int numberOfRows(TableView*, int s) override {
        return s < int(names().size()) ? int(names()[s].size()) : 0;
    }
    QStringList sectionIndexTitles(TableView*) override {
        QStringList letters;
        for (char c = 'A'; c <= 'Z'; ++c)
            letters << QString(QChar(c));
        return letters;
    }
    int heightForHeader(TableView*, int s) override { return numberOfRows(nullptr, s) ? 22 : 0; }
    QWidget* viewForHeader(TableView*, int s) override {
        auto* header = new ui::ImageView("section2.png");
        auto* letter = new QLabel(QString(QChar('A' + s)), header);
        letter->setGeometry(10, 0, 20, 22);
        QFont font = letter->font();
        font.setBold(true);
        font.setPixelSize(16);
        letter->setFont(font);
        letter->setStyleSheet("color: white;");
        headers_.emplace_back(header);
        return header;
    }
    TableViewCell* cellForRow(TableView* table, const IndexPath& path) override {
        TableViewCell* cell = table->dequeueReusableCell("rest-list-cell");
        if (!cell)
            cell = new TableViewCell("rest-list-cell");
        cell->setBackgroundPixmap(ImgUtil::image("cell_bg.png"));
        QFont font = cell->textLabel()->font();
        font.setPixelSize(16);
        font.setBold(false);
        cell->textLabel()->setFont(font);
        cell->textLabel()->setText(QString::fromLatin1(names()[path.section][path.row]));
        return cell;
    }

    TableView* table_;
    std::vector<std::unique_ptr<QWidget>> headers_;
};

} // namespace

QUORVEL_GALLERY_SCENE("table_grouped") {
    return std::make_unique<MenuScene>();
}

QUORVEL_GALLERY_SCENE("table_plain_index") {
    return std::make_unique<LetterScene>();
}
