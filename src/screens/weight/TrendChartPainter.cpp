#include "screens/weight/TrendChartPainter.h"

#include "core/weight/WeightTrendTexts.h"
#include "screens/weight/WeightTexts.h"
#include "ui/Metrics.h"

#include <QLocale>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace {

const QColor trendColor = ui::Metrics::figureColor();
const QColor gridColor = [] {
    QColor faint = trendColor;
    faint.setAlpha(45);
    return faint;
}();
const QColor labelColor(110, 90, 60);
const QColor goalColor(0, 102, 0);
const double topMargin = 10;
const double rightMargin = 10;

// A step of 1, 2 or 5 times a power of ten that cuts the span into about `parts` pieces.
double niceStep(double span, int parts) {
    const double raw = span / parts;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (raw <= factor * power)
            return factor * power;
    }
    return 10.0 * power;
}

// Maps days and display weights onto the plot.
struct Scale {
    QRectF plot;
    QDate from;
    double perDay;
    double low;
    double high;

    double x(const QDate& day) const {
        return plot.left() + (double(from.daysTo(day)) + 0.5) * perDay;
    }
    double y(double weight) const {
        return plot.bottom() - (weight - low) / (high - low) * plot.height();
    }
};

// The marks along the date axis: weeks for a month, months for a quarter or a year, years
// beyond, each with the label it shows (empty for a mark without one).
struct Mark {
    QDate day;
    QString label;
};

QList<Mark> dateMarks(const QDate& from, const QDate& to) {
    const QLocale locale(QLocale::English, QLocale::UnitedStates);
    const qint64 days = from.daysTo(to) + 1;
    QList<Mark> marks;
    if (days <= 62) {
        for (QDate d = to; d >= from; d = d.addDays(-7))
            marks.prepend({d, locale.toString(d, QStringLiteral("MMM d"))});
    } else if (days <= 400) {
        const int every = days <= 130 ? 1 : 3;
        for (QDate d(from.year(), from.month(), 1); d <= to; d = d.addMonths(1)) {
            if (d < from)
                continue;
            const bool labelled = (d.month() - 1) % every == 0;
            marks.append({d, labelled ? locale.toString(d, QStringLiteral("MMM")) : QString()});
        }
    } else {
        const int years = to.year() - from.year() + 1;
        const int every = years <= 6 ? 1 : years <= 12 ? 2 : 5;
        for (int year = from.year(); year <= to.year(); ++year) {
            const QDate d(year, 1, 1);
            if (d >= from)
                marks.append({d, year % every == 0 ? QString::number(year) : QString()});
        }
    }
    return marks;
}

void paintGrid(QPainter& p, const Scale& s, const QDate& to) {
    p.setFont(ui::Metrics::font(10));
    const double step = niceStep(s.high - s.low, 5);
    const int decimals = step < 1.0 ? 1 : 0;
    for (double w = std::ceil(s.low / step) * step; w <= s.high + 1e-9; w += step) {
        const double y = s.y(w);
        p.setPen(QPen(gridColor, 1));
        p.drawLine(QPointF(s.plot.left(), y), QPointF(s.plot.right(), y));
        p.setPen(labelColor);
        p.drawText(QRectF(0, y - 8, TrendChartPainter::LeftMargin - 4, 16),
                   Qt::AlignRight | Qt::AlignVCenter, QString::number(w, 'f', decimals));
    }
    for (const Mark& mark : dateMarks(s.from, to)) {
        const double x = s.x(mark.day);
        p.setPen(QPen(gridColor, 1));
        p.drawLine(QPointF(x, s.plot.top()), QPointF(x, s.plot.bottom() + 3));
        if (mark.label.isEmpty())
            continue;
        p.setPen(labelColor);
        p.drawText(QRectF(x - 30, s.plot.bottom() + 3, 60, TrendChartPainter::BottomMargin - 3),
                   Qt::AlignHCenter | Qt::AlignTop, mark.label);
    }
}

// The goal as a dashed line, or, when it lies off the weights shown, a note at that edge.
void paintGoal(QPainter& p, const Scale& s, double kilograms, bool pounds) {
    const QString text = QStringLiteral("Goal ") + WeightTexts::withUnit(float(kilograms), pounds);
    const double goal = WeightTrendTexts::shown(kilograms, pounds);
    p.setFont(ui::Metrics::font(10, true));
    p.setPen(goalColor);
    if (goal < s.low || goal > s.high) {
        const bool below = goal < s.low;
        const QRectF note(s.plot.left(), below ? s.plot.bottom() - 14 : s.plot.top(),
                          s.plot.width() - 4, 14);
        p.drawText(note, Qt::AlignRight | Qt::AlignVCenter,
                   text + (below ? QStringLiteral(" below") : QStringLiteral(" above")));
        return;
    }
    const double y = s.y(goal);
    p.setPen(QPen(goalColor, 1.5, Qt::DashLine));
    p.drawLine(QPointF(s.plot.left(), y), QPointF(s.plot.right(), y));
    p.setPen(goalColor);
    const bool roomAbove = y - s.plot.top() > 14;
    p.drawText(QRectF(s.plot.left(), roomAbove ? y - 14 : y + 1, s.plot.width() - 4, 13),
               Qt::AlignRight | Qt::AlignVCenter, text);
}

// Where several days share one column of device pixels (a year or more on the phone's width),
// drawing each of them would paint the same pixels again and again: a ten-year diary has thousands
// of dots and trend points on a few hundred columns. The dots of a column become one stroke from
// the highest to the lowest, and the trend keeps one point a column: the same band and line at a
// fraction of the drawing.
struct Columns {
    double left;
    double perPixel;
    bool dense;

