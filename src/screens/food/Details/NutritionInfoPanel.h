#pragma once

#include "core/catalogue/NutritionInfoDbo.h"
#include "ui/controls/PixmapView.h"

#include <QMap>
#include <QStringList>
#include <optional>

class AttributePanel;

// The nutrients of the chosen amount of a food: total fat, fibre, protein and carbohydrate of
// one serving times the portions, one line under the other.
class NutritionInfoPanel : public PixmapView {
    Q_OBJECT
public:
    explicit NutritionInfoPanel(const QRect& frame, QWidget* parent = nullptr);

    // The attribute names, in the order they are shown.
    static const QStringList& keys();

    const std::optional<NutritionInfoDbo>& info() const { return info_; }
    void setInfo(std::optional<NutritionInfoDbo> info);
    float portionsize() const { return portionsize_; }
    void setPortionSizeAndRedraw(float portions);

    AttributePanel* item(const QString& key) const { return items_.value(key); }
    // "Calories:", hidden on the add-food screen.
    AttributePanel* quickCalories() const { return quickCalories_; }

private:
    void readInfo();

    std::optional<NutritionInfoDbo> info_;
    float portionsize_ = 0;
    QMap<QString, AttributePanel*> items_;
    AttributePanel* quickCalories_;
};
