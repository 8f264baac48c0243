#include "core/weight/WeightTrendTexts.h"

#include "core/base/Units.h"
#include "core/profile/OptionsUtil.h"
#include "core/text/ConvertUtil.h"

#include <QDateTime>
#include <cmath>

double WeightTrendTexts::shown(double kilograms, bool pounds) {
    return pounds ? kilograms / kilogramsPerPound<double> : kilograms;
}

QString WeightTrendTexts::rate(std::optional<double> kilogramsPerWeek, bool pounds) {
    if (!kilogramsPerWeek)
        return QStringLiteral(" - ");
    // Rounded first, and +0.0 added, so that a rate too small to show never reads "-0.00".
    const double hundredths = std::round(shown(*kilogramsPerWeek, pounds) * 100.0) / 100.0 + 0.0;
    return QString::asprintf("%.2f ", hundredths) + OptionsUtil::weightUnitName(pounds) +
           QStringLiteral("/week");
}

QString WeightTrendTexts::goal(const WeightTrend::GoalForecast& forecast) {
    using Outlook = WeightTrend::GoalForecast::Outlook;
    switch (forecast.outlook) {
    case Outlook::AtGoal:
        return QStringLiteral("at your goal");
    case Outlook::ReachedOn:
        return ConvertUtil::date2str(QDateTime(forecast.date, QTime(12, 0)),
                                     ConvertUtil::LongStyle);
    case Outlook::MovingAway:
        return QStringLiteral("not at this rate");
    case Outlook::Unknown:
        break;
    }
    return QStringLiteral(" - ");
}