    Columns(const QPainter& p, const Scale& s)
        : left(s.plot.left()), perPixel(std::max(1.0, p.deviceTransform().m11())),
          dense(s.perDay * perPixel < 1.0) {}
    qint64 of(double x) const { return qint64(std::floor((x - left) * perPixel)); }
};

template <typename Shown>
void paintDots(QPainter& p, const Scale& s, const Columns& columns, const WeightTrend& trend,
               qsizetype first, qsizetype end, const Shown& shown) {
    QList<QPointF> dots;
    QList<QLineF> strokes;
    dots.reserve(end - first);
    for (qsizetype i = first; i < end;) {
        const double x = s.x(trend.days().at(i).day);
        double top = s.y(shown(trend.days().at(i).kilograms));
        double bottom = top;
        // In a dense chart, the following days of the same column join this one.
        while (++i < end && columns.dense &&
               columns.of(s.x(trend.days().at(i).day)) == columns.of(x)) {
            const double y = s.y(shown(trend.days().at(i).kilograms));
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
        if (top == bottom)
            dots.append(QPointF(x, top));
        else
            strokes.append(QLineF(x, top, x, bottom));
    }
    if (columns.dense) {
        // Round ends cost curves the eye cannot tell from square ones at this size.
        QPen pen = p.pen();
        pen.setCapStyle(Qt::SquareCap);
        p.setPen(pen);
    }
    p.drawPoints(dots.constData(), int(dots.size()));
    p.drawLines(strokes.constData(), int(strokes.size()));
}

template <typename Shown>
QPolygonF trendLine(const Scale& s, const Columns& columns, const WeightTrend& trend,
                    const QDate& from, const QDate& to, const Shown& shown) {
    QPolygonF line;
    line.reserve(from.daysTo(to) + 1);
    for (QDate d = from; d <= to; d = d.addDays(1)) {
        const QPointF point(s.x(d), s.y(shown(*trend.trendAt(d))));
        // A dense line keeps the first point and then the last day of each column.
        if (columns.dense && line.size() > 1 &&
            columns.of(line.last().x()) == columns.of(point.x()))
            line.last() = point;
        else
            line.append(point);
    }
    return line;
}

} // namespace

void TrendChartPainter::paint(QPainter& p, const QRectF& area, const Chart& chart) {
    if (!chart.trend || chart.trend->isEmpty() || !chart.from.isValid() || chart.to < chart.from)
        return;
    const WeightTrend& trend = *chart.trend;
    const auto shown = [&](double kilograms) {
        return WeightTrendTexts::shown(kilograms, chart.pounds);
    };

    // The days shown, and the trend over the part of them that was weighed.
    const qsizetype first = trend.indexAtOrAfter(chart.from);
    const qsizetype end = trend.indexAtOrAfter(chart.to.addDays(1));
    const QDate lineFrom = std::max(chart.from, trend.firstDay());
    const QDate lineTo = std::min(chart.to, trend.lastDay());

    double low = std::numeric_limits<double>::max();
    double high = std::numeric_limits<double>::lowest();
    for (qsizetype i = first; i < end; ++i) {
        low = std::min(low, trend.days().at(i).kilograms);
        high = std::max(high, trend.days().at(i).kilograms);
    }
    for (QDate d = lineFrom; d <= lineTo; d = d.addDays(1)) {
        const double t = *trend.trendAt(d);
        low = std::min(low, t);
        high = std::max(high, t);
    }
    if (low > high) {
        // Nothing weighed in these days: centre on the trend carried into them.
        const std::optional<double> carried = trend.trendAt(chart.to);
        low = high = carried ? *carried : trend.days().first().kilograms;
    }
    low = shown(low);
    high = shown(high);
    // The goal joins the scale when it is near enough not to flatten the weights.
    const double goal = shown(chart.goalKilograms);
    const double reach = std::max(high - low, shown(2.0));
    if (chart.goalKilograms > 0 && goal >= low - reach && goal <= high + reach) {
        low = std::min(low, goal);
        high = std::max(high, goal);
    }
    const double pad = std::max((high - low) * 0.08, shown(0.5));
    low -= pad;
    high += pad;

    const QRectF plot = area.adjusted(LeftMargin, topMargin, -rightMargin, -BottomMargin);
    const Scale s{plot, chart.from, plot.width() / double(chart.from.daysTo(chart.to) + 1), low,
                  high};

    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    paintGrid(p, s, chart.to);
    p.setClipRect(plot.adjusted(-4, -4, 4, 4));

    QColor dotColor = ui::Metrics::tintColor();
    dotColor.setAlpha(150);
    p.setPen(QPen(dotColor, std::clamp(s.perDay * 0.8, 2.0, 5.0), Qt::SolidLine, Qt::RoundCap));
    const Columns columns(p, s);
    paintDots(p, s, columns, trend, first, end, shown);

    if (lineFrom <= lineTo) {
        // A dense line turns a little at hundreds of joins, where rounding each one costs
        // curves and shows nothing.
        p.setPen(QPen(trendColor, 2, Qt::SolidLine, Qt::RoundCap,
                      columns.dense ? Qt::BevelJoin : Qt::RoundJoin));
        p.drawPolyline(trendLine(s, columns, trend, lineFrom, lineTo, shown));
    }
    p.setClipping(false);
    if (chart.goalKilograms > 0)
        paintGoal(p, s, chart.goalKilograms, chart.pounds);
    p.restore();
}
