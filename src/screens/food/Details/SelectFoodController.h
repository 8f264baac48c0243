#pragma once

#include "core/catalogue/FoodSimpleDbo.h"
#include "ui/controls/QVXViewController.h"

#include <optional>

class RefresherDelegate;

// What the add-food screen reads the chosen catalogue food from: the menu levels and the speedy
// screen derive from it, and the diary screens make a bare one to hold an entry's food while it
// is edited. It also carries the diary screen to refresh once the entry is saved.
class SelectFoodController : public QVXViewController {
    Q_OBJECT
public:
    explicit SelectFoodController(QObject* parent = nullptr);
    ~SelectFoodController() override;

    // The picked row, or none.
    virtual std::optional<FoodSimpleDbo> selectedItem() const;
    virtual void setSelectedItem(std::optional<FoodSimpleDbo> item);

    // The diary screen that started the selection; it outlives every screen it opens.
    RefresherDelegate* owner() const { return owner_; }
    void setOwner(RefresherDelegate* owner) { owner_ = owner; }

private:
    std::optional<FoodSimpleDbo> selectedItem_;
    RefresherDelegate* owner_ = nullptr;
};
