#include "Gallery.h"

#include "ui/Metrics.h"
#include "ui/TableView.h"
#include "ui/TableViewCell.h"
#include "ui/controls/BaseThreeViewController.h"
#include "ui/controls/CalendarViewOwner.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DateButton.h"
#include "ui/controls/FoodSpin.h"
#include "ui/controls/PixmapView.h"
#include "ui/controls/QVXCalendarView.h"
#include "ui/controls/QVXTableView.h"

#include <QLabel>

namespace {

// The bare frame with two sample sections of two rows in its day table.
class GalleryFrame : public BaseThreeViewController {
public:
    GalleryFrame() { init(); }

    int numberOfSections(ui::TableView*) override { return 2; }
    int numberOfRows(ui::TableView*, int) override { return 2; }
    ui::TableViewCell* cellForRow(ui::TableView* table, const ui::IndexPath& path) override {
        auto* cell = table->reusableCell<ui::TableViewCell>(
            "any-cell", [] { return new ui::TableViewCell("any-cell"); });
        cell->textLabel()->setText(QString::asprintf("Cell #%i", path.row));
        return cell;
    }
    int heightForRow(ui::TableView*, const ui::IndexPath&) override { return 40; }
    int heightForHeader(ui::TableView*, int) override { return 23; }
    QWidget* tableViewForHeaderInSection(QVXTableView*, int section) override {
        auto* header = new PixmapView(ControlImages::image("section.png"));
        header->setOpacity(0.9);
        header->resize(ui::Metrics::ScreenWidth, 18);
        headerLabel(header, QRect(15, 2, 160, 18), "Section of Day table", Qt::AlignLeft);
        headerLabel(header, QRect(165, 2, 111, 18), QString::asprintf("#%i", section),
                    Qt::AlignRight);
        return header;
    }

private:
    static void headerLabel(QWidget* parent, const QRect& frame, const QString& text,
                            Qt::Alignment alignment) {
        auto* label = new QLabel(text, parent);
        label->setGeometry(frame);
        label->setFont(ui::Metrics::font(14, true));
        label->setAlignment(alignment | Qt::AlignVCenter);
        QPalette palette = label->palette();
        palette.setBrush(QPalette::WindowText, QBrush(Qt::black));
        label->setPalette(palette);
    }
};

// The frame inside its navigation bar, as a tab shows it.
std::unique_ptr<QWidget> frame(int segment) {
    auto* root = new GalleryFrame;
    root->setSelectedIndex(segment);
    return gallery::Stack(root, ui::Metrics::NavigationBarHeight + ui::Metrics::ContentHeight)
        .take();
}

// Marks a few days the way the Overview screen does: calories left and a flag.
class MarkingOwner : public CalendarViewOwner {
public:
    void dateChanged(CalendarView*) override {}
    void calendarHeightChanged(CalendarView*) override {}
    std::optional<int> getCalendarNumbersOffset() const override { return 4; }
    void overCustom(DateButton* button) override {
        const int day = button->date().date().day();
        const bool marked = button->inCurrMonth() && day % 3 == 1 && day < 20;
        button->setAdditionalInfo(marked ? QString::number(day % 2 ? 312 : -85) : QString());
        button->setAdditionalInfoColor(day % 2 ? QColor(0, 102, 0) : QColor(Qt::red));
        button->setFlagImage(marked ? ControlImages::image(day % 2 ? "green.png" : "red.png")
                                    : QPixmap());
    }
};

class Calendar : public QVXCalendarView {
public:
    Calendar() { initWithOwner(&owner); }

private:
    MarkingOwner owner;
};

// A month of the calendar at 8:00 on its first, optionally with a day chosen.
std::unique_ptr<QWidget> calendar(QDate month, QDate chosen = {}) {
    auto view = std::make_unique<Calendar>();
    view->changeMonthTo(QDateTime(month, QTime(8, 0)));
    if (chosen.isValid())
        view->changeSelection(QDateTime(chosen, QTime(8, 0)));
    return view;
}

// The calories burned spun down 15 times from 240.
std::unique_ptr<QWidget> spinDown() {
    auto holder = std::make_unique<PixmapView>(ControlImages::image("background.png"));
    holder->resize(320, 110);
    auto* spin = new FoodSpin(QRect(60, 10, 200, 90), true, holder.get());
    spin->setUnit("calories\nburned");
    spin->setUnitCountRows(2);
    spin->setNewValue(240);
    for (int i = 0; i < 15; ++i)
        spin->decValue();
    return holder;
}

const gallery::Registrar controlScenes[] = {
    {"controls_frame_month", [] { return frame(0); }},
    {"controls_frame_day", [] { return frame(1); }},
    {"controls_calendar_february_four_rows", [] { return calendar(QDate(2015, 2, 1)); }},
    {"controls_calendar_august_six_rows",
     [] { return calendar(QDate(2015, 8, 1), QDate(2015, 8, 31)); }},
    {"controls_spin_down", spinDown},
};

} // namespace
