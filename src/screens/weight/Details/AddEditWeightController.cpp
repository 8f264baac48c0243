#include "screens/weight/Details/AddEditWeightController.h"

#include "core/base/Units.h"
#include "core/text/ConvertUtil.h"
#include "core/weight/WeightDataStore.h"
#include "screens/common/WheelRowLabel.h"
#include "screens/weight/Details/AddEditTimeController.h"
#include "screens/weight/WeightController.h"
#include "screens/weight/WeightTexts.h"
#include "ui/ImageView.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/NavigationController.h"
#include "ui/PickerView.h"
#include "ui/TextView.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/DayBar.h"
#include "ui/controls/PixmapView.h"

#include <QEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {

const int kilogramBase = 30;
const int poundBase = 66;
const int wheelWidth = 70;
// The tinted panel with the time and the note, between the info label and the wheels.
const int panelTop = 88;
const int shadowHeight = 10;

QStringList numbers(int first, int last) {
    QStringList rows;
    for (int n = first; n <= last; ++n)
        rows.append(QString::number(n));
    return rows;
}

QWidget* tintedPanel(QWidget* parent, const QRect& frame) {
    auto* panel = new QWidget(parent);
    panel->setGeometry(frame);
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, ui::Metrics::tintColor());
    panel->setPalette(palette);
    return panel;
}

} // namespace

const QStringList& AddEditWeightController::values() {
    static const QStringList rows = numbers(kilogramBase, 434);
    return rows;
}

const QStringList& AddEditWeightController::poundvalues() {
    static const QStringList rows = numbers(poundBase, 999);
    return rows;
}

const QStringList& AddEditWeightController::fractions() {
    static const QStringList rows = [] {
        QStringList list;
        for (int i = 0; i < 10; ++i)
            list.append(QStringLiteral(".%1").arg(i));
        return list;
    }();
    return rows;
}

AddEditWeightController::AddEditWeightController(QObject* parent)
    : WeighingEditor(parent), inkg_(!WeightTexts::usePounds()) {
    // Unlike a food entry, a weighing may move to another day.
    setEntryDayMovable(true);
    view();
}

AddEditWeightController::~AddEditWeightController() {
    // The wheels may outlive this screen until their view goes; they reload as they let go.
    if (selector_) {
        selector_->setDelegate(nullptr);
        selector_->setDataSource(nullptr);
    }
}

void AddEditWeightController::loadView() {
    WeighingEditor::loadView();
    QWidget* root = view();
    const QRect wheels = wheelFrame();
    QWidget* panel = tintedPanel(
        root, QRect(0, panelTop, ui::Metrics::ScreenWidth, wheels.top() - shadowHeight - panelTop));
    auto* time = new QPushButton(panel);
    time->setObjectName("timelabel");
    time->setGeometry(8, 4, 304, 28);
    time->setFont(ui::Metrics::font(18, true));
    time->setCursor(Qt::PointingHandCursor);
    time->setStyleSheet(QStringLiteral("QPushButton { color: white; border: none; "
                                       "background: transparent; text-align: left; }"
                                       "QPushButton:pressed { color: #e8dcc0; }"));
    connect(time, &QPushButton::clicked, this, &AddEditWeightController::showTimeWindow);
    timelabel_ = time;

    auto* noteBack = new ui::ImageView(panel);
    noteBack->setImage(ui::StretchableImage(ControlImages::image("text_bg.png"), 16, 16));
    noteBack->setGeometry(8, 36, 304, panel->height() - 42);
    noteView_ = new ui::TextView(noteBack);
    noteView_->setObjectName("noteView");
    noteView_->setGeometry(noteBack->rect().adjusted(4, 3, -4, -3));
    noteView_->setFont(QFont(QStringLiteral("Arial"), -1));
    noteView_->setFontSize(16);
    noteView_->setStyleSheet(
        QStringLiteral("QPlainTextEdit { border: none; background: transparent; color: black; }"));
    connect(noteView_, &ui::TextView::editingDidEnd, noteView_, &ui::TextView::scrollToTop);

    auto* shadow = new PixmapView(ControlImages::image("panel_shadow.png"), root);
    shadow->setGeometry(0, wheels.top() - shadowHeight, ui::Metrics::ScreenWidth, shadowHeight);

    selector_ = new ui::PickerView(root);
    selector_->setObjectName("selector");
    selector_->setGeometry(wheels);
    selector_->setShowsSelectionIndicator(true);
    selector_->setDataSource(this);
    selector_->setDelegate(this);
    // A touch anywhere else closes the note's keyboard.
    root->installEventFilter(this);
    panel->installEventFilter(this);
}

bool AddEditWeightController::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && noteView_)
        noteView_->resignFirstResponder();
    return WeighingEditor::eventFilter(watched, event);
}

WeightController* AddEditWeightController::owner() const {
    return owner_;
}

void AddEditWeightController::setOwner(WeightController* owner) {
    owner_ = owner;
}

void AddEditWeightController::setWeighingid(int id) {
    weighingid_ = id;
    setEditMode(id > 0);
}

