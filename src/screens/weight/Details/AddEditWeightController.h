#pragma once

#include "screens/weight/Details/WeighingEditor.h"
#include "ui/PickerView.h"
#include "ui/PickerViewDataSource.h"
#include "ui/PickerViewDelegate.h"

#include <QPointer>
#include <QStringList>

class QAbstractButton;
class Weighing;
class WeightController;
namespace ui {
class TextView;
}

// Enters a new weighing or changes one: the weight on two wheels (whole units and tenths) in
// the unit of the setting, the day on the arrows, the time of day on its own screen, and a
// note. The weight saved is the one loaded, to the hundredth, until a wheel is turned.
class AddEditWeightController : public WeighingEditor,
                                public ui::PickerViewDataSource,
                                public ui::PickerViewDelegate {
    Q_OBJECT
public:
    explicit AddEditWeightController(QObject* parent = nullptr);
    ~AddEditWeightController() override;

    // The weight screen: it follows the day of the arrows and shows the saved weighing's day.
    WeightController* owner() const;
    void setOwner(WeightController* owner);
    // The weighing's row id; 0 or less for a new weighing.
    int weighingid() const { return weighingid_; }
    void setWeighingid(int id);
    // Kilograms, as they will be saved.
    float weight() const { return weight_; }
    void setWeight(float kilograms) { weight_ = kilograms; }
    bool inkg() const { return inkg_; }

    // Loads a stored weighing: id, moment, weight and note, and turns the wheels.
    void setWeighingData(const Weighing& weighing);
    // Turns the wheels to the weight, within their range.
    void setWeightPickers();
    // The unit setting changed while the editor was open: the wheels show the weight they
    // showed in the other unit. The weight to save stays.
    void changeIg(bool animated);
    // Takes the moment the time editor left; the weight screen is not told.
    void takeMoment(const WeighingMoment& moment) { setMoment(moment); }
    void showTimeWindow();
    void redrawDateTime();
    void doSave() override;

    void viewWillAppear() override;
    void viewWillDisappear() override;

    ui::PickerView* selector() const { return selector_; }
    ui::TextView* noteView() const { return noteView_; }
    QAbstractButton* timelabel() const { return timelabel_; }
    QString selectedvalue() const { return selectedvalue_; }
    QString selectedfraction() const { return selectedfraction_; }

    // The rows of the wheels: whole kilograms 30 to 434, whole pounds 66 to 999, tenths.
    static const QStringList& values();
    static const QStringList& poundvalues();
    static const QStringList& fractions();
    const QStringList& arrayByComponent(int component) const;

    int numberOfComponents(ui::PickerView* picker) override;
    int numberOfRows(ui::PickerView* picker, int component) override;
    QWidget* viewForRow(ui::PickerView* picker, int row, int component) override;
    int widthForComponent(ui::PickerView* picker, int component) override;
    void didSelectRow(ui::PickerView* picker, int row, int component) override;

protected:
    void loadView() override;
    void dayStepped(const QDateTime& date) override;
    void momentChanged() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void selectRows(int whole, int tenth, bool animated);
    void showInfo();

    QPointer<WeightController> owner_;
    int weighingid_ = -1;
    float weight_ = 0.0f;
    bool inkg_;
    QString selectedvalue_;
    QString selectedfraction_;
    QPointer<ui::PickerView> selector_;
    ui::TextView* noteView_ = nullptr;
    QAbstractButton* timelabel_ = nullptr;
};
