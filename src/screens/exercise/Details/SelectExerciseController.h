#pragma once

#include "core/catalogue/ExerciseDbo.h"
#include "ui/controls/QVXViewController.h"

#include <optional>

class RefresherDelegate;

// What the add-exercise screen reads the chosen catalogue exercise from: the menu levels derive
// from it, and the diary screens make a bare one to hold an entry's exercise while it is
// edited. It also carries the diary screen to refresh once the entry is saved.
class SelectExerciseController : public QVXViewController {
    Q_OBJECT
public:
    explicit SelectExerciseController(QObject* parent = nullptr);
    ~SelectExerciseController() override;

    // The picked exercise with its intensities, or none.
    const std::optional<ExerciseDbo>& selectedItem() const { return selectedItem_; }
    virtual void setSelectedItem(std::optional<ExerciseDbo> item);

    // The diary screen that started the selection; it outlives every screen it opens.
    RefresherDelegate* owner() const { return owner_; }
    void setOwner(RefresherDelegate* owner) { owner_ = owner; }

private:
    std::optional<ExerciseDbo> selectedItem_;
    RefresherDelegate* owner_ = nullptr;
};
