#pragma once

#include <QHash>
#include <QPointer>
#include <QString>
#include <QWidget>

// The letter headers of a food list, built once per section and kept: a section's letter never
// changes. The cache owns the headers; a table only shows them.
class FoodMenuSectionHeaders {
public:
    static constexpr int Height = 22;

    FoodMenuSectionHeaders() = default;
    ~FoodMenuSectionHeaders();
    FoodMenuSectionHeaders(const FoodMenuSectionHeaders&) = delete;
    FoodMenuSectionHeaders& operator=(const FoodMenuSectionHeaders&) = delete;

    // The header of the section, built on first request (getSectionByKey:).
    QWidget* getSectionByKey(int section);
    int count() const { return static_cast<int>(headers_.size()); }

private:
    QHash<QString, QPointer<QWidget>> headers_;
};