void AddEditWeightController::setWeighingData(const Weighing& weighing) {
    setWeighingid(weighing.wId());
    setDate(QDateTime::fromSecsSinceEpoch(weighing.time()));
    weight_ = weighing.weight();
    noteView_->setText(weighing.note());
    setWeightPickers();
}

const QStringList& AddEditWeightController::arrayByComponent(int component) const {
    if (component == 1)
        return fractions();
    return inkg_ ? values() : poundvalues();
}

void AddEditWeightController::setWeightPickers() {
    const int base = inkg_ ? kilogramBase : poundBase;
    const int rows = int(arrayByComponent(0).size());
    const float shown = WeightTexts::shown(weight_, !inkg_);
    const long tenths = std::lround(shown * 10.0f);
    const long whole = tenths / 10 - base;
    // A weight past either end of the wheels shows as that end.
    if (whole < 0)
        selectRows(0, 0, false);
    else if (whole >= rows)
        selectRows(rows - 1, 9, false);
    else
        selectRows(int(whole), int(tenths % 10), false);
}

void AddEditWeightController::selectRows(int whole, int tenth, bool animated) {
    selector_->selectRow(whole, 0, animated);
    selector_->selectRow(tenth, 1, animated);
    selectedvalue_ = arrayByComponent(0).value(whole);
    selectedfraction_ = fractions().value(tenth);
    showInfo();
}

void AddEditWeightController::showInfo() {
    infolabel()->setText(QStringLiteral(" %1%2 %3")
                             .arg(selectedvalue_, selectedfraction_,
                                  inkg_ ? QStringLiteral("kg") : QStringLiteral("lb")));
}

void AddEditWeightController::changeIg(bool animated) {
    inkg_ = !inkg_;
    const float was = (selectedvalue_ + selectedfraction_).toFloat();
    selector_->reloadComponent(0);
    const float f = inkg_ ? was * kilogramsPerPound<float> : was / kilogramsPerPound<float>;
    int whole = int(f);
    int tenth = int(f * 10.0f) % 10;
    // Up only from a hundredths digit of 6: the tenth shown before stays unless clearly past.
    if (int(f * 100.0f) % 10 > 5)
        ++tenth;
    if (tenth == 10) {
        ++whole;
        tenth = 0;
    }
    const int base = inkg_ ? kilogramBase : poundBase;
    const int last = base + int(arrayByComponent(0).size()) - 1;
    selectRows(std::clamp(whole, base, last) - base, tenth, animated);
}

void AddEditWeightController::didSelectRow(ui::PickerView*, int, int) {
    selectedvalue_ = arrayByComponent(0).value(selector_->selectedRowInComponent(0));
    selectedfraction_ = fractions().value(selector_->selectedRowInComponent(1));
    showInfo();
    const float picked = (selectedvalue_ + selectedfraction_).toFloat();
    // Pounds become kilograms to the hundredth, as they are stored.
    weight_ = inkg_ ? picked : ConvertUtil::float2str(picked * kilogramsPerPound<float>).toFloat();
}

void AddEditWeightController::viewWillAppear() {
    WeighingEditor::viewWillAppear();
    if (inkg_ == WeightTexts::usePounds())
        changeIg(true);
    setTitle(weighingid_ > 0 ? QStringLiteral("Edit Weight") : QStringLiteral("Add Weight"));
    showInfo();
    redrawDateTime();
}

void AddEditWeightController::viewWillDisappear() {
    noteView_->resignFirstResponder();
    WeighingEditor::viewWillDisappear();
}

void AddEditWeightController::redrawDateTime() {
    timelabel_->setText(WeightTexts::timeOfDay(moment().moment()));
}

void AddEditWeightController::momentChanged() {
    redrawDateTime();
}

void AddEditWeightController::dayStepped(const QDateTime& date) {
    WeighingEditor::dayStepped(date);
    // The screen follows at once, saved or not.
    if (owner_)
        owner_->setCurrDate(moment().moment());
}

void AddEditWeightController::showTimeWindow() {
    if (ui::NavigationController* nav = navigationController())
        nav->pushViewController(new AddEditTimeController(this));
}

void AddEditWeightController::doSave() {
    const QDateTime when = moment().moment();
    if (!when.isValid())
        return;
    const QString value = ConvertUtil::float2str(weight_);
    // Whole seconds as 64-bit text: moments past 2038 stay what they are.
    const QString date = QString::number(when.toSecsSinceEpoch());
    const QString note = noteView_->text();
    const bool stored = written([&] {
        if (weighingid_ > 0)
            WeightDataStore::updateWeighingWithId(QString::number(weighingid_), date, value, note);
        else
            setWeighingid(int(WeightDataStore::insertWeighing(date, value, note)));
    });
    if (!stored)
        return;
    if (owner_)
        owner_->setCurrDate(when);
    finishSave();
}

int AddEditWeightController::numberOfComponents(ui::PickerView*) {
    return 2;
}

int AddEditWeightController::numberOfRows(ui::PickerView*, int component) {
    return int(arrayByComponent(component).size());
}

QWidget* AddEditWeightController::viewForRow(ui::PickerView*, int row, int component) {
    return new WheelRowLabel(arrayByComponent(component).value(row), true);
}

int AddEditWeightController::widthForComponent(ui::PickerView*, int) {
    return wheelWidth;
}
