#pragma once

#include "ui/NavigationController.h"
#include "ui/TextField.h"
#include "ui/TextFieldDelegate.h"
#include "ui/controls/PixmapView.h"

#include <QPointer>

class RefresherDelegate;
namespace ui {
class BarButtonItem;
}

// The card of the speedy screens (speedy food, speedy exercise): a calories field over a name
// field, and the save button of the screen, which is enabled exactly when the name holds
// text and the calories a number. Every edit is weighed on the text it would leave, before it
// happens.
class SpeedyCard : public PixmapView, public ui::TextFieldDelegate {
    Q_OBJECT
public:
    SpeedyCard(const QRect& frame, const QString& caloriesPlaceholder,
               const QString& namePlaceholder, ui::TextField::KeyboardType caloriesKeyboard,
               ui::BarButtonItem* save, QWidget* parent);
    ~SpeedyCard() override;

    ui::TextField* calories() const { return calories_; }
    ui::TextField* name() const { return name_; }
    // Fill a field from code and weigh the save button again.
    void setNameString(const QString& text);
    void setCalsString(const QString& text);

    bool textFieldShouldChangeCharactersInRange(ui::TextField* field, ui::TextRange range,
                                                const QString& replacement) override;

private:
    void updateSave(const QString& nameText, const QString& caloriesText);

    ui::TextField* calories_;
    ui::TextField* name_;
    QPointer<ui::BarButtonItem> save_;
};

// Pushes a new speedy screen (not in edit mode) that refreshes the owner once it saves, filled
// from a remembered speedy entry when its texts are given. The stack deletes it once it is
// popped.
template <class Speedy>
void pushSpeedy(ui::NavigationController* nav, RefresherDelegate* owner, const QString& name = {},
                const QString& calories = {}) {
    if (!nav)
        return;
    auto* speedy = new Speedy(false);
    speedy->setOwner(owner);
    if (!name.isEmpty() || !calories.isEmpty()) {
        speedy->setNameString(name);
        speedy->setCalsString(calories);
    }
    nav->pushViewController(speedy);
}
