#pragma once

// The My Profile tab in a navigation stack, driven through taps, keys and bar buttons.

#include "core/base/Clock.h"
#include "core/settings/SettingsStore.h"
#include "screens/profile/ProfileController.h"
#include "screens/profile/WeightLossCell.h"
#include "support/Dates.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/Label.h"
#include "ui/NavigationBar.h"
#include "ui/PickerView.h"
#include "ui/TableView.h"

#include <optional>

class ProfileScreenFixture : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(at(2026, 12, 6, 9, 30));
        profile = new ProfileController;
        stack.emplace(profile, QSize(320, 411));
    }
    void TearDown() override {
        stack.reset();
        QuorvelTest::TearDown();
    }

    // Taps a row of the profile list and returns the editor it opened.
    template <class Editor> Editor* open(int section, int row) {
        gui::tapRow(profile->profilemenu(), {section, row});
        return stack->top<Editor>();
    }
    void clickBar(const char* title) { gui::click(stack->nav()->navigationBar(), title); }
    static QString valueIn(ui::TableView* table, const ui::IndexPath& path) {
        table->scrollToRow(path);
        auto* cell = qobject_cast<WeightLossCell*>(table->cellForRow(path));
        return cell ? cell->lbValue()->text() : QString("(no row)");
    }
    // Every value of the profile list, top to bottom.
    QStringList shown() const {
        QStringList values;
        for (int section = 0; section < 3; ++section)
            for (int row = 0; row < profile->profilemenu()->numberOfRows(section); ++row)
                values << valueIn(profile->profilemenu(), {section, row});
        return values;
    }
    // What the settings file holds under the key, read afresh from disk.
    static QVariant stored(const char* key) {
        SettingsStore::drop();
        return SettingsStore::instance().value(key);
    }

    ProfileController* profile = nullptr;
    std::optional<gui::ScreenStack> stack;
};
