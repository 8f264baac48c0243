#include "ui/PickerView.h"
#include "support/TestEnv.h"
#include "support/gui/Gui.h"
#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

using ui::PickerView;

namespace {

// Two wheels: whole portions 0..20 and four fractions; records every row the user settles on.
class PortionWheels : public ui::PickerViewDataSource, public ui::PickerViewDelegate {
public:
    int wholeRows = 21;
    int viewsMade = 0;
    bool useViews = false;
    std::vector<std::pair<int, int>> chosen; // (row, component)

    int numberOfComponents(PickerView*) override { return 2; }
    int numberOfRows(PickerView*, int c) override { return c == 0 ? wholeRows : 4; }
    QString titleForRow(PickerView*, int row, int c) override {
        static const char* fractions[] = {"-", "1/4", "1/2", "3/4"};
        return c == 0 ? QString::number(row) : QString::fromLatin1(fractions[row]);
    }
    QWidget* viewForRow(PickerView* p, int row, int c) override {
        if (!useViews)
            return nullptr;
        ++viewsMade;
        return new QLabel(titleForRow(p, row, c));
    }
    int widthForComponent(PickerView*, int) override { return 70; }
    void didSelectRow(PickerView*, int row, int c) override { chosen.emplace_back(row, c); }
};

class PickerViewTest : public QuorvelTest {
protected:
    void SetUp() override {
        QuorvelTest::SetUp();
        picker = std::make_unique<PickerView>();
        picker->resize(320, 216);
        picker->setDataSource(&wheels);
        picker->setDelegate(&wheels);
        picker->show();
        QApplication::processEvents();
    }
    // A drag of whole rows on a wheel, moving 16 ms a step; a rest before letting go ends any
    // flick, so the wheel stays where the finger left it.
    void drag(int component, qreal rows, int restMs = 150) {
        const QPoint start = picker->componentRect(component).center();
        const QPoint end = start + QPoint(0, int(rows * picker->rowHeight(component)));
        gui::drag(picker.get(), start, end, 4, 16, restMs);
    }

    PortionWheels wheels;
    std::unique_ptr<PickerView> picker;
};

} // namespace

TEST_F(PickerViewTest, DraggingUpByThreeRowsSelectsThreeRowsFurtherAndTellsTheDelegate) {
    drag(0, -3);
    EXPECT_EQ(picker->selectedRowInComponent(0), 3);
    EXPECT_EQ(wheels.chosen, (std::vector<std::pair<int, int>>{{3, 0}}));
    // Dragging far past the end stops at the last row.
    drag(0, -40);
    EXPECT_EQ(picker->selectedRowInComponent(0), 20);
    drag(1, 5);
    EXPECT_EQ(picker->selectedRowInComponent(1), 0);
}

TEST_F(PickerViewTest, AFlickCarriesTheWheelOnByItsSpeed) {
    drag(0, -2, 0);
    const int flicked = picker->selectedRowInComponent(0);
    EXPECT_GT(flicked, 4) << "let go while moving, the wheel turns on past the finger";
    EXPECT_EQ(wheels.chosen.size(), 1u);
    // The same flick from the same row comes to rest on the same row; a faster one goes further.
    picker->selectRow(0, 0, false);
    drag(0, -2, 0);
    EXPECT_EQ(picker->selectedRowInComponent(0), flicked);
    picker->selectRow(0, 0, false);
    drag(0, -3, 0);
    EXPECT_GT(picker->selectedRowInComponent(0), flicked);
}

TEST_F(PickerViewTest, ATapOffTheMiddleOrTheMouseWheelTurnsTheWheelUnderThePointer) {
    const QRect r = picker->componentRect(1);
    gui::tap(picker.get(), QPoint(r.center().x(), r.center().y() + 2 * picker->rowHeight(1)));
    EXPECT_EQ(picker->selectedRowInComponent(1), 2);
    EXPECT_EQ(wheels.chosen.back(), std::make_pair(2, 1));

    const QPointF at = picker->componentRect(0).center();
    QWheelEvent down(at, picker->mapToGlobal(at), {}, QPoint(0, -240), Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(picker.get(), &down);
    EXPECT_EQ(picker->selectedRowInComponent(0), 2);
    EXPECT_EQ(wheels.chosen.back(), std::make_pair(2, 0));
}

TEST_F(PickerViewTest, ArrowKeysMoveTheFocusedWheelAndStopAtTheEnds) {
    picker->setFocus();
    QTest::keyClick(picker.get(), Qt::Key_Right);
    EXPECT_EQ(picker->focusedComponent(), 1);
    QTest::keyClick(picker.get(), Qt::Key_Down);
    QTest::keyClick(picker.get(), Qt::Key_Down);
    EXPECT_EQ(picker->selectedRowInComponent(1), 2);
    EXPECT_EQ(picker->selectedRowInComponent(0), 0);
    QTest::keyClick(picker.get(), Qt::Key_End);
    QTest::keyClick(picker.get(), Qt::Key_Down);
    EXPECT_EQ(picker->selectedRowInComponent(1), 3);
    // Pressing past the end changes nothing and reports nothing.
    EXPECT_EQ(wheels.chosen.size(), 3u);
}

TEST_F(PickerViewTest, SelectingInCodeIsSilentAndReloadKeepsTheRowInRange) {
    picker->selectRow(15, 0, false);
    picker->selectRow(3, 1, true);
    EXPECT_EQ(picker->selectedRowInComponent(0), 15);
    EXPECT_EQ(picker->selectedRowInComponent(1), 3);
    EXPECT_TRUE(wheels.chosen.empty());
    wheels.wholeRows = 10;
    picker->reloadComponent(0);
    EXPECT_EQ(picker->selectedRowInComponent(0), 9);
    EXPECT_EQ(picker->selectedRowInComponent(1), 3);
}

TEST_F(PickerViewTest, RowViewsAreMadeOnceUntilAReloadAndDrawnInTheirRowsAnywhere) {
    wheels.useViews = true;
    picker->reloadAllComponents();
    picker->repaint();
    const int first = wheels.viewsMade;
    picker->repaint();
    EXPECT_EQ(wheels.viewsMade, first);
    picker->reloadComponent(1);
    picker->repaint();
    EXPECT_GT(wheels.viewsMade, first);

    // Each row view is a solid colour; the band in the middle must show the selected row's,
    // wherever the picker sits in its window.
    class ColouredRows : public PortionWheels {
    public:
        QWidget* viewForRow(PickerView*, int row, int) override {
            auto* v = new QWidget;
            v->setAutoFillBackground(true);
            QPalette pal = v->palette();
            pal.setColor(QPalette::Window, QColor(row * 10, 200 - row * 5, 40));
            v->setPalette(pal);
            return v;
        }
    } coloured;
    QWidget window;
    window.resize(320, 460);
    auto* low = new PickerView(&window);
    low->setGeometry(0, 244, 320, 216);
    low->setDataSource(&coloured);
    low->setDelegate(&coloured);
    low->selectRow(7, 0, false);
    window.show();
    QApplication::processEvents();
    // The whole window is painted, as on screen, so the picker paints at its offset.
    const QImage shot = window.grab().toImage();
    const QPoint middle =
        low->mapTo(&window, low->componentRect(0).center()) * shot.devicePixelRatio();
    const QColor seen = shot.pixelColor(middle);
    EXPECT_NEAR(seen.red(), 70, 30);
    EXPECT_NEAR(seen.green(), 165, 30);
}
