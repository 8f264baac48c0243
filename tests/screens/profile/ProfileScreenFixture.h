#pragma once

// The My Profile tab in a navigation stack, driven through taps, keys and bar buttons. The
// input helpers are kept here, small, until the shared GUI helpers of tests/support take over.

#include "core/base/Clock.h"
#include "core/settings/SettingsStore.h"
#include "screens/profile/ProfileController.h"
#include "screens/profile/WeightLossCell.h"
#include "support/ScopedTimeZone.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/Label.h"
#include "ui/NavigationBar.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/TableView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <memory>

// Wheels are turned with the keyboard, as a user would.
using gui::turn;

class ProfileScreenFixture : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        Clock::set(QDateTime(QDate(2026, 12, 6), QTime(9, 30)));
        profile = new ProfileController;
        nav = std::make_unique<ui::NavigationController>(profile);
        nav->view()->resize(320, 411);
        nav->view()->show();
        nav->viewWillAppear();
        QApplication::processEvents();
    }
    void TearDown() override {
        delete nav->view();
        nav.reset();
        QuorvelTest::TearDown();
    }

    template <class Screen> Screen* top() const {
        return qobject_cast<Screen*>(nav->topViewController());
    }
    static void tap(ui::TableView* table, const ui::IndexPath& path) {
        table->scrollToRow(path);
        QApplication::processEvents();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->rectForRow(path).center());
        QApplication::processEvents();
    }
    // Taps a row of the profile list and returns the editor it opened.
    template <class Editor> Editor* open(int section, int row) {
        tap(profile->profilemenu(), {section, row});
        return top<Editor>();
    }
    void clickBar(const char* title) {
        auto* button = nav->navigationBar()->findChild<QAbstractButton*>(title);
        ASSERT_NE(button, nullptr) << title;
        QTest::mouseClick(button, Qt::LeftButton);
        QApplication::processEvents();
    }
    static QList<int> rowsOf(ui::PickerView* wheels) {
        QList<int> rows;
        for (int c = 0; c < wheels->numberOfComponents(); ++c)
            rows.append(wheels->selectedRowInComponent(c));
        return rows;
    }
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
    std::unique_ptr<ui::NavigationController> nav;
};
