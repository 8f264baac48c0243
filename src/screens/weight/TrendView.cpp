#include "screens/weight/TrendView.h"

#include "core/weight/WeightTrendTexts.h"
#include "screens/weight/TrendChartView.h"
#include "ui/Label.h"
#include "ui/Metrics.h"
#include "ui/SegmentedControl.h"
#include "ui/TintedBar.h"
#include "ui/controls/ControlImages.h"
#include "ui/controls/ImageButton.h"

#include <QLocale>
#include <QPainter>

namespace {

const int margin = 6;

QAbstractButton* arrow(const char* image, const char* name, int x, QWidget* bar) {
    auto* button = new ImageButton(ControlImages::image(image), ImageButton::Fit::Stretch, bar);
    button->setObjectName(name);
    button->setGeometry(x, 0, 45, TrendView::BarHeight);
    return button;
}

// A caption in black and its value in white on a summary row, as on the day view's bar.
ui::Label* summaryRow(QWidget* panel, int row, const QString& caption, const char* name) {
    const int height = TrendView::SummaryHeight / 2;
    const int top = row * height;
    ui::Label* label = ui::Label::make(panel, QRect(margin, top, 58, height), 14, true, Qt::black,
                                       Qt::AlignLeft | Qt::AlignVCenter);
    label->setText(caption);
    ui::Label* value = ui::Label::make(
        panel, QRect(margin + 58, top, ui::Metrics::ScreenWidth - 2 * margin - 58, height), 14,
        true, Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
    value->setObjectName(name);
    return value;
}

QString dayText(const QDate& day) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(day, "MMM d, yyyy");
}

} // namespace

TrendView::TrendView(QWidget* parent)
    : QWidget(parent), bar_(new ui::TintedBar(this)),
      period_(ui::Label::make(bar_, QRect(50, 0, 220, BarHeight), 14, true, Qt::white,
                              Qt::AlignCenter)),
      back_(arrow("left.png", "pageBack", 5, bar_)),
      forward_(arrow("right.png", "pageForward", ui::Metrics::ScreenWidth - 50, bar_)),
      ranges_(new ui::SegmentedControl({"1M", "3M", "1Y", "All"}, this)),
      chart_(new TrendChartView(this)), summary_(new ui::TintedBar(this)),
      rate_(summaryRow(summary_, 0, QStringLiteral("Trend:"), "trendRate")),
      goal_(summaryRow(summary_, 1, QStringLiteral("Goal:"), "trendGoal")),
      empty_(new ui::Label(this)) {
    setObjectName("trendView");
    resize(ui::Metrics::ScreenWidth, ui::Metrics::ContentHeight);
    const int width = ui::Metrics::ScreenWidth;
    const int chartTop = BarHeight + RangesHeight;
    const int chartBottom = ui::Metrics::ContentHeight - SummaryHeight;

    bar_->setGeometry(0, 0, width, BarHeight);
    period_->setObjectName("trendPeriod");
    connect(back_, &QAbstractButton::clicked, this, &TrendView::pageBack);
    connect(forward_, &QAbstractButton::clicked, this, &TrendView::pageForward);

    ranges_->setObjectName("trendRanges");
    ranges_->setSegmentedControlStyle(ui::SegmentedControl::Style::Bar);
    ranges_->setTintColor(ui::Metrics::tintColor());
    const int rangesWidth = 4 * 52;
    ranges_->setGeometry((width - rangesWidth) / 2, BarHeight + 5, rangesWidth, RangesHeight - 9);
    ranges_->setSelectedSegmentIndex(int(range_));
    connect(ranges_, &ui::SegmentedControl::valueChanged, this,
            [this](int index) { setRange(Range(index)); });

    chart_->setGeometry(0, chartTop, width, chartBottom - chartTop);
    connect(chart_, &TrendChartView::pagedBack, this, &TrendView::pageBack);
    connect(chart_, &TrendChartView::pagedForward, this, &TrendView::pageForward);
    summary_->setGeometry(0, chartBottom, width, SummaryHeight);

    empty_->setObjectName("trendEmpty");
    empty_->setGeometry(24, 0, width - 48, ui::Metrics::ContentHeight);
    empty_->setFontSize(16, true);
    empty_->setTextColor(QColor(110, 90, 60));
    empty_->setAlignment(Qt::AlignCenter);
    empty_->setNumberOfLines(0);
    empty_->setText(QStringLiteral("No weighings yet.\n\nAdd your weight with the + button "
                                   "above, and your trend will show here."));
    redraw();
}

void TrendView::setData(WeightTrend trend, double goalKilograms, bool pounds, const QDate& today) {
    // Days that ended with the latest keep doing so as new days come; paged ones stay put.
    const bool following = !end_.isValid() || end_ >= latest() || range_ == Range::All;
    trend_ = std::move(trend);
    goalKilograms_ = goalKilograms;
    pounds_ = pounds;
    today_ = today;
    if (following || end_ > latest())
        end_ = latest();
    redraw();
}

QDate TrendView::latest() const {
    return trend_.isEmpty() ? today_ : std::max(today_, trend_.lastDay());
}

int TrendView::months() const {
    switch (range_) {
    case Range::OneMonth:
        return 1;
    case Range::ThreeMonths:
        return 3;
    case Range::OneYear:
        return 12;
    case Range::All:
        break;
    }
    return 0;
}

void TrendView::setRange(Range range) {
    range_ = range;
    ranges_->setSelectedSegmentIndex(int(range));
    // The whole diary ends with the latest day; the others keep the end the user paged to.
    if (range == Range::All)
        end_ = latest();
    redraw();
}

QDate TrendView::from() const {
    if (!end_.isValid())
        return QDate();
    if (range_ == Range::All)
        return trend_.isEmpty() ? end_ : std::min(trend_.firstDay(), end_);
    return end_.addMonths(-months()).addDays(1);
}

bool TrendView::canPageBack() const {
    return range_ != Range::All && !trend_.isEmpty() && from() > trend_.firstDay();
}

bool TrendView::canPageForward() const {
    return range_ != Range::All && end_.isValid() && end_ < latest();
}

void TrendView::pageBack() {
    if (canPageBack())
        page(-1);
}

void TrendView::pageForward() {
    if (canPageForward())
        page(1);
}

void TrendView::page(int direction) {
    end_ = std::min(end_.addMonths(direction * months()), latest());
    redraw();
}

void TrendView::redraw() {
    const bool empty = trend_.isEmpty();
    for (QWidget* part :
         {bar_, static_cast<QWidget*>(ranges_), static_cast<QWidget*>(chart_), summary_})
        part->setVisible(!empty);
    empty_->setVisible(empty);
    if (empty)
        return;

    const QDate first = from();
    period_->setText(dayText(first) + QStringLiteral(" - ") + dayText(end_));
    back_->setVisible(canPageBack());
    forward_->setVisible(canPageForward());
    chart_->setChart({&trend_, first, end_, goalKilograms_, pounds_});
    rate_->setText(WeightTrendTexts::rate(trend_.weeklyRate(first, end_), pounds_));
    goal_->setText(WeightTrendTexts::goal(trend_.forecast(first, end_, goalKilograms_)));
}

void TrendView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), ui::Metrics::paperColor());
}
