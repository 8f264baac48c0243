#pragma once

#include "ui/ChoiceRow.h"
#include "ui/Metrics.h"
#include "ui/TabBarItem.h"

#include <QList>
#include <QWidget>

class QShortcut;

namespace ui {

// The bar of tabs at the bottom of the window: an icon over a title for each tab, the chosen
// one lit. Click a tab, press Ctrl+1 to Ctrl+9 while the bar shows, or use the Left and Right
// keys when the bar has focus.
class TabBar : public ChoiceRow {
    Q_OBJECT
public:
    static constexpr int kHeight = Metrics::TabBarHeight;

    explicit TabBar(QWidget* parent = nullptr);

    void setItems(const QList<TabBarItem>& items);
    int count() const { return static_cast<int>(items_.size()); }
    int selectedIndex() const { return chosen_; }
    void setSelectedIndex(int index);
    // The area of a tab, for clicks in tests and automation.
    QRect tabRect(int index) const { return choiceRect(index); }
    int tabAt(const QPoint& pos) const { return choiceAt(pos); }

signals:
    // A tab was chosen by the user (also when it was already chosen).
    void tabActivated(int index);

protected:
    int choiceCount() const override { return count(); }
    void choose(int index) override { emit tabActivated(index); }
    void paintEvent(QPaintEvent* event) override;

private:
    void syncDigitKeys();

    QList<TabBarItem> items_;
    QList<QShortcut*> digitKeys_;
};

} // namespace ui
